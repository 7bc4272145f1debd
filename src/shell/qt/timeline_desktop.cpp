#include "shell/qt/timeline_desktop.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "acquisition/hand_over.h"
#include "acquisition/open_document_file.h"
#include "platform/accessible_text.h"
#include "platform/cp1252.h"

namespace shell {

std::optional<int> X11TimelineDesktop::capture(acquisition::HandOver& h, int delayMs,
                                               std::ostream& err) {
  std::string problem;
  session_ = platform::DesktopSession::open(problem);
  if (!session_) {
    err << "lumetra: --capture: " << problem << '\n';
    return CaptureUnavailableStatus;
  }
  platform::Desktop& desktop = session_->desktop();
  // The delay lets the user bring the window to the front; the desktop's
  // events are handled meanwhile.
  if (delayMs > 0) desktop.waitUntil([] { return false; }, delayMs);
  context_ = std::make_unique<acquisition::CaptureContext>(acquisition::CaptureContext{
      desktop, [this] { return recentlyUsed_.localFiles(); }, platform::CopyWaitMs,
      platform::accessibleDocumentText, std::nullopt});
  acquisition::addCaptureExtractions(h.extractions, *context_);

  const platform::WindowId window = desktop.foregroundWindow();
  const acquisition::CaptureOutcome outcome = acquisition::captureFromWindow(h, *context_, window);
  if (!outcome.handedOver && outcome.problem == acquisition::UnsupportedWindowMessage) {
    err << "lumetra: --capture: " << outcome.problem;
    if (window > 0) {
      err << " (the window in front is \"" << platform::cp1252ToUtf8(desktop.windowTitle(window))
          << "\" of " << platform::cp1252ToUtf8(desktop.processNameOfWindow(window)) << ")";
    } else {
      err << " (no window is in front)";
    }
    err << '\n';
    return CaptureUnavailableStatus;
  }
  if (!outcome.handedOver) {
    err << "lumetra: --capture: " << platform::cp1252ToUtf8(h.acquisition.CurrentDocument) << ": "
        << acquisition::UnsupportedFileMessage << '\n';
    return 1;
  }
  if (!outcome.problem.empty())
    err << "lumetra: --capture: " << platform::cp1252ToUtf8(outcome.problem) << '\n';
  acquisition::prepareReaderStart(h);
  return std::nullopt;
}

void X11TimelineDesktop::keepClipboard() {
  if (!session_) return;
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return;
  session_->keepClipboard(self.string(), {"--timeline", HoldClipboardOption});
}

int X11TimelineDesktop::holdClipboard(const std::string& file) {
  return platform::holdClipboard(file);
}

} // namespace shell
