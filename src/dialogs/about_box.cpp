#include "dialogs/about_box.h"

#include <array>
#include <charconv>

namespace dialogs {

std::string_view programVersion() {
  return LUMETRA_VERSION;
}

std::string aboutVersionLabel(std::string_view version) {
  std::array<unsigned, 3> parts{};
  std::size_t found = 0;
  const char* at = version.data();
  const char* end = version.data() + version.size();
  while (found < parts.size() && at < end) {
    const auto result = std::from_chars(at, end, parts[found]);
    if (result.ec != std::errc()) break;
    ++found;
    at = result.ptr;
    if (at == end || *at != '.') break;
    ++at;
  }
  std::string label = "Lumetra v";
  if (found == 0) return label;
  return label + std::to_string(parts[0]) + "." + std::to_string(parts[1]) + "." +
         std::to_string(parts[2]);
}

std::string_view creditsText() {
  return "The Lumetra developers\n"
         "\n"
         "Built on the work of\n"
         "Qt, pugixml and libjpeg-turbo";
}

std::filesystem::path licenceFile(const std::filesystem::path& programFolder) {
  return programFolder / "EULA.rtf";
}

} // namespace dialogs
