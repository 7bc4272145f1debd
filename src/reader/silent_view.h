// A reader view that shows nothing, for running the reading loop without a
// screen (the pacing benchmark) and as the base of the timeline's and the
// tests' recording views. It builds no pages and offers a fixed number of
// lines per frame unless a subclass does better.
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
  void showWindow() override { shown = true; }
  void hideWindow() override { shown = false; }
  bool windowShown() const override { return shown; }
  platform::WindowId windowId() const override { return id; }
  void drawFrame(int) override {}
  void clearFrame() override {}
  void displayOnActivate() override {}
  void drawEndOfDocument() override {}
  int linesInFrame() const override { return lines; }
  void useCondensedFont() override {}
  void drawCondensedFrame(bool) override {}
  bool readColumnFrame() override { return false; }
  bool readCurrentFrame() override { return false; }
  bool skipColumnPage() override { return false; }
  void drawPage(int) override {}
  std::int32_t previousPageStart(std::int32_t) override { return 1; }
  int columnLetterWidth(char) const override { return 1; }
  void setInfoText(const std::string&) override {}
  void hideInfoText() override {}
  void setInfoTextColor(bool) override {}
  void setStatusText(int, const std::string&) override {}
  void showProgress(std::int64_t, int) override {}
  void setProgressPanelVisible(bool) override {}
  void placeProgressDots() override {}
  void setDotHover(ControlId, bool) override {}
  void setMarkHint(ControlId, const std::string&, bool) override {}
  void showHighlight(ControlId, bool) override {}
  void showFindBar(bool) override {}
  void drawFindFrame() override {}
  void setAutoSkimPicture(bool) override {}

  int lines = 1;
  // The window as the desktop would know it.
  bool shown = true;
  platform::WindowId id = platform::NoWindow;
};

} // namespace reader
