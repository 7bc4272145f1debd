// TForm1, the reader window's handlers: every event of the window — a tick of
// one of its timers, a key, a click, a menu command — arrives here and is
// handled on the reader's state. TForm1 decides; ReaderView shows.
//
// Contract: TForm1 holds no reading state of its own beyond its timers (made
// from the given factory, so that the same code runs on Qt timers and on the
// virtual clock); it works on the ReaderContext it is given and reaches the
// screen only through its ReaderView, and the document's saved position only
// through its DocumentPlace. All handlers run on one thread and may call each
// other directly, as the timers' handlers do.
//
// The handlers are split by concern: the reading loop in tform1_pacing.cpp,
// the banner fades in tform1_fades.cpp, the reading modes, full screen and
// words per screen in tform1_modes.cpp, keys and clicks in tform1_keys.cpp.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/timer.h"
#include "reader/commands.h"
#include "reader/hints.h"
#include "reader/reader_context.h"
#include "reader/reader_view.h"

namespace reader {

// Interval that parks the frame timer while a faded frame holds.
inline constexpr int ParkedReadInterval = 1000000;

// The document's place in the world beyond the window. Without hooks the
// position is kept in, and taken from, the settings' table of documents.
struct DocumentPlace {
  // Stores `position` as the document's reading position.
  std::function<void(std::int32_t position)> savePosition;
  // Moves the reading position to the document's saved position.
  std::function<void()> restorePosition;
  // Shows the table or picture of GraphicPositions entry `index` in the source.
  std::function<void(int index)> updateWordPosition;
};

class TForm1 {
public:
  // Makes the timers and hands the engine its setFrameTiming callback. The
  // context and the view must outlive the window.
  TForm1(const ReaderContext& context, platform::TimerFactory& timers, ReaderView& view,
         DocumentPlace place = {});
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // --- The window (tform1_modes.cpp) ----------------------------------------------
  // The window is shown: fonts, spacing, layout, then the stored mode.
  void FormShow();
  // The window closes: full screen is left so that the user's colours are
  // what stays in the settings, and the timers stop.
  void FormClose();

  // --- Reading loop (tform1_pacing.cpp) ---------------------------------------
  // One tick: a pending pause, the next frame, or the end of the document.
  void tmReadTimer();
  // Builds the next frame into FrameLines; false at the end of the document.
  bool readFrame();
  // Redraws the frame now built at full strength, with no fade.
  void writeCurrentFrame();
  void beginReading();
  void treatEOF();
  void displayEOF();
  // Pause, continue or restart by readerState (Space, Enter, a click on the
  // strip, the popup item "Pause").
  void fevhStopOrContinue();
  // Reads again from the start of the document, at once.
  void fevhRestart();
  // Banner modes: the first frame of the document comes with the next tick,
  // at once.
  void fevhGoToStart();
  void updateLabels();
  bool isBannerRunning() const;
  // Sets tmRead's interval for a frame of `words` words (0: the next tick at
  // once). The engine calls it too.
  void setFrameTiming(std::int32_t words);
  void updateEffectiveSpeed();
  // LinesInFrame for the next banner frame, as the view's layout computes it,
  // at least 1 and at most 5.
  void setNumerOfLines();

  // --- Speed steps -------------------------------------------------------------
  // The menus' "Increase Speed" / "Decrease Speed": +-10 within 10..3000.
  void increaseSpeed();
  void decreaseSpeed();
  // The Up and Down arrows in the banner modes: +10 only below 2991, -10 only
  // above 10; an Automatic layout follows the new speed.
  void speedUpKey();
  void speedDownKey();

  // --- Menus ---------------------------------------------------------------------
  // A menu of the window opens: reading halts and the fade-out may not start.
  void enterMenuLoop();
  // The menu closed: the block is lifted and reading resumes.
  void exitMenuLoop();

  // --- A new document ------------------------------------------------------------
  // The window is activated in a banner mode after a hand-over: with AutoStart
  // the reading starts on the next focus tick, without it the first frame waits
  // for Space.
  void prepareStart(bool autoStart);
  // The focus-timer step that follows prepareStart: starts reading
  // (readerState Starting) or shows the first frame with the start hint
  // (startPending). Does nothing otherwise.
  void startPreparedDocument();

  // --- Banner fades (tform1_fades.cpp) -----------------------------------------
  // Clears the strip and starts fading the new frame in.
  void startFadeIn();
  // tmFade and tmFadeIn off; level 10; both fades finished.
  void stopTimers();
  void tmFadeInTimer();
  void tmStartFadeTimer();
  void tmFadeTimer();
  // Length of one fade step in ms for the current mode and speed.
  int fadeStepLength() const;

  // --- Reading modes, full screen, words per screen (tform1_modes.cpp) -----------
  void imgSingleColumnClick();
  void imgDoubleColumnClick();
  void imgBannerReaderClick();
  void imgSentenceReaderClick();
  // Next mode: Banner -> Sentence -> Single -> Double -> Banner; in full
  // screen the new mode is full screen again.
  void nextMode();
  void enterFullScreen();
  void leaveFullScreen();
  // The full-screen colours replace the user's four colours while full screen
  // lasts; the user's are kept in the layout state.
  void saveOriginalSettings();
  void restoreOriginalSettings();
  // Runs `work` (a save of the settings) with the user's colours in the
  // settings, also in full screen.
  void withUserColours(const std::function<void()>& work);
  // The words-per-screen submenu: item 0 "Automatic", 1..12 the layouts.
  void SetWPSLPS();
  void chooseWordsPerScreen(std::size_t item);
  bool wordsPerScreenChecked(std::size_t item) const;

  // --- Pages of the column modes ------------------------------------------------------
  // The next page from CurrentPosition, then the graphic check of the page.
  void readColumnFrame();
  // The page on screen read again, then the graphic check.
  void readCurrentFrame();

  // --- Keys and clicks (tform1_keys.cpp) ------------------------------------------
  // The key table; true when the key gave a command.
  bool FormKeyDown(KeyStroke key);
  bool FormKeyUp(KeyStroke key);
  // Runs a command of the table.
  void runCommand(const Command& command);
  // The column modes' next page (Space, Enter, a click on a column).
  void nextPageKey();
  // Escape: the find bar, else full screen, else the window closes.
  void escapeKey();
  void Exit2Click();

  // Receives what the loop shows; nullptr for none.
  void setObserver(ReadingObserver* observer) { observer_ = observer; }

  // The timers, for looking at (tests, the timeline).
  const platform::Timer& readTimer() const { return *tmRead; }
  const platform::Timer& fadeInTimer() const { return *tmFadeIn; }
  const platform::Timer& startFadeTimer() const { return *tmStartFade; }
  const platform::Timer& fadeTimer() const { return *tmFade; }

private:
  bool rule(int index) const;
  bool bannerMode() const;
  bool sentenceModeSelected() const;
  // The pause check of a tick; true when this tick is a pause.
  bool pauseTick();
  bool sentencePause();
  void blankFrame();
  bool readBannerFrame();
  bool readSentenceFrame();
  void showGraphicNearPosition();
  void showGraphicOnPage();
  void switchToColumns(engine::ReadingModeKind mode);
  void switchToBanner(engine::ReadingModeKind mode);
  void setPauseItemCaption(const char* caption);
  void savePosition(std::int32_t position);
  void restorePosition();

  engine::SettingsRecord& settings_;
  engine::EngineState& es_;
  engine::TextEngine& engine_;
  ReadingState& rs_;
  FadeState& fade_;
  LayoutState& layout_;
  PageModel& page_;
  WindowState& window_;
  const AutomaticTable& automatic_;
  platform::TimerFactory& timers_;
  ReaderView& view_;
  DocumentPlace place_;
  ReadingObserver* observer_ = nullptr;

  std::unique_ptr<platform::Timer> tmRead;
  std::unique_ptr<platform::Timer> tmFadeIn;
  std::unique_ptr<platform::Timer> tmStartFade;
  std::unique_ptr<platform::Timer> tmFade;
};

} // namespace reader
