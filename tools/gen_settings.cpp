// Writes the factory settings file (resources/LumetraSettings.xml) from the
// table of settings keys. Run it when a key or a fallback changes:
//   gen_settings resources/LumetraSettings.xml
// Without an argument the file is written to standard output.
#include <cstdio>
#include <string>

#include "platform/files.h"
#include "shell/settings_file.h"

int main(int argc, char** argv) {
  const std::string text = shell::factorySettingsText();
  if (argc < 2) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
  }
  try {
    platform::writeFileAtomic(argv[1], text);
  } catch (const platform::FileError& error) {
    std::fprintf(stderr, "gen_settings: %s\n", error.what());
    return 1;
  }
  return 0;
}
