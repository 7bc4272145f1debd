// A reader view that shows nothing, for running the reading loop without a
// screen (the pacing benchmark) and as the base of the tests' recording
// views. It keeps the hint text, because the reading loop reads it back, and
// offers a fixed number of lines per frame unless a subclass measures them.
#pragma once

#include <string>

#include "reader/reader_view.h"

namespace reader {

class SilentView : public ReaderView {
public:
  void prepareFonts() override {}
  void arrangeControls() override {}
  void buildBannerFont() override {}
  void showFullScreen() override {}
  void placeFullScreen() override {}
  void showNormalWindow() override {}
  void closeWindow() override {}
  void drawFrame(int) override {}
  void clearFrame() override {}
  void displayOnActivate() override {}
  void drawEndOfDocument() override {}
  int linesInFrame() const override { return lines; }
  bool readColumnFrame() override { return false; }
  bool readCurrentFrame() override { return false; }
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
  bool findBarOpen() const override { return false; }
  void closeFindBar() override {}

  int lines = 1;

private:
  std::string hint_;
};

} // namespace reader
