// Which windows the program can read from: the table of compatible
// applications and the questions QuickLaunch, the capture and the file
// opening ask about the window in front.
//
// An application is recognised by the file name of its process' executable,
// together with, for some, the window's class, title or role. Each
// application stands for one kind of source and is named everywhere by that
// kind's name ("notepad", "wordpad", "winword", "outlook", "msimn",
// "iexplore", "acrord32"), so every rule keyed on those names holds whatever
// program the user reads in. The program's own windows are never supported.
#pragma once

#include <string>
#include <string_view>

#include "acquisition/acquisition_state.h"
#include "platform/desktop.h"

namespace acquisition {

// The file name without folder and extension, lower-cased ("C:\\Windows\\NOTEPAD.EXE"
// gives "notepad"). Both '/' and '\\' separate folders.
std::string baseNameOf(std::string_view path);

// The kind's name of the application whose window this is, given the
// window's process name (processNameOfWindow of the same window); empty when
// the window is not one the program can read from.
std::string sourceApplicationOf(platform::Desktop& desktop, std::string_view processName,
                                WindowHandle window);

// Whether the window belongs to a compatible application.
bool isSupportedWindow(platform::Desktop& desktop, std::string_view processName,
                       WindowHandle window);

} // namespace acquisition
