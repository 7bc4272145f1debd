// What the reader window asks of the desktop: the open dialog, the help file
// and the product's web site, each opened with the desktop's default
// application.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

class QWidget;

namespace reader {

// The file filter of the open dialog, the compatible types first.
extern const char* const OpenFileFilter;

// The open dialog titled "Open File", starting in `folder` (empty: where it
// was last); the chosen file's path, or nothing when cancelled.
std::optional<std::string> chooseReaderFile(QWidget* parent, const std::string& folder);
// Opens "Lumetra Help.html" in `programFolder`; a missing file is not reported.
void openHelpFile(const std::filesystem::path& programFolder);
void openWebSite();

} // namespace reader
