// TALProgressBar: a windowless progress bar painted off-screen in one colour,
// a two- or three-colour gradient, or a tiled picture, with an optional
// one-pixel frame and an optional centred position text.
//
// Contract:
// - Position is taken only when it differs from the current value and lies
//   within Min..Max; anything else leaves the bar as it was.
// - The filled length is (Position - Min) / |Max - Min| of the extent (the
//   length less the frame), rounded half to even; 0 when Position is not above
//   Min or Max equals Min, and never more than the extent.
// - The bar image (gradient or tiled picture, at the control's size) is built
//   again only after a change of size or of a property other than Position;
//   moving the position repaints with the image already built.
// - Every change that is stored tells the change listener (a repaint).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/system_colors.h"
#include "platform/canvas.h"
#include "platform/text_measure.h"

namespace controls {

enum class TProgressDirection { pdLeftToRight, pdRightToLeft, pdBottomToTop, pdTopToBottom };
enum class TBarColorStyle { cs1Color, cs2Colors, cs3Colors };

// A picture as plain pixels, row by row from the top left.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<platform::Color> pixels;

  Bitmap() = default;
  Bitmap(int w, int h, platform::Color fill = {});
  bool empty() const { return width <= 0 || height <= 0; }
  platform::Color pixel(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  void setPixel(int x, int y, platform::Color c) { pixels[static_cast<size_t>(y) * width + x] = c; }
  bool operator==(const Bitmap&) const = default;
};

// Rounds to the nearest integer, halves to the even neighbour (278.5 -> 278).
std::int64_t roundHalfEven(double value);

// value * numerator / denominator on 64-bit integers, rounded to the nearest
// integer with halves away from zero; 0 when the denominator is 0.
std::int64_t mulDivRound(std::int64_t value, std::int64_t numerator, std::int64_t denominator);

// Colour of line `index` (1..count) of a gradient from `from` to `to` over
// `count` lines. A one-line gradient is `from`. Throws std::out_of_range
// ("ColorIndex can't be less than 1 or greater than <count>") for an index
// outside 1..count.
platform::Color gradientColor(platform::Color from, platform::Color to, int index, int count);

// Draws `bitmap` on `canvas` at (x, y) as filled rectangles, joining equal
// neighbouring pixels so that stripes become single rectangles.
void drawBitmap(platform::Canvas& canvas, const Bitmap& bitmap, int x = 0, int y = 0);

class TALProgressBar : public Control {
public:
  TALProgressBar();

  int Min() const { return min_; }
  void setMin(int value);
  int Max() const { return max_; }
  void setMax(int value);
  int Position() const { return position_; }
  void setPosition(int value);

  TProgressDirection Direction() const { return direction_; }
  void setDirection(TProgressDirection value);
  TBarColorStyle BarColorStyle() const { return barColorStyle_; }
  void setBarColorStyle(TBarColorStyle value);
  platform::Color BarColor1() const { return barColor1_; }
  void setBarColor1(platform::Color value);
  platform::Color BarColor2() const { return barColor2_; }
  void setBarColor2(platform::Color value);
  platform::Color BarColor3() const { return barColor3_; }
  void setBarColor3(platform::Color value);
  const Bitmap& BarBitmap() const { return barBitmap_; }
  void setBarBitmap(const Bitmap& value);
  platform::Color BackgroundColor() const { return backgroundColor_; }
  void setBackgroundColor(platform::Color value);

  bool ShowBorder() const { return showBorder_; }
  void setShowBorder(bool value);
  platform::Color BorderColor1() const { return borderColor1_; }
  void setBorderColor1(platform::Color value);
  platform::Color BorderColor2() const { return borderColor2_; }
  void setBorderColor2(platform::Color value);

  bool ShowPosText() const { return showPosText_; }
  void setShowPosText(bool value);
  bool Percentage() const { return percentage_; }
  void setPercentage(bool value);
  const std::string& PosTextPrefix() const { return posTextPrefix_; }
  void setPosTextPrefix(const std::string& value);
  const std::string& PosTextSuffix() const { return posTextSuffix_; }
  void setPosTextSuffix(const std::string& value);

  const platform::FontSpec& Font() const { return font_; }
  void setFont(const platform::FontSpec& value);
  platform::Color FontColor() const { return fontColor_; }
  void setFontColor(platform::Color value);

  // While the control is read from its stored form it paints its background only.
  bool Loading() const { return loading_; }
  void setLoading(bool value);

  bool horizontal() const;
  // The length of the bar along its direction, inside the frame.
  int extent() const;
  int filledLength() const;
  // The position text as drawn: prefix, number (or whole percentage), suffix.
  std::string positionText() const;

  // The gradient or tiled picture, built at the size of the last paint.
  const Bitmap& barImage() const { return barImage_; }
  // How many times the bar image was built; lets callers see a rebuild.
  int barImageBuilds() const { return barImageBuilds_; }

  void paint(platform::Canvas& canvas) override;

protected:
  void sizeChanged() override;

private:
  // Stores a property change that needs a new bar image, then repaints.
  void barChanged();
  bool usesBarImage() const;
  void buildBarImage();
  void tileBarBitmap();
  void buildGradient();
  void drawBar(platform::Canvas& canvas);
  void coverUnfilled(platform::Canvas& canvas);
  void drawBorder(platform::Canvas& canvas);
  void drawPositionText(platform::Canvas& canvas);

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  TProgressDirection direction_ = TProgressDirection::pdLeftToRight;
  TBarColorStyle barColorStyle_ = TBarColorStyle::cs3Colors;
  platform::Color barColor1_ = platform::rgb(0, 128, 0);
  platform::Color barColor2_ = platform::rgb(255, 255, 0);
  platform::Color barColor3_ = platform::rgb(255, 0, 0);
  Bitmap barBitmap_;
  platform::Color backgroundColor_ = clBtnFace;
  bool showBorder_ = true;
  platform::Color borderColor1_ = clBtnShadow;
  platform::Color borderColor2_ = clBtnHighlight;
  bool showPosText_ = true;
  bool percentage_ = false;
  std::string posTextPrefix_;
  std::string posTextSuffix_;
  platform::FontSpec font_{"MS Sans Serif", 8};
  platform::Color fontColor_ = clWindowText;
  bool loading_ = false;

  Bitmap barImage_;
  bool barImageValid_ = false;
  int barImageBuilds_ = 0;
};

} // namespace controls
