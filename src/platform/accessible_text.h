// The text of another program's document through the desktop's accessibility
// interface (AT-SPI): the multi-line text object of the program's active
// window (GTK and Qt editors expose their buffer so). Reading it sends no key
// and leaves the selection and the clipboard alone.
//
// Nothing when the session has no bus to ask (the accessibility bus is found
// through the session bus; without one nothing is started to find it), when
// the program exposes no such object, or when it does not answer in time:
// each question waits at most 500 ms, the whole search 1.5 s.
#pragma once

#include <optional>
#include <string>

namespace platform {

// Code page 1252 with CR line ends.
std::optional<std::string> accessibleDocumentText(int processId);

} // namespace platform
