// A reader view that shows nothing, for running the reading loop without a
// screen: the headless timeline and the benchmarks. It keeps the hint text,
// because the reading loop reads it back, and offers a fixed number of lines
// per frame unless a subclass measures them.
#pragma once

#include <cstdint>
#include <string>

#include "reader/reader_view.h"

namespace reader {

class SilentView : public ReaderView {
public:
  void drawFrame(int) override {}
  void clearFrame() override {}
  void displayOnActivate() override {}
  void drawEndOfDocument() override {}
  int linesInFrame() const override { return lines; }
  void setInfoText(const std::string& text) override { hint_ = text; }
  std::string infoText() const override { return hint_; }
  void toggleInfoTextColor() override {}
  void updatePercent() override {}
  void clearStatusMessage() override {}
  void showHeadingIcon() override {}
  void hideHeadingIcon() override {}
  void showPictureIcon() override {}
  void hidePictureIcon() override {}
  void showFastForwardIcon(NavIcon) override {}
  void setProgressPanelVisible(bool) override {}
  void moveProgressDot() override {}
  void setPauseItemCaption(const std::string&) override {}
  bool findBarOpen() const override { return false; }
  void closeFindBar() override {}
  bool isFullScreen() const override { return false; }
  // Nothing headless stores reading positions.
  void saveReadingPosition(std::int32_t) override {}
  void restoreReadingPosition() override {}
  void updateWordPosition(int) override {}

  int lines = 1;

private:
  std::string hint_;
};

} // namespace reader
