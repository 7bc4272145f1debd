// The reader window's layout and drawing half: the mode switches, the
// geometry of every control per mode, the words-per-screen commands, full
// screen, the banner frame and the column page, the progress bars and the
// status line. It is the ReaderView through which TForm1's reading loop draws,
// and it calls TForm1 for everything that belongs to the loop (timers, pause,
// continue). It reaches the screen only through a WindowSurface.
//
// Contract: holds no state of its own beyond the controls it places; the
// state structs it is given are made once by the caller and outlive it.
// attachForm must be called before any handler runs.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "controls/al_progress_bar.h"
#include "controls/my_image.h"
#include "controls/my_status_bar.h"
#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"
#include "reader/fade_state.h"
#include "reader/layout_state.h"
#include "reader/page_model.h"
#include "reader/reader_view.h"
#include "reader/reading_state.h"
#include "reader/window_surface.h"
#include "reader/words_per_screen.h"

namespace reader {

class TForm1;

inline constexpr const char* HintNextPage = "Press Spacebar, PgDn or click for Next Page";
inline constexpr const char* HintEscape = "Press Escape to revert to normal...";

// What the window shows besides the frame: the hint, the status panels and
// the furthest point read.
struct WindowState {
  std::string hint;
  std::array<std::string, 4> statusPanels;
  std::int32_t lastReadPosition = -1;
  bool infoTextBlack = true;
  // The last condensed drawing was a forward step.
  bool condensedForward = true;
  // The page is being drawn again at full strength (a repaint, not a fade).
  bool pageFadeUnfinished = false;
};

// Keys the window handles itself; the full key table comes with the menus.
enum class ReaderKey { Space, Enter, Tab, Escape, Other };

struct ReaderWindowState {
  engine::SettingsRecord& settings;
  engine::EngineState& engine;
  engine::TextEngine& textEngine;
  ReadingState& reading;
  FadeState& fade;
  LayoutState& layout;
  PageModel& page;
  WindowState& window;
  const AutomaticTable& automatic;
  // Remembers the reading position of the document; absent = stored under
  // DocumentName. The program passes the hand-over's rule, which never
  // remembers captured documents.
  std::function<void(std::int32_t position)> savePosition = {};
};

class ReaderWindow : public ReaderView {
public:
  ReaderWindow(ReaderWindowState state, WindowSurface& surface);
  ~ReaderWindow() override;
  ReaderWindow(const ReaderWindow&) = delete;
  ReaderWindow& operator=(const ReaderWindow&) = delete;

  void attachForm(TForm1& form) { form_ = &form; }

  // The window is shown: fonts, spacing, layout, then the stored mode.
  void FormShow();

  // --- Reading modes --------------------------------------------------------------
  void imgSingleColumnClick();
  void imgDoubleColumnClick();
  void imgBannerReaderClick();
  void imgSentenceReaderClick();
  void Single1Click() { imgSingleColumnClick(); }
  void Double1Click() { imgDoubleColumnClick(); }
  void Banner1Click() { imgBannerReaderClick(); }
  void Sentence1Click() { imgSentenceReaderClick(); }

  void arrangeControls();
  void setNumerOfLinesNow();
  int calculateNoOfLines();
  void calculateBannerSize() { buildBannerFont(); }
  void buildBannerFont();
  void buildColumnFont();
  void loadModeButtonImages();

  // --- Words per screen -------------------------------------------------------------
  void SetWPSLPS();
  void LetLumetrachoosewordsperscreen1Click();
  void N1x11Click() { chooseItem(1); }
  void N1x21Click() { chooseItem(2); }
  void N1x31Click() { chooseItem(3); }
  void N1x41Click() { chooseItem(4); }
  void N1x51Click() { chooseItem(5); }
  void N1x61Click() { chooseItem(6); }
  void N2x32lines1Click() { chooseItem(7); }
  void N2x41Click() { chooseItem(8); }
  void N2x51Click() { chooseItem(9); }
  void N2x61Click() { chooseItem(10); }
  void N3x53lines1Click() { chooseItem(11); }
  void N3x61Click() { chooseItem(12); }
  // The check marks of "&Words per Screen", refreshed by UpdateSpeedMenu.
  void UpdateSpeedMenu();
  const std::array<bool, WordsPerScreenItemCount>& speedMenuChecks() const { return speedChecks_; }

  // --- Full screen ------------------------------------------------------------------
  void imgFullScreenClick() { enterFullScreen(); }
  void FullScreen1Click() { enterFullScreen(); }
  void pbCloseFullScreenClick() { leaveFullScreen(); }
  void enterFullScreen();
  void leaveFullScreen();
  void saveOriginalSettings();
  void restoreOriginalSettings();

  // --- Drawing ----------------------------------------------------------------------
  void drawText(const char* tag, int fadeLevel);
  void clearText();
  void pbBannerPaint();
  void pbColumnPaint();
  void readFromPoint();
  void readColumnFrame();
  void readCurrentFrame();
  void drawTextColumn(const char* tag);
  void UpdatePercent();
  void setInfoText(const std::string& text) override;
  void setProgressBarColor();

  // --- Keys -------------------------------------------------------------------------
  void FormKeyDown(ReaderKey key);
  // Next mode: Banner -> Sentence -> Single -> Double -> Banner.
  void nextMode();

  // --- ReaderView ----------------------------------------------------------------------
  void drawFrame(int fadeLevel) override;
  void clearFrame() override { clearText(); }
  void displayOnActivate() override;
  void drawEndOfDocument() override;
  int linesInFrame() const override;
  std::string infoText() const override { return w_.hint; }
  void toggleInfoTextColor() override;
  void updatePercent() override { UpdatePercent(); }
  void clearStatusMessage() override { setStatusPanel(1, ""); }
  void showHeadingIcon() override;
  void hideHeadingIcon() override;
  void showPictureIcon() override { setStatusPanel(1, "Graphic detected"); }
  void hidePictureIcon() override;
  void showFastForwardIcon(NavIcon kind) override;
  void setProgressPanelVisible(bool visible) override;
  void moveProgressDot() override;
  void setPauseItemCaption(const std::string& caption) override { pauseCaption_ = caption; }
  bool findBarOpen() const override { return false; }
  void closeFindBar() override {}
  bool isFullScreen() const override { return s_.layout.fullScreen; }
  void saveReadingPosition(std::int32_t position) override;
  void restoreReadingPosition() override;
  void updateWordPosition(int) override {}

  const std::string& pauseCaption() const { return pauseCaption_; }
  controls::TALProgressBar& pbarBanner() { return *pbarBanner_; }
  controls::TALProgressBar& pbarColumn() { return *pbarColumn_; }
  controls::TMyStatusBar& statusBar() { return *statusBar_; }
  // The inputs a page is built from in the current layout.
  PageInputs pageInputs(ColumnLineSource& source);

private:
  bool bannerMode() const;
  void switchToColumns(engine::ReadingModeKind mode);
  void switchToBanner(engine::ReadingModeKind mode);
  void chooseItem(std::size_t item);
  void setStatusPanel(int index, const std::string& text);
  void applyGeometry();
  void placeControls();
  void redrawPage();
  platform::Rect box(ControlId id) const;

  ReaderWindowState s_;
  WindowState& w_;
  WindowSurface& surface_;
  TForm1* form_ = nullptr;
  std::string pauseCaption_ = "Pause";
  std::array<bool, WordsPerScreenItemCount> speedChecks_{};

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
};

} // namespace reader
