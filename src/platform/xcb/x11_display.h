// Whether the X11 display the program would show its windows on can be
// reached. Qt aborts the program when its platform finds no display, so the
// program asks first and says so itself.
#pragma once

#include <string>

namespace platform {

// The problem with showing windows, as the rest of a line "lumetra: ...":
// "cannot open display NAME"; empty when windows can be shown. Looks at
// QT_QPA_PLATFORM (a platform that needs no X11 display, such as offscreen,
// is taken as it is), WAYLAND_DISPLAY and DISPLAY.
std::string displayProblem();

} // namespace platform
