// The table of settings keys: for every key its stored name, the fallback text
// used when its element is missing, and how its text converts to and from the
// settings record. Loading, saving and the factory-file generator all walk
// this one table, in its order, so that they cannot drift apart.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "engine/settings_record.h"

namespace shell {

// Keys outside the table: the flag that makes start-up load the "default"
// fields, and the list of reading positions.
inline constexpr const char* UseDefaultValuesKey = "UseDefaultValues";
inline constexpr const char* LoadedDocumentsKey = "LoadedDocuments";
inline constexpr const char* ValueField = "value";
inline constexpr const char* DefaultField = "default";

// What the conversions need from outside the record.
struct SettingsConversion {
  char decimalPoint = '.'; // the user's locale decimal separator
};

struct SettingsKey {
  const char* name;
  // Text used as it is (never decoded) when the key or its field is missing.
  const char* fallback;
  // Whether the key is read at all for the record loaded so far; null means
  // always (only the custom AutoSkim list depends on the level).
  bool (*isRead)(const engine::SettingsRecord& record);
  // Stores `text` into the record with the values derived from it; false when
  // the text does not convert, leaving the record unchanged.
  bool (*load)(std::string_view text, engine::SettingsRecord& record,
               const SettingsConversion& conversion);
  // The text stored for the record's value.
  std::string (*save)(const engine::SettingsRecord& record, const SettingsConversion& conversion);
};

// Every key in load and save order.
std::span<const SettingsKey> settingsKeys();

// Colour names. Backgrounds and text colours have separate name sets; a
// background of no known name is written "Navy" for the banner and
// "Dark Teal" for the column, which both read back as navy.
platform::Color backgroundColorFromName(std::string_view name);
platform::Color textColorFromName(std::string_view name);
std::string backgroundColorName(platform::Color color, bool banner);
std::string textColorName(platform::Color color);

} // namespace shell
