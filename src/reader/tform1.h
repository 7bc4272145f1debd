// TForm1, the reader window's logic apart from its widget: the reading loop
// that shows one frame after another at the chosen speed, the banner fades,
// pause / continue / restart, the end of the document and the speed steps.
//
// Contract: TForm1 holds no reading state of its own; it works on the
// settings record, the engine state, the reading state and the fade state it
// is given, through its own platform::Timers (made from the given factory, so
// that the same code runs on Qt timers and on the virtual clock) and a
// ReaderView for everything visible. All handlers run on one thread and may
// call each other directly, as the timers' handlers do.
//
// The pacing handlers live in tform1_pacing.cpp, the fade handlers in
// tform1_fades.cpp; the layout and drawing of the window live in
// ReaderWindow (reader_window.h), which is the ReaderView TForm1 draws through.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"
#include "platform/timer.h"
#include "reader/fade_state.h"
#include "reader/reader_view.h"
#include "reader/reading_state.h"

namespace reader {

// Hints of the reading loop, as the window shows them.
inline constexpr const char* HintStart = "Press Spacebar or Click to Start !";
inline constexpr const char* HintContinue = "Press Spacebar or Click to Continue !";
inline constexpr const char* HintRestart = "Press Spacebar to Restart !";

// Interval that parks the frame timer while a faded frame holds.
inline constexpr int ParkedReadInterval = 1000000;

class TForm1 {
public:
  // Makes the timers and hands the engine its setFrameTiming callback. The
  // references must outlive the window.
  TForm1(engine::SettingsRecord& settings, engine::EngineState& engineState,
         engine::TextEngine& textEngine, ReadingState& reading, FadeState& fade,
         platform::TimerFactory& timers, ReaderView& view);
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

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

  // Receives what the loop shows; nullptr for none.
  void setObserver(ReadingObserver* observer) { observer_ = observer; }

  // The window's timers.
  std::unique_ptr<platform::Timer> tmRead;
  std::unique_ptr<platform::Timer> tmFadeIn;
  std::unique_ptr<platform::Timer> tmStartFade;
  std::unique_ptr<platform::Timer> tmFade;

private:
  bool rule(int index) const;
  bool sentenceModeSelected() const;
  // The pause check of a tick; true when this tick is a pause.
  bool pauseTick();
  bool sentencePause();
  void blankFrame();
  bool readBannerFrame();
  bool readSentenceFrame();
  void showGraphicNearPosition();

  engine::SettingsRecord& settings_;
  engine::EngineState& es_;
  engine::TextEngine& engine_;
  ReadingState& rs_;
  FadeState& fade_;
  platform::TimerFactory& timers_;
  ReaderView& view_;
  ReadingObserver* observer_ = nullptr;
};

} // namespace reader
