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
// the banner and page fades in tform1_fades.cpp, the reading modes, full
// screen and words per screen in tform1_modes.cpp, navigation, the progress
// dot and the marks in tform1_navigation.cpp, the status line, the hint and
// its blinking in tform1_status.cpp, keys and clicks in tform1_keys.cpp, the
// find bar in tform1_find.cpp, the menus' commands in tform1_menus.cpp, the
// focus tracking of the source window in tform1_focus.cpp.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/text_rules.h"
#include "platform/timer.h"
#include "reader/commands.h"
#include "reader/format_menu.h"
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

// What the window's menus reach beyond it: the dialogs (modal), the file
// dialog, the hand-over of a chosen file, the help file and the web site.
// A hook left empty does nothing.
struct ReaderHooks {
  // The options dialog on its page "General", "TextRules" or "AutoSkim".
  std::function<void(const std::string& page)> showOptions;
  std::function<void()> showSpeedSettings;
  std::function<void()> showWelcome;
  std::function<void()> showAbout;
  // The open dialog, starting in `folder` (empty: where it was last); the
  // chosen file, or nothing when the user cancels.
  std::function<std::optional<std::string>(const std::string& folder)> chooseFile;
  // The library folder, made when it is missing.
  std::function<std::string()> libraryFolder;
  // Hands the file to the reader as `lumetra FILE` does.
  std::function<void(const std::string& path)> openDocument;
  std::function<void()> openHelp;
  std::function<void()> openWebSite;
  // Hides the QuickLaunch window when the reader comes back over its source.
  std::function<void()> hideQuickLaunch;
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
  // what stays in the settings, the timers stop, and the window is no
  // longer shown nor follows a source window.
  void FormClose();

  // --- Reading loop (tform1_pacing.cpp) ---------------------------------------
  // One tick: a pending pause, the next frame, or the end of the document.
  void tmReadTimer();
  // Builds the next frame into FrameLines; false at the end of the document.
  bool readFrame();
  // Redraws the frame now built at full strength, with no fade, and brings
  // the position labels up to date.
  void writeCurrentFrame();
  // The drawing alone.
  void drawFullFrame();
  void beginReading();
  void treatEOF();
  void displayEOF();
  // Pause, continue or restart by readerState (Space, Enter, a click on the
  // strip, the popup item "Pause").
  void fevhStopOrContinue();
  // Reads again from the start of the document, at once.
  void fevhRestart();
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

  // --- Page fade of the column modes (tform1_fades.cpp) ----------------------------
  // Fades the page out in ten steps of 40 ms, then shows the page that starts
  // at CurrentPosition (after `pages` - 1 pages passed over unseen); nothing
  // when the page is at the end of the document.
  void initializeFade(int pages = 1);
  void tmFadeColumnTimer();
  void tmFadeStopTimer();
  // A page fade under way is dropped (a mode switch, a page read at once).
  void stopPageFade();

  // --- Status line and hint (tform1_status.cpp) -------------------------------------
  // The hint label (and the full-screen label); in Single mode the status
  // message makes room for it.
  void setInfoText(std::string_view text);
  const std::string& infoText() const;
  // The position text of panel 3, the progress bars and lastReadPosition.
  void UpdatePercent();
  void showHeadingIcon();
  void hideHeadingIcon();
  void showPictureIcon();
  void hidePictureIcon();
  // "Play", "Fast Forward", "Rewind" by kind in the banner modes; any other
  // kind clears a navigation message.
  void showFastForwardIcon(NavIcon kind);
  void hideFastForwardIcon();
  void clearStatusMessage();
  // A message that clears itself after tmHideInfo's second.
  void showTimedStatusMessage(const std::string& text);
  void tmHideInfoTimer();
  // Switches the hint's colour between black and the info colour.
  void toggleInfoTextColor();

  // --- Focus tracking (tform1_focus.cpp) --------------------------------------------
  // Every 100 ms: the reader follows its source window (hides when the user
  // goes elsewhere, comes back over the source with its frame or page), a
  // prepared document starts, and the halted hint blinks, 15 ticks in each
  // colour. With no source window only the start and the blinking happen.
  void tmFocusTimer();
  // The window was hidden: the frame is to be shown again on return, the
  // page drawn again, and the menu guard is lifted.
  void FormHide();

  // --- Navigation (tform1_navigation.cpp) ---------------------------------------------
  // Banner modes: the first frame at once; column modes: fade to the first page.
  void fevhGoToStart();
  // Banner modes: the last frame at once; column modes: fade to the last page.
  void fevhGoToEnd();
  // Back to the furthest point read ("Go To Last").
  void fevhGoToLast();
  // Column modes: fade to the next page.
  void fevhNextPage();
  // Banner modes: the next / previous frame (a sentence in Sentence mode) at
  // once, and reading goes on from there.
  void goForward(bool fromWheel);
  void goBackward(bool fromWheel);
  void goToNextFrame();
  void goToPreviousFrame();
  void stepFrame(bool forward);
  void goToNextSentence();
  void goToPreviousSentence();
  // Page Down and Page Up in the banner modes.
  void goToNextParagraph();
  void goToPreviousParagraph();
  // Column modes: one page back, three pages forward or back.
  void skipBack();
  void threePagesForward();
  void threePagesBack();
  // The L key: back to the furthest point read, at once in the banner
  // modes, with a page fade in the column modes.
  void lastKey();
  // Right, Left, Page Up or Page Down released: "Play", the dot placed.
  void navigationKeyUp();
  // Places the dots at the current position (not while one is dragged).
  void showOrangeDot();

  // --- The progress dots and marks (tform1_navigation.cpp) -------------------------------
  // `dot` is pbOrangeDot or pbOrangeDotC; x, y within the dot.
  void pbOrangeDotMouseDown(ControlId dot);
  void pbOrangeDotMouseMove(ControlId dot, int x, int y);
  void pbOrangeDotMouseUp(ControlId dot);
  void pbOrangeDotMouseEnter(ControlId dot);
  void pbOrangeDotMouseLeave(ControlId dot);
  // The mouse entered a start or end mark (pbGoToStartB ... pbGoToEndC).
  void markMouseEnter(ControlId mark);
  // A click on a hover highlight: the jump its hint names.
  void pbHighLightClick(ControlId highlight);
  void pbHighLightMouseLeave(ControlId highlight);
  void pbGoToStartBClick();
  void pbGoToEndBClick();
  void pbGoToStartCClick();
  void pbGoToEndCClick();
  // A click on the window itself (not on a control).
  void FormClick();
  // The wheel, one notch up or down.
  void FormMouseWheel(bool up);

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

  // --- Menus, popups, dialogs, files and help (tform1_menus.cpp) ---------------------
  void setHooks(ReaderHooks hooks) { hooks_ = std::move(hooks); }
  // A popup opens: the menu guard, the pause item's caption, reading halts.
  void pmBannerPopup();
  void pmColumnPopup();
  // The user moves over a menu item: Space or Enter then chooses it rather
  // than pausing or continuing the reading.
  void menuItemHighlighted() { rs_.menuGuard = true; }
  // "&Next Page" and "Go To &Last" of the column popup.
  bool columnPageItemsEnabled() const { return !page_.pageAtEnd; }
  const std::string& pauseCaption() const { return window_.pauseCaption; }
  // The popup's "&Pause": clears the guard, then pauses or continues.
  void Pause1Click();
  void imgAutoSkimClick();
  // AutoSkim items: -1 off, 0..4 the presets, 5 the custom list.
  void chooseAutoSkim(int level);
  bool autoSkimChecked(int level) const;
  void UpdateAutoSkimMenu();
  // Format, Color: the scheme's colours, the window repainted; the banner
  // modes go on reading with a new frame.
  void chooseColourScheme(std::size_t scheme);
  bool colourSchemeChecked(std::size_t scheme) const;
  // The Format menu brought up to date: in the banner modes reading resumes
  // with a new frame (the checks are read from the settings below).
  void UpdateFormatMenu();
  // Format, Font: both families take the item's; both fonts are rebuilt.
  void chooseFont(std::size_t item);
  bool fontChecked(std::size_t item) const;
  // Format, Size: the size index of the current mode's font.
  void chooseSize(std::size_t index);
  bool sizeChecked(std::size_t index) const;
  bool sizeShown(std::size_t index) const;
  bool sizeEnabled(std::size_t index) const;
  // Format, Alignment; the column modes lay the page out again at once.
  void chooseAlignment(AlignItem item);
  bool alignmentChecked(AlignItem item) const;
  bool alignmentShown(AlignItem item) const;
  bool readingModeChecked(engine::ReadingModeKind mode) const;
  // A popup is about to open on the window or on the strip: the fades and
  // the frame timer stop.
  void FormContextPopup();
  void pbBannerContextPopup();
  // An entry of "&Recent Files" (already moved to the top of the list):
  // the file is handed over as a chosen file is, and the focus timer runs again.
  void openRecentFile(const std::string& path);
  // A dialog command: reading halts, the dialog runs modally, then Paused.
  void runDialog(const std::function<void()>& dialog);
  void SpeedSettings1Click();
  // The popup's speed settings: reading resumes after the dialog.
  void SpeedSettings2Click();
  void showOptionsPage(const std::string& page);
  void WelcomeScreen1Click();
  void AboutLumetra1Click();
  // Open a file: from the main menu, from a popup, from the library folder.
  void OpenFile1Click();
  void OpenFile2Click();
  void Library1Click();
  void Help2Click();
  void LumetraontheWeb1Click();
  // Ctrl+S released: the first frame or page next.
  void ctrlSKeyUp();
  void fullScreenKey();

  // --- The find bar (tform1_find.cpp) ------------------------------------------------
  // "&Find Text", F, Ctrl+F: opens the bar (not in full screen); reading halts.
  void FindText1Click();
  // The edit box's text changed.
  void tbFindTextChange(const std::string& text);
  // Find Next (the button, Enter in the edit box): the next whole-word match
  // after the frame, shown highlighted.
  void pbFindNextClick();
  // Closes the bar and reads on from the match; `fromButton` restarts reading.
  void pbGoClick(bool fromButton = true);
  // Closes the bar and returns to where the search began.
  void pbCloseFindClick();
  void tmFindWrapTimer();
  bool findBarOpen() const { return window_.search.FindActive; }
  // Closes the bar, as Cancel does, when it is open.
  void closeFindBar();

  // Receives what the loop shows; nullptr for none.
  void setObserver(ReadingObserver* observer) { observer_ = observer; }

  // The timers, for looking at (tests, the timeline).
  const platform::Timer& readTimer() const { return *tmRead; }
  const platform::Timer& fadeInTimer() const { return *tmFadeIn; }
  const platform::Timer& startFadeTimer() const { return *tmStartFade; }
  const platform::Timer& fadeTimer() const { return *tmFade; }
  // A timer other than the focus timer runs: the reader has work to come.
  bool workScheduled() const;

private:
  bool rule(engine::TextRule r) const;
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
  void openFileFrom(const std::string& folder, bool prepareBannerStart);
  // After a Format command: the page laid out again, or reading resumed.
  void formatChanged();
  // The search repeated one step back: the match on screen is found and
  // shown highlighted again.
  void findMatchAgain();
  void savePosition(std::int32_t position);
  void restorePosition();
  void setStatusPanel(int index, std::string_view text);
  void readFromHere();
  void jumpToFrameAt();
  // The start of a paragraph jump in the banner modes: the pace and the
  // fades stop; false in the column modes, which have no paragraph jump.
  bool beginParagraphJump(NavIcon icon);
  void showSteppedFrame(bool read);
  void bannerStart();
  void bannerJumpTo(std::int32_t position);
  void columnGoToEnd();
  void columnPagesBack(int pages);
  void frameStepShown();
  bool isDot(ControlId id) const;
  void blinkHint();
  bool sourceWindowSet() const;
  bool sourceWindowShown();
  bool sourceWindowOffScreen();
  bool readerInFront(platform::WindowId foreground);
  void followSourceInBanner(platform::WindowId foreground);
  void followSourceInColumns(platform::WindowId foreground);
  void leaveInBanner();
  void returnInBanner();
  void showReader();
  void hideReader();

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
  platform::Desktop& desktop_;
  acquisition::AcquisitionState& acquisition_;
  DocumentPlace place_;
  ReadingObserver* observer_ = nullptr;
  ReaderHooks hooks_;

  // What the position text was last built from: a tick that moves the
  // position by less than a percent shows the same text without building it.
  struct PositionTextInputs {
    std::int64_t percent = -1;
    bool findBarOpen = false;
    engine::ReadingModeKind mode = engine::ReadingModeKind::Banner;
    int speed = 0, lines = 0, words = 0;
    bool operator==(const PositionTextInputs&) const = default;
  };
  PositionTextInputs positionInputs_;
  std::string positionText_;
  // What the effective speed was last worked out from: every frame asks for
  // it, and it changes only with the speed, the mode, the layout or a rule.
  struct SpeedInputs {
    int speed = -1;
    bool sentence = false, sentenceDelay = false, paragraphDelay = false, combine = false;
    int lines = 0, words = 0;
    bool operator==(const SpeedInputs&) const = default;
  };
  SpeedInputs speedInputs_;
  std::int16_t effectiveWordsPerMinute_ = 0;

  std::unique_ptr<platform::Timer> tmRead;
  std::unique_ptr<platform::Timer> tmFadeIn;
  std::unique_ptr<platform::Timer> tmStartFade;
  std::unique_ptr<platform::Timer> tmFade;
  std::unique_ptr<platform::Timer> tmFadeColumn;
  std::unique_ptr<platform::Timer> tmFadeStop;
  std::unique_ptr<platform::Timer> tmHideInfo;
  std::unique_ptr<platform::Timer> tmFocus;
  // One second after "not found": the offer to search from the start.
  std::unique_ptr<platform::Timer> tmFindWrap;
};

} // namespace reader
