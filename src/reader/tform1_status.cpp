// The status line and the hint of TForm1: the messages of panel 1, the
// position text of panel 3 with the progress bars and the furthest point
// read, the hint label and its blinking while reading is halted.
#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "reader/floor_to_int.h"
#include "reader/layout_geometry.h"
#include "reader/tform1.h"

namespace reader {
namespace {

using engine::ReadingModeKind;

// As views, so that the tests made for every frame compare lengths first.
constexpr std::string_view HeadingMessage = "Heading detected";
constexpr std::string_view GraphicMessage = "Graphic detected";
constexpr std::string_view PlayMessage = "Play";
constexpr std::string_view FastForwardMessage = "Fast Forward";
constexpr std::string_view RewindMessage = "Rewind";
constexpr int MessagePanel = 1;
constexpr int PositionPanel = 3;
constexpr int BarRange = 10000;
// Focus ticks (100 ms) the halted hint keeps each colour.
constexpr int BlinkTicks = 15;

bool isNavigationMessage(std::string_view text) {
  return text == PlayMessage || text == FastForwardMessage || text == RewindMessage;
}

} // namespace

void TForm1::setStatusPanel(int index, std::string_view text) {
  if (index < 0 || index >= static_cast<int>(window_.statusPanels.size())) return;
  std::string& panel = window_.statusPanels[static_cast<std::size_t>(index)];
  if (panel == text) return;
  panel = text;
  view_.setStatusText(index, panel);
}

// --- The hint -------------------------------------------------------------------------

void TForm1::setInfoText(std::string_view text) {
  window_.hint = text;
  view_.setInfoText(window_.hint);
  if (settings_.ReadingMode == ReadingModeKind::Single) setStatusPanel(MessagePanel, "");
}

const std::string& TForm1::infoText() const {
  return window_.hint;
}

void TForm1::toggleInfoTextColor() {
  window_.infoTextBlack = !window_.infoTextBlack;
  view_.setInfoTextColor(window_.infoTextBlack);
}

void TForm1::blinkHint() {
  if (!bannerMode()) return;
  ++fade_.hintBlinkTicks;
  if (!rs_.readingHalted) {
    if (!window_.infoTextBlack) toggleInfoTextColor();
    fade_.hintBlinkTicks = 0;
  } else if (fade_.hintBlinkTicks >= BlinkTicks) {
    toggleInfoTextColor();
    fade_.hintBlinkTicks = 0;
  }
}

// --- Messages of panel 1 ------------------------------------------------------------------

void TForm1::showHeadingIcon() {
  setStatusPanel(MessagePanel, HeadingMessage);
  if (settings_.ReadingMode == ReadingModeKind::Single) {
    // The narrow window has no room for both.
    window_.hint.clear();
    view_.setInfoText("");
    view_.hideInfoText();
  }
}

void TForm1::hideHeadingIcon() {
  if (window_.statusPanels[MessagePanel] == HeadingMessage) setStatusPanel(MessagePanel, "");
}

void TForm1::showPictureIcon() {
  setStatusPanel(MessagePanel, GraphicMessage);
  if (settings_.ReadingMode == ReadingModeKind::Single) {
    window_.hint.clear();
    view_.setInfoText("");
    view_.hideInfoText();
  }
}

void TForm1::hidePictureIcon() {
  if (window_.statusPanels[MessagePanel] == GraphicMessage) setStatusPanel(MessagePanel, "");
}

void TForm1::showFastForwardIcon(NavIcon kind) {
  if (!bannerMode()) return;
  switch (kind) {
  case NavIcon::Play:
    setStatusPanel(MessagePanel, PlayMessage);
    break;
  case NavIcon::FastForward:
    setStatusPanel(MessagePanel, FastForwardMessage);
    break;
  case NavIcon::Rewind:
    setStatusPanel(MessagePanel, RewindMessage);
    break;
  default:
    // Only a navigation message goes: what the frame itself reported (a
    // heading, a graphic) stays while the frame is shown.
    if (isNavigationMessage(window_.statusPanels[MessagePanel])) setStatusPanel(MessagePanel, "");
  }
}

void TForm1::hideFastForwardIcon() {
  showFastForwardIcon(NavIcon::None);
}

void TForm1::clearStatusMessage() {
  setStatusPanel(MessagePanel, "");
}

void TForm1::showTimedStatusMessage(const std::string& text) {
  setStatusPanel(MessagePanel, text);
  tmHideInfo->setEnabled(false);
  tmHideInfo->setEnabled(true);
}

void TForm1::tmHideInfoTimer() {
  clearStatusMessage();
  tmHideInfo->setEnabled(false);
}

// --- Position text, bars, the furthest point read ------------------------------------------

void TForm1::UpdatePercent() {
  const std::int64_t length = std::max<std::int32_t>(es_.TextLength, 1);
  const std::int64_t p = static_cast<std::int64_t>(std::max(es_.CurrentPosition, 0)) * 100 / length;
  const PositionTextInputs inputs{p,
                                  findBarOpen(),
                                  settings_.ReadingMode,
                                  settings_.WordsPerMinute,
                                  settings_.LinesPerScreen,
                                  settings_.WordsPerScreen};
  if (inputs != positionInputs_) {
    // Written in place: this runs several times for every frame.
    std::array<char, 96> buffer;
    char* out = buffer.data();
    char* const end = buffer.data() + buffer.size();
    const auto put = [&out, end](std::string_view s) {
      if (static_cast<std::size_t>(end - out) >= s.size()) out = std::copy(s.begin(), s.end(), out);
    };
    const auto number = [&out, end](std::int64_t n) {
      const auto done = std::to_chars(out, end, n);
      if (done.ec == std::errc()) out = done.ptr;
    };
    number(p);
    put("%");
    if (!inputs.findBarOpen) {
      if (inputs.mode == ReadingModeKind::Banner) {
        put(" | ");
        number(inputs.speed);
        put(" wpm (");
        number(inputs.lines);
        put(" x ");
        number(inputs.words);
        put(")");
      } else if (inputs.mode == ReadingModeKind::Sentence) {
        put(" | ");
        number(inputs.speed);
        put(" wpm ");
      }
    }
    positionText_.assign(buffer.data(), out);
    positionInputs_ = inputs;
  }
  setStatusPanel(PositionPanel, positionText_);

  // The bar shows the furthest point read, the dot the current one.
  std::int32_t& furthest = window_.lastReadPosition;
  if (furthest > static_cast<std::int64_t>(es_.DocumentLength)) furthest = 0;
  int bar = 0;
  if (es_.DocumentLength > 0) {
    const double fraction = static_cast<double>(std::max(es_.CurrentPosition, furthest)) /
                            static_cast<double>(es_.DocumentLength);
    bar = std::clamp(floorToInt(BarRange * fraction), 0, BarRange);
  }
  if (es_.CurrentPosition > furthest) furthest = es_.CurrentPosition;
  view_.showProgress(p, bar);
  showOrangeDot();
}

} // namespace reader
