// Writes the factory settings file (resources/LumetraSettings.xml) from the
// table of settings keys. Run it when a key or a fallback changes:
//   gen_settings resources/LumetraSettings.xml
// Without an argument the file is written to standard output.
#include <cstdio>
#include <string>

#include "shell/settings_file.h"
#include "shell/settings_location.h"

int main(int argc, char** argv) {
  const std::string text = shell::factorySettingsText();
  if (argc < 2) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
  }
  std::string error;
  if (!shell::writeSettingsBytes(argv[1], text, error)) {
    std::fprintf(stderr, "gen_settings: %s: %s\n", argv[1], error.c_str());
    return 1;
  }
  return 0;
}
