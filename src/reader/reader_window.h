// ReaderWindow, the reader window's layout and drawing: the geometry of every
// control per mode and in full screen, the fonts, the banner frame and the
// column page, the progress bars and the status line. It is the ReaderView
// through which TForm1 shows everything, and it reaches the screen only
// through a WindowSurface. It decides nothing about reading and never calls
// TForm1.
//
// Contract: it owns the custom controls it places (the status bar, the
// progress bars, the dots and the marks) and nothing else; the state in its
// context is made once by the caller and outlives it. The surface must not
// use the controls after the window is gone: a surface is destroyed (or
// detached) first.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "controls/al_progress_bar.h"
#include "controls/my_image.h"
#include "controls/my_status_bar.h"
#include "reader/page_model.h"
#include "reader/reader_context.h"
#include "reader/reader_view.h"
#include "reader/window_surface.h"

namespace reader {

class ReaderWindow : public ReaderView {
public:
  ReaderWindow(const ReaderContext& context, WindowSurface& surface);
  ~ReaderWindow() override;
  ReaderWindow(const ReaderWindow&) = delete;
  ReaderWindow& operator=(const ReaderWindow&) = delete;

  // --- ReaderView: layout ---------------------------------------------------------
  void prepareFonts() override;
  void arrangeControls() override;
  void buildBannerFont() override;
  void showFullScreen() override;
  void placeFullScreen() override;
  void showNormalWindow() override;
  void closeWindow() override { surface_.closeWindow(); }
  void showWindow() override { surface_.showWithoutFocus(); }
  void hideWindow() override { surface_.hideWindow(); }
  bool windowShown() const override { return surface_.windowShown(); }
  platform::WindowId windowId() const override { return surface_.windowId(); }

  // --- ReaderView: the strip --------------------------------------------------------
  void drawFrame(int fadeLevel) override;
  void clearFrame() override;
  void displayOnActivate() override;
  void drawEndOfDocument() override;
  int linesInFrame() const override;

  // --- ReaderView: frame steps -------------------------------------------------------------
  void useCondensedFont() override;
  void drawCondensedFrame(bool forward) override;

  // --- ReaderView: the columns --------------------------------------------------------
  bool readColumnFrame() override;
  bool readCurrentFrame() override;
  bool skipColumnPage() override;
  void drawPage(int fadeLevel) override;
  std::int32_t previousPageStart(std::int32_t start) override;
  int columnLetterWidth(char letter) const override;

  // --- ReaderView: hint, status line, progress panel, dots and marks --------------------
  void setInfoText(const std::string& text) override;
  void hideInfoText() override;
  void setInfoTextColor(bool black) override;
  void setStatusText(int panel, const std::string& text) override;
  void showProgress(std::int64_t percent, int barPosition) override;
  void setProgressPanelVisible(bool visible) override;
  void placeProgressDots() override;
  void setDotHover(ControlId dot, bool over) override;
  void setMarkHint(ControlId mark, const std::string& hint, bool handCursor) override;
  void showHighlight(ControlId highlight, bool shown) override;
  void showFindBar(bool shown) override;
  void drawFindFrame() override;
  void setAutoSkimPicture(bool on) override {
    surface_.setPicture(ControlId::imgAutoSkim, on ? "autoskim_on" : "autoskim_off");
  }

  // --- Painting on request (the surface repaints a box) ----------------------------------
  void pbBannerPaint();
  void pbColumnPaint();

  controls::TALProgressBar& pbarBanner() { return *pbarBanner_; }
  controls::TALProgressBar& pbarColumn() { return *pbarColumn_; }
  controls::TMyStatusBar& statusBar() { return *statusBar_; }
  controls::TMyImage& orangeDot() { return *pbOrangeDot_; }
  controls::TMyImage& orangeDotC() { return *pbOrangeDotC_; }
  // A start or end mark (pbGoToStartB ... pbGoToEndC).
  controls::TMyImage& mark(ControlId id);
  // The inputs a page is built from in the current layout.
  PageInputs pageInputs(ColumnLineSource& source);

private:
  bool bannerMode() const;
  void buildColumnFont();
  void loadModeButtonImages();
  void setNumerOfLinesNow();
  int calculateNoOfLines();
  void setProgressBarColor();
  void drawText(int fadeLevel);
  void readFromPoint();
  void redrawPage();
  void applyGeometry();
  void updateLinesPerPage();
  void placeControls();
  platform::Rect box(ControlId id) const;

  ReaderContext s_;
  WindowState& w_;
  WindowSurface& surface_;

  std::unique_ptr<controls::TALProgressBar> pbarBanner_;
  std::unique_ptr<controls::TALProgressBar> pbarColumn_;
  std::unique_ptr<controls::TMyStatusBar> statusBar_;
  std::unique_ptr<controls::TMyImage> pbOrangeDot_;
  std::unique_ptr<controls::TMyImage> pbOrangeDotC_;
  std::unique_ptr<controls::TMyImage> pbGoToStartB_;
  std::unique_ptr<controls::TMyImage> pbGoToEndB_;
  std::unique_ptr<controls::TMyImage> pbGoToStartC_;
  std::unique_ptr<controls::TMyImage> pbGoToEndC_;
  std::unique_ptr<EngineColumnLineSource> lineSource_;
  // Where the hint label was before the find bar moved it (Double mode).
  std::optional<platform::Rect> hintBeforeFind_;
};

} // namespace reader
