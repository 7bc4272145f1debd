// The desktop for a run of the program that shows no window of its own (the
// timeline's capture): Qt's application on the X11 display, made here when
// the program has none yet, and the X11 desktop on its connection. Whatever
// the program leaves on the clipboard it offers while the session lasts; when
// it ends, Qt hands it to the desktop's clipboard manager if one runs.
#pragma once

#include <memory>
#include <string>

#include "platform/desktop.h"

namespace platform {

class DesktopSession {
public:
  // Null, with the reason in `problem`, when no X11 display can be reached.
  static std::unique_ptr<DesktopSession> open(std::string& problem);
  ~DesktopSession();
  DesktopSession(const DesktopSession&) = delete;
  DesktopSession& operator=(const DesktopSession&) = delete;

  Desktop& desktop();

private:
  DesktopSession();
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

} // namespace platform
