// The screen side of the reader window as TForm1 sees it: laying out the
// controls for a mode or for full screen, drawing the strip and the column
// pages, the hint label, the status line and the progress panel. TForm1 keeps
// every handler and asks the view for each visible effect; the view never
// calls back. ReaderWindow draws on a real surface; SilentView draws nothing
// (the headless runs), and tests record. All text is code page 1252.
//
// ReadingObserver receives what the reading loop and the frame steps show and
// when; the timeline and tests use it, the program need not.
#pragma once

#include <cstdint>
#include <string>

#include "platform/desktop.h"
#include "reader/layout_state.h"
#include "reader/reading_state.h"

namespace reader {

class ReaderView {
public:
  virtual ~ReaderView() = default;

  // --- Layout -----------------------------------------------------------------
  // Line spacing and both fonts from the settings.
  virtual void prepareFonts() = 0;
  // The current mode's geometry, fonts, window colour and lines per frame,
  // applied to the window (arrangeControls).
  virtual void arrangeControls() = 0;
  virtual void buildBannerFont() = 0;
  // Full screen: the window takes the whole screen in black, the strip or the
  // columns centred, the hint and the percentage on the black labels.
  virtual void showFullScreen() = 0;
  // The full-screen places of the current mode, after a mode switch.
  virtual void placeFullScreen() = 0;
  // Back to the bordered window with its menu, top bar and status bar.
  virtual void showNormalWindow() = 0;
  virtual void closeWindow() = 0;

  // --- The window on the desktop ---------------------------------------------------
  // Shows the window again above the others, without taking the focus.
  virtual void showWindow() = 0;
  // Hides the window; it keeps what it shows for showWindow.
  virtual void hideWindow() = 0;
  virtual bool windowShown() const = 0;
  // The window's id on the desktop; platform::NoWindow while it has none.
  virtual platform::WindowId windowId() const = 0;

  // --- The strip (banner modes) -------------------------------------------------
  // Draws the frame in FrameLines at `fadeLevel` (0..10, 10 = full strength).
  virtual void drawFrame(int fadeLevel) = 0;
  // Fills the strip with its own colour.
  virtual void clearFrame() = 0;
  // Redraws the frame whole and at full strength, as when reading pauses.
  virtual void displayOnActivate() = 0;
  // Draws "End  of  Document" where the current mode shows it.
  virtual void drawEndOfDocument() = 0;
  // LinesInFrame for the next banner frame: the lines of the banner font that
  // fit in the strip, limited by LinesPerScreen in Banner mode and to 4 in
  // Sentence mode (the layout's setNumerOfLines).
  virtual int linesInFrame() const = 0;

  // --- Frame steps (banner modes) ---------------------------------------------------
  // The strip's font at its condensed size (bold with a bold banner font) and
  // LinesInFrame for it, before a frame step reads its frame; buildBannerFont
  // goes back to the usual font.
  virtual void useCondensedFont() = 0;
  // Draws the frame a step has just read in the condensed font, as a forward
  // or a backward step.
  virtual void drawCondensedFrame(bool forward) = 0;

  // --- The columns (column modes) -------------------------------------------------
  // Counts a page turn, builds the page from CurrentPosition and draws it;
  // false when the page was already at the end and nothing was read.
  virtual bool readColumnFrame() = 0;
  // Builds and draws the page on screen again from its start; false as above.
  virtual bool readCurrentFrame() = 0;
  // Counts a page turn and builds the page from CurrentPosition without
  // drawing it (a page passed over); false when the page was at the end.
  virtual bool skipColumnPage() = 0;
  // Draws the page on screen at `fadeLevel` (the page fade).
  virtual void drawPage(int fadeLevel) = 0;
  // The start of the page whose layout ends where a page starting at `start`
  // begins; 1 at the start of the document.
  virtual std::int32_t previousPageStart(std::int32_t start) = 0;
  // Width of `letter` in the column font, at least 1.
  virtual int columnLetterWidth(char letter) const = 0;

  // --- Hint label ------------------------------------------------------------
  // Shows the text on lbInfo (and on lbBlackInfo in full screen); a text that
  // is not empty makes the label visible.
  virtual void setInfoText(const std::string& text) = 0;
  virtual void hideInfoText() = 0;
  // Black, or the system info-text colour.
  virtual void setInfoTextColor(bool black) = 0;

  // --- Status line -----------------------------------------------------------
  // Panel 1 (messages) or panel 3 (position).
  virtual void setStatusText(int panel, const std::string& text) = 0;
  // The whole percentage on the full-screen label and the progress bars at
  // `barPosition` (0..10000): pbarBanner always, pbarColumn in the column modes.
  virtual void showProgress(std::int64_t percent, int barPosition) = 0;

  // --- Progress panel, dots, marks, find bar ------------------------------------------
  virtual void setProgressPanelVisible(bool visible) = 0;
  // Puts both dots where the layout's geometry places them.
  virtual void placeProgressDots() = 0;
  // A dot shows its hover picture ("orangedotmo") while the mouse is over it.
  virtual void setDotHover(ControlId dot, bool over) = 0;
  // A start or end mark's hint and cursor (hand, else arrow).
  virtual void setMarkHint(ControlId mark, const std::string& hint, bool handCursor) = 0;
  // Shows or hides a hover highlight at the place the layout's geometry gives it.
  virtual void showHighlight(ControlId highlight, bool shown) = 0;
  // Shows or hides the find bar on the status line: the edit box with its
  // text selected and focused and the three buttons; in Double mode the hint
  // label moves to the right of the bar while it is shown.
  virtual void showFindBar(bool shown) = 0;
  // Draws the frame built around a match (FrameLines, the match marked by
  // HighlightToken) with the match in swapped colours: on the strip in the
  // banner modes, in the first column in the column modes.
  virtual void drawFindFrame() = 0;
  // The AutoSkim button's picture, "autoskim_on" or "autoskim_off".
  virtual void setAutoSkimPicture(bool on) = 0;
};

// What the reading loop reports as it goes. Every call comes after the state
// it reports on is complete: FrameLines, FrameStartPosition and
// CurrentPosition hold the new frame, and tmRead its interval.
class ReadingObserver {
public:
  virtual ~ReadingObserver() = default;
  // A frame was built by a tick or a navigation step and is being drawn now.
  // `words` is the count given to setFrameTiming for it, `interval` the
  // interval that set.
  virtual void frameShown(std::int32_t words, int interval) = 0;
  // A sentence or paragraph pause of `interval` ms begins.
  virtual void pauseStarted(int interval) = 0;
  // The end of the document was reached and reading stopped there.
  virtual void documentEnded() = 0;
};

} // namespace reader
