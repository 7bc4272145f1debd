// The acquisition state: which document is being opened or read, which
// application holds it and what kind of source it is, and the windows the
// capture and QuickLaunch follow. One value is made in main and handed by
// reference to the capture, the file opening, the hand-over, the reader window
// and QuickLaunch; a test makes a fresh one per case. Window handles are plain
// integers with the sentinels below (-1 while a capture runs, -100 no source
// window, -200 no tracked window).
#pragma once

#include <cstdint>
#include <string>

#include "engine/engine_state.h"

namespace acquisition {

using WindowHandle = std::int64_t;

inline constexpr WindowHandle CaptureRunningWindow = -1;
inline constexpr WindowHandle NoSourceWindow = -100;
inline constexpr WindowHandle NoTrackedWindow = -200;

// Base names of the applications a document can come from.
inline constexpr const char* NotepadApp = "notepad";
inline constexpr const char* WordpadApp = "wordpad";
inline constexpr const char* WordApp = "winword";
inline constexpr const char* OutlookApp = "outlook";
inline constexpr const char* OutlookExpressApp = "msimn";
inline constexpr const char* BrowserApp = "iexplore";
inline constexpr const char* AcrobatApp = "acrobat";
inline constexpr const char* AcrobatReaderApp = "acrord32";

struct AcquisitionState {
  // Full path of the file being opened or read, or the name a capture gave
  // the document; cleared when a file is refused as unsupported.
  std::string CurrentDocument;
  // Lower-case base name of the application holding the document.
  std::string SourceApplication;
  engine::SourceKind SourceKind = engine::SourceKind::PlainText;
  // Top-level window of the source application.
  WindowHandle SourceWindow = NoSourceWindow;
  // Copy of SourceWindow kept while a capture runs.
  WindowHandle SavedSourceWindow = NoSourceWindow;
  // The reader window is shown (the reader clears it when it closes).
  bool ReaderShown = false;
  // The window QuickLaunch last placed its button on.
  WindowHandle TrackedWindow = NoTrackedWindow;
  // While set, QuickLaunch's focus timer offers no button.
  bool QuickLaunchSuspended = false;

  // The source of the document the engine holds, as it stood when that
  // document was handed over. Leaving a document saves its position by these,
  // not by the source of the document that replaces it.
  std::string DocumentSourceApplication;
  engine::SourceKind DocumentSourceKind = engine::SourceKind::PlainText;
};

} // namespace acquisition
