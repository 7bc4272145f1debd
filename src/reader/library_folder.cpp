#include "reader/library_folder.h"

#include <system_error>

namespace reader {
namespace {

bool madeOrThere(const std::filesystem::path& folder) {
  std::error_code error;
  if (std::filesystem::is_directory(folder, error)) return true;
  return std::filesystem::create_directory(folder, error) && !error;
}

} // namespace

std::filesystem::path libraryFolder(const std::filesystem::path& programFolder,
                                    const std::filesystem::path& dataHome) {
  const std::filesystem::path beside = programFolder / "eBooks";
  if (madeOrThere(beside)) return beside;
  std::error_code error;
  const std::filesystem::path own = dataHome / "lumetra";
  std::filesystem::create_directories(own, error);
  const std::filesystem::path inData = own / "eBooks";
  return madeOrThere(inData) ? inData : std::filesystem::path();
}

} // namespace reader
