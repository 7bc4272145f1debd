#include "controls/al_progress_bar.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace controls {

using platform::Color;
using platform::Rect;

Bitmap::Bitmap(int w, int h, Color fill)
    : width(std::max(0, w)), height(std::max(0, h)),
      pixels(static_cast<size_t>(width) * static_cast<size_t>(height), fill) {}

std::int64_t roundHalfEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  auto whole = static_cast<std::int64_t>(floor);
  if (fraction > 0.5) return whole + 1;
  if (fraction < 0.5) return whole;
  return (whole % 2 == 0) ? whole : whole + 1;
}

std::int64_t mulDivRound(std::int64_t value, std::int64_t numerator, std::int64_t denominator) {
  if (denominator == 0) return 0;
  const std::int64_t product = value * numerator;
  std::int64_t quotient = product / denominator;
  const std::int64_t remainder = product % denominator;
  if (2 * std::llabs(remainder) >= std::llabs(denominator)) {
    quotient += ((product < 0) != (denominator < 0)) ? -1 : 1;
  }
  return quotient;
}

Color gradientColor(Color from, Color to, int index, int count) {
  if (index < 1 || index > count) {
    throw std::out_of_range("ColorIndex can't be less than 1 or greater than " +
                            std::to_string(count));
  }
  if (count == 1) return from;
  auto channel = [&](std::uint8_t a, std::uint8_t b) {
    const std::int64_t value = a + mulDivRound(index - 1, int{b} - int{a}, count - 1);
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(value, 0, 255));
  };
  return Color{channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

void drawBitmap(platform::Canvas& canvas, const Bitmap& bitmap, int x, int y) {
  // Runs of equal pixels in a row; a run that repeats one of the row above
  // (same start, length and colour) grows that rectangle instead of starting
  // a new one. Rectangles are in bitmap coordinates until they are drawn.
  struct Run {
    Rect rect;
    Color color;
  };
  auto flush = [&](const Run& run) {
    canvas.fillRect(Rect{x + run.rect.left, y + run.rect.top, run.rect.width, run.rect.height},
                    run.color);
  };
  std::vector<Run> open;
  std::vector<Run> next;
  for (int row = 0; row < bitmap.height; ++row) {
    next.clear();
    size_t cursor = 0;
    int col = 0;
    while (col < bitmap.width) {
      const Color color = bitmap.pixel(col, row);
      int end = col + 1;
      while (end < bitmap.width && bitmap.pixel(end, row) == color)
        ++end;
      while (cursor < open.size() && open[cursor].rect.left < col)
        flush(open[cursor++]);
      if (cursor < open.size() && open[cursor].rect.left == col &&
          open[cursor].rect.width == end - col && open[cursor].color == color) {
        Run grown = open[cursor++];
        grown.rect.height += 1;
        next.push_back(grown);
      } else {
        next.push_back(Run{Rect{col, row, end - col, 1}, color});
      }
      col = end;
    }
    while (cursor < open.size())
      flush(open[cursor++]);
    open.swap(next);
  }
  for (const Run& run : open)
    flush(run);
}

// ---- TALProgressBar ---------------------------------------------------------

TALProgressBar::TALProgressBar() {
  setBounds(0, 0, 200, 20);
}

void TALProgressBar::barChanged() {
  barImageValid_ = false;
  changed();
}

void TALProgressBar::sizeChanged() {
  barImageValid_ = false;
}

void TALProgressBar::setMin(int value) {
  if (value == min_) return;
  min_ = value;
  barChanged();
}

void TALProgressBar::setMax(int value) {
  if (value == max_) return;
  max_ = value;
  barChanged();
}

void TALProgressBar::setPosition(int value) {
  if (value == position_ || value < min_ || value > max_) return;
  position_ = value;
  changed();
}

void TALProgressBar::setDirection(TProgressDirection value) {
  if (value == direction_) return;
  direction_ = value;
  barChanged();
}

void TALProgressBar::setBarColorStyle(TBarColorStyle value) {
  if (value == barColorStyle_) return;
  barColorStyle_ = value;
  barChanged();
}

void TALProgressBar::setBarColor1(Color value) {
  if (value == barColor1_) return;
  barColor1_ = value;
  barChanged();
}

void TALProgressBar::setBarColor2(Color value) {
  if (value == barColor2_) return;
  barColor2_ = value;
  barChanged();
}

void TALProgressBar::setBarColor3(Color value) {
  if (value == barColor3_) return;
  barColor3_ = value;
  barChanged();
}

void TALProgressBar::setBarBitmap(const Bitmap& value) {
  if (value == barBitmap_) return;
  barBitmap_ = value;
  barChanged();
}

void TALProgressBar::setBackgroundColor(Color value) {
  if (value == backgroundColor_) return;
  backgroundColor_ = value;
  barChanged();
}

void TALProgressBar::setShowBorder(bool value) {
  if (value == showBorder_) return;
  showBorder_ = value;
  barChanged();
}

void TALProgressBar::setBorderColor1(Color value) {
  if (value == borderColor1_) return;
  borderColor1_ = value;
  barChanged();
}

void TALProgressBar::setBorderColor2(Color value) {
  if (value == borderColor2_) return;
  borderColor2_ = value;
  barChanged();
}

void TALProgressBar::setShowPosText(bool value) {
  if (value == showPosText_) return;
  showPosText_ = value;
  barChanged();
}

void TALProgressBar::setPercentage(bool value) {
  if (value == percentage_) return;
  percentage_ = value;
  barChanged();
}

void TALProgressBar::setPosTextPrefix(const std::string& value) {
  if (value == posTextPrefix_) return;
  posTextPrefix_ = value;
  barChanged();
}

void TALProgressBar::setPosTextSuffix(const std::string& value) {
  if (value == posTextSuffix_) return;
  posTextSuffix_ = value;
  barChanged();
}

void TALProgressBar::setFont(const platform::FontSpec& value) {
  if (value == font_) return;
  font_ = value;
  barChanged();
}

void TALProgressBar::setFontColor(Color value) {
  if (value == fontColor_) return;
  fontColor_ = value;
  barChanged();
}

void TALProgressBar::setLoading(bool value) {
  if (value == loading_) return;
  loading_ = value;
  barChanged();
}

bool TALProgressBar::horizontal() const {
  return direction_ == TProgressDirection::pdLeftToRight ||
         direction_ == TProgressDirection::pdRightToLeft;
}

int TALProgressBar::extent() const {
  const int length = horizontal() ? Width() : Height();
  return std::max(0, length - (showBorder_ ? 2 : 0));
}

int TALProgressBar::filledLength() const {
  if (!(min_ < position_) || max_ == min_) return 0;
  const double span = std::fabs(static_cast<double>(max_) - static_cast<double>(min_));
  const double share = (static_cast<double>(position_) - static_cast<double>(min_)) / span;
  const std::int64_t filled = roundHalfEven(share * extent());
  // Max may have been lowered below the position after it was set.
  return static_cast<int>(std::clamp<std::int64_t>(filled, 0, extent()));
}

std::string TALProgressBar::positionText() const {
  std::int64_t number = position_;
  if (percentage_) {
    // A zero Max has no percentage; show 0 rather than fail.
    number = max_ == 0 ? 0 : roundHalfEven(static_cast<double>(position_) / max_ * 100.0);
  }
  return posTextPrefix_ + std::to_string(number) + posTextSuffix_;
}

bool TALProgressBar::usesBarImage() const {
  return !barBitmap_.empty() || barColorStyle_ != TBarColorStyle::cs1Color;
}

void TALProgressBar::buildBarImage() {
  barImage_ = Bitmap(Width(), Height(), backgroundColor_);
  if (!barBitmap_.empty()) {
    tileBarBitmap();
  } else {
    buildGradient();
  }
  barImageValid_ = true;
  ++barImageBuilds_;
}

void TALProgressBar::tileBarBitmap() {
  const int columns = barImage_.width / barBitmap_.width + 1;
  const int rows = barImage_.height / barBitmap_.height + 1;
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      const int left = column * barBitmap_.width;
      const int top = row * barBitmap_.height;
      for (int y = 0; y < barBitmap_.height && top + y < barImage_.height; ++y) {
        for (int x = 0; x < barBitmap_.width && left + x < barImage_.width; ++x) {
          barImage_.setPixel(left + x, top + y, barBitmap_.pixel(x, y));
        }
      }
    }
  }
}

void TALProgressBar::buildGradient() {
  const bool forward = direction_ == TProgressDirection::pdLeftToRight ||
                       direction_ == TProgressDirection::pdTopToBottom;
  const int length = horizontal() ? barImage_.width : barImage_.height;
  // One line across the bar per pixel along it.
  auto paintLine = [&](int offset, Color color) {
    if (horizontal()) {
      for (int y = 0; y < barImage_.height; ++y)
        barImage_.setPixel(offset, y, color);
    } else {
      for (int x = 0; x < barImage_.width; ++x)
        barImage_.setPixel(x, offset, color);
    }
  };
  auto paintPart = [&](int first, int count, Color from, Color to) {
    for (int i = 1; i <= count; ++i)
      paintLine(first + i - 1, gradientColor(from, to, i, count));
  };
  if (barColorStyle_ == TBarColorStyle::cs2Colors) {
    if (forward) {
      paintPart(0, length, barColor1_, barColor2_);
    } else {
      paintPart(0, length, barColor2_, barColor1_);
    }
    return;
  }
  const int firstHalf = length / 2;
  const int secondHalf = length - firstHalf;
  if (forward) {
    paintPart(0, firstHalf, barColor1_, barColor2_);
    paintPart(firstHalf, secondHalf, barColor2_, barColor3_);
  } else {
    paintPart(0, firstHalf, barColor3_, barColor2_);
    paintPart(firstHalf, secondHalf, barColor2_, barColor1_);
  }
}

void TALProgressBar::drawBar(platform::Canvas& canvas) {
  if (usesBarImage()) {
    if (!barImageValid_ || barImage_.width != Width() || barImage_.height != Height()) {
      buildBarImage();
    }
    drawBitmap(canvas, barImage_);
  } else {
    canvas.fillRect(Rect{0, 0, Width(), Height()}, barColor1_);
  }
  coverUnfilled(canvas);
}

void TALProgressBar::coverUnfilled(platform::Canvas& canvas) {
  const int frame = showBorder_ ? 1 : 0;
  const int filled = filledLength();
  const int unfilled = extent() - filled;
  if (unfilled <= 0) return;
  const int across = std::max(0, (horizontal() ? Height() : Width()) - 2 * frame);
  if (across == 0) return;
  Rect rect;
  switch (direction_) {
  case TProgressDirection::pdLeftToRight:
    rect = Rect{frame + filled, frame, unfilled, across};
    break;
  case TProgressDirection::pdRightToLeft:
    rect = Rect{frame, frame, unfilled, across};
    break;
  case TProgressDirection::pdBottomToTop:
    rect = Rect{frame, frame, across, unfilled};
    break;
  case TProgressDirection::pdTopToBottom:
    rect = Rect{frame, frame + filled, across, unfilled};
    break;
  }
  canvas.fillRect(rect, backgroundColor_);
}

void TALProgressBar::drawBorder(platform::Canvas& canvas) {
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  // Top and left edges in the first colour, bottom and right in the second;
  // the two corners where they meet (top right, bottom left) keep the first.
  canvas.fillRect(Rect{0, 0, w, 1}, borderColor1_);
  canvas.fillRect(Rect{0, 0, 1, h}, borderColor1_);
  if (w > 1 && h > 1) {
    canvas.fillRect(Rect{1, h - 1, w - 1, 1}, borderColor2_);
    canvas.fillRect(Rect{w - 1, 1, 1, h - 1}, borderColor2_);
  }
}

void TALProgressBar::drawPositionText(platform::Canvas& canvas) {
  const std::string text = positionText();
  const int textWidth = canvas.measure().textWidth(font_, text);
  const int textHeight = canvas.measure().textHeight(font_, text);
  canvas.drawText(Width() / 2 - textWidth / 2, Height() / 2 - textHeight / 2, text, font_,
                  fontColor_);
}

void TALProgressBar::paint(platform::Canvas& canvas) {
  if (loading_) {
    canvas.fillRect(Rect{0, 0, Width(), Height()}, backgroundColor_);
  } else {
    drawBar(canvas);
  }
  if (showBorder_) drawBorder(canvas);
  if (showPosText_) drawPositionText(canvas);
}

} // namespace controls
