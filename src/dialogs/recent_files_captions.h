// The captions of the recent-files menu items: the entry's number, ". " and
// the path (or only the file name), with every "&" doubled so that it shows
// as an ampersand rather than marking a shortcut, and shortened to its first
// part, "/ ... /" and the file name. The first part is the first folder
// below the root ("/home"), or the server and share of a network path
// ("//server/share"); a file in the root has none. So
// "/home/ann/books/moby.txt" shows as "1. /home/ ... /moby.txt" whatever the
// depth of its folders.
#pragma once

#include <string>
#include <string_view>

namespace dialogs {

// The path as the menu shows it, without the number.
std::string recentFileMenuText(std::string_view path, bool showFullPath);

// The caption of entry `index` (0-based): index + 1, ". " and the menu text.
std::string recentFileCaption(int index, std::string_view path, bool showFullPath);

} // namespace dialogs
