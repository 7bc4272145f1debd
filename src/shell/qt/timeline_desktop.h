// The desktop behind `lumetra --timeline --capture`: the window in front
// captured as QuickLaunch captures it, on an X11 connection of its own, and
// the clipboard the capture put back kept after the run.
#pragma once

#include <memory>

#include "acquisition/capture.h"
#include "platform/recently_used.h"
#include "platform/xcb/desktop_session.h"
#include "shell/timeline.h"

namespace shell {

class X11TimelineDesktop : public TimelineDesktop {
public:
  std::optional<int> capture(acquisition::HandOver& h, int delayMs, std::ostream& err) override;
  void keepClipboard() override;
  int holdClipboard(const std::string& file) override;

private:
  std::unique_ptr<platform::DesktopSession> session_;
  platform::RecentlyUsedList recentlyUsed_;
  std::unique_ptr<acquisition::CaptureContext> context_;
};

} // namespace shell
