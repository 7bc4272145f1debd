// The desktop for a run of the program that shows no window of its own (the
// timeline's capture): Qt's application on the X11 display, made here when
// the program has none yet, and the X11 desktop on its connection.
//
// On X11 the clipboard lives in the program that offers it. What the program
// put back on the clipboard would go with it, so when the session ends while
// the program still holds the clipboard, Qt hands it to the desktop's
// clipboard manager, and where none runs a helper process (the program's own
// executable, started with the arguments given) takes it over and offers it
// until another program copies, or for ten minutes at most.
#pragma once

#include <memory>
#include <string>
#include <vector>

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

  // Has the clipboard kept after the program ends, by the helper started as
  // `executable` `arguments...` FILE when no clipboard manager runs. Waits
  // (at most 2 s) until the helper holds it.
  void keepClipboard(const std::string& executable, const std::vector<std::string>& arguments);

private:
  DesktopSession();
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

// The helper's side: offers the clipboard saved in `file` (removed once read)
// until another program takes the clipboard. Returns the exit status.
int holdClipboard(const std::string& file);

} // namespace platform
