// What the About box shows: "Lumetra v" and the program's version as
// major.minor.release, the names of the people and projects behind it, and
// where the licence agreement lives ("EULA.rtf" among the program's files).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace dialogs {

// The version the program was built as ("0.1.0").
std::string_view programVersion();

// "Lumetra v" and the first three numeric parts of `version` joined by ".";
// "Lumetra v" alone when the version has no number to show.
std::string aboutVersionLabel(std::string_view version);

// The credits box's names, one per line.
std::string_view creditsText();

// The licence agreement in the folder of the program's files (beside the
// program in the build folder, share/lumetra when installed).
std::filesystem::path licenceFile(const std::filesystem::path& programFolder);

} // namespace dialogs
