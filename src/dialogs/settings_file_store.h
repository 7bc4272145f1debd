// The options dialog's settings store on the program's settings file. Kept in
// a header so that the dialogs library does not depend on the shell; whoever
// holds the settings file (and links it) makes one of these.
#pragma once

#include "dialogs/settings_store.h"
#include "shell/settings_file.h"

namespace dialogs {

class SettingsFileStore final : public SettingsStore {
public:
  explicit SettingsFileStore(shell::SettingsFile& file) : file_(file) {}
  bool saveSettings() override { return file_.saveSettings(); }
  bool loadSettings(const std::string& field) override { return file_.loadSettings(field); }
  bool writeSetting(const std::string& key, const std::string& field,
                    const std::string& text) override {
    return file_.writeSetting(key, field, text);
  }

private:
  shell::SettingsFile& file_;
};

} // namespace dialogs
