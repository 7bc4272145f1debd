// The screen side of the reader window as TForm1 sees it: drawing the strip,
// the hint label, the status line, the progress panel, the popup caption and
// the find bar. TForm1 keeps the reading logic and asks the view for every
// visible effect, so that the Qt widget, the headless timeline and tests can
// each supply their own. All text is code page 1252.
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

  // --- The strip (banner modes) and the columns ---------------------------
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

  // --- Progress panel, menus, find bar -----------------------------------------
  virtual void setProgressPanelVisible(bool visible) = 0;
  virtual void moveProgressDot() = 0;
  // Caption of the popup item that pauses: "Pause", "Continue" or "Restart".
  virtual void setPauseItemCaption(const std::string& caption) = 0;
  virtual bool findBarOpen() const = 0;
  virtual void closeFindBar() = 0;
  virtual bool isFullScreen() const = 0;

  // --- The document's place in the world -------------------------------------
  // Stores the reading position of the document (the saved-positions table).
  virtual void saveReadingPosition(std::int32_t position) = 0;
  // Moves the reading position to the document's saved position.
  virtual void restoreReadingPosition() = 0;
  // Shows the table or picture of GraphicPositions entry `index` in the source.
  virtual void updateWordPosition(int index) = 0;
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
