// The screen side of the reader window as TForm1 sees it: laying out the
// controls for a mode or for full screen, drawing the strip and the column
// pages, the hint label, the status line and the progress panel. TForm1 keeps
// every handler and asks the view for each visible effect; the view never
// calls back. ReaderWindow draws on a real surface; SilentView draws nothing
// (the headless runs), and tests record. All text is code page 1252.
//
// ReadingObserver receives what the reading loop shows and when; the timeline
// and tests use it, the program need not.
#pragma once

#include <cstdint>
#include <string>

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

  // --- The columns (column modes) -------------------------------------------------
  // Counts a page turn, builds the page from CurrentPosition and draws it;
  // false when the page was already at the end and nothing was read.
  virtual bool readColumnFrame() = 0;
  // Builds and draws the page on screen again from its start; false as above.
  virtual bool readCurrentFrame() = 0;

  // --- Hint label ------------------------------------------------------------
  virtual void setInfoText(const std::string& text) = 0;
  virtual std::string infoText() const = 0;
  // Switches the hint's text colour between the system info colour and black.
  virtual void toggleInfoTextColor() = 0;

  // --- Status line -----------------------------------------------------------
  // Position text and progress bars.
  virtual void updatePercent() = 0;
  // Clears the status message panel.
  virtual void clearStatusMessage() = 0;
  virtual void showHeadingIcon() = 0;
  virtual void hideHeadingIcon() = 0;
  virtual void showPictureIcon() = 0;
  virtual void hidePictureIcon() = 0;
  virtual void showFastForwardIcon(NavIcon kind) = 0;

  // --- Progress panel, find bar --------------------------------------------------
  virtual void setProgressPanelVisible(bool visible) = 0;
  virtual void moveProgressDot() = 0;
  virtual bool findBarOpen() const = 0;
  virtual void closeFindBar() = 0;
};

// What the reading loop reports as it goes. Every call comes after the state
// it reports on is complete: FrameLines, FrameStartPosition and
// CurrentPosition hold the new frame, and tmRead its interval.
class ReadingObserver {
public:
  virtual ~ReadingObserver() = default;
  // A frame was built by a tick and is being drawn now. `words` is the count
  // given to setFrameTiming for it, `interval` the interval that set.
  virtual void frameShown(std::int32_t words, int interval) = 0;
  // A sentence or paragraph pause of `interval` ms begins.
  virtual void pauseStarted(int interval) = 0;
  // The end of the document was reached and reading stopped there.
  virtual void documentEnded() = 0;
};

} // namespace reader
