// What the options dialog needs of the settings file: the full save when it
// opens, a load of every key from the "value" or "default" fields (Cancel,
// Restore Defaults), and the one write it makes itself (the text rules on
// OK). The settings file reports its own failures; these calls only say
// whether they succeeded.
#pragma once

#include <string>

namespace dialogs {

class SettingsStore {
public:
  virtual ~SettingsStore() = default;
  virtual bool saveSettings() = 0;
  virtual bool loadSettings(const std::string& field) = 0;
  virtual bool writeSetting(const std::string& key, const std::string& field,
                            const std::string& text) = 0;
};

} // namespace dialogs
