// The library folder "eBooks" that "&Library ..." opens the file dialog in:
// beside the program, or under the user's data folder when the program's
// folder cannot take it. The folder is made (one level) when it is missing.
#pragma once

#include <filesystem>

namespace reader {

// `programFolder`/eBooks when it exists or can be made there, else
// `dataHome`/lumetra/eBooks, made when missing; empty when neither can be.
std::filesystem::path libraryFolder(const std::filesystem::path& programFolder,
                                    const std::filesystem::path& dataHome);

} // namespace reader
