// The state the reader window works on, as references to the structs the
// program makes once: the settings record, the engine and its state, the
// reading, fade, layout, page and window state, the automatic
// words-per-screen table, and the desktop and acquisition state the focus
// tracking follows the source window with. TForm1 (the handlers) and
// ReaderWindow (layout and drawing) are both given the same context; neither
// owns any of it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "acquisition/acquisition_state.h"
#include "engine/engine_state.h"
#include "engine/search.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"
#include "platform/desktop.h"
#include "reader/fade_state.h"
#include "reader/layout_state.h"
#include "reader/page_model.h"
#include "reader/reading_state.h"
#include "reader/words_per_screen.h"

namespace reader {

// What the window shows besides the frame: the hint, the status panels, the
// caption of the popup's pause item, the furthest point read and the state of
// the progress dots and marks.
struct WindowState {
  std::string hint;
  std::array<std::string, 4> statusPanels;
  // The furthest position reached in this document: -1 before any document,
  // 1 when one is handed over, raised by every status line refresh.
  std::int32_t lastReadPosition = -1;
  bool infoTextBlack = true;
  // The user is dragging a dot: reading does not move it meanwhile.
  bool draggingDot = false;
  // Where the last drop left the columns' dot; a release there does nothing.
  int columnDotDropTop = -1;
  // The hints of the two hover highlights: which jump a click on them makes.
  std::string highlightHint;
  std::string highlightHintC;
  // The last condensed drawing was a forward step.
  bool condensedForward = true;
  // The page is being drawn again at full strength (a repaint, not a fade).
  bool pageFadeUnfinished = false;
  // Caption of the popup item that pauses: "Pause", "Continue" or "Restart".
  std::string pauseCaption = "Pause";
  // The find bar: its state between searches, the edit box's text and the
  // text the match on screen was found with.
  engine::SearchState search;
  std::string findText;
  std::string searchedText;
  // The hint label shows the find bar's wrap message.
  bool wrapMessageShown = false;
  // The focus tracking hid a column page: it is read again when the reader returns.
  bool pageToReadAgain = false;
};

// A desktop whose windows the reader cannot see: it never has a window in
// front and no work area of its own.
class WindowlessDesktop final : public platform::DesktopWithoutWindows {
public:
  platform::Rect workArea() const override { return {}; }
};

// The reader window's own state: layout, page, what the window shows, and the
// automatic table built once.
struct WindowParts {
  LayoutState layout;
  PageModel page;
  WindowState window;
  AutomaticTable automatic = buildAutomaticTable();
  // What a window that is given no desktop and no acquisition state follows:
  // a desktop whose windows cannot be seen and no source window.
  WindowlessDesktop desktopWithoutWindows;
  acquisition::AcquisitionState acquisition;
};

struct ReaderContext {
  engine::SettingsRecord& settings;
  engine::EngineState& engine;
  engine::TextEngine& textEngine;
  ReadingState& reading;
  FadeState& fade;
  LayoutState& layout;
  PageModel& page;
  WindowState& window;
  const AutomaticTable& automatic;
  platform::Desktop& desktop;
  acquisition::AcquisitionState& acquisition;

  // A window with no source window to follow (a file given on the command line).
  static ReaderContext of(engine::TextEngine& textEngine, ReadingState& reading, FadeState& fade,
                          WindowParts& parts) {
    return of(textEngine, reading, fade, parts, parts.desktopWithoutWindows, parts.acquisition);
  }
  // A window that follows the source window of `acquisition` on `desktop`.
  static ReaderContext of(engine::TextEngine& textEngine, ReadingState& reading, FadeState& fade,
                          WindowParts& parts, platform::Desktop& desktop,
                          acquisition::AcquisitionState& acquisition) {
    return {textEngine.settings(),
            textEngine.state(),
            textEngine,
            reading,
            fade,
            parts.layout,
            parts.page,
            parts.window,
            parts.automatic,
            desktop,
            acquisition};
  }
};

} // namespace reader
