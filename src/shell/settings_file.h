// The settings file "LumetraSettings.xml": an XML document whose element names
// and texts are all stored in Base64. Each key element holds a "value" and a
// "default" field; the document is opened once and every write saves the
// whole file atomically, so a crash leaves either the old or the new file.
//
// SettingsFile owns the document and loads it into, and saves it from, the
// settings record it is given. Failures are shown as error boxes: a key
// that does not convert stops the load at that key with LoadFailedMessage; a
// file that cannot be read or parsed is reported and leaves the record as it
// was. A document that failed to open is never written back, so an unreadable
// file is not replaced by an empty one.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "engine/settings_record.h"
#include "platform/message_boxes.h"
#include "shell/settings_keys.h"

namespace shell {

inline constexpr const char* SettingsFileName = "LumetraSettings.xml";
inline constexpr const char* LoadFailedMessage =
    "Failed to load resource file. Please check your setup ! ";

class SettingsFile {
public:
  SettingsFile(std::filesystem::path path, engine::SettingsRecord& record,
               platform::MessageBoxes& messages);

  // Opens (loads) the file at the settings path. False, after reporting why,
  // when it is missing, unreadable or not well-formed XML.
  bool initXMLFILE();
  // Loads the document from `xml` instead of the file; false when it does not
  // parse (nothing is reported).
  bool loadDocument(std::string_view xml, std::string* error = nullptr);
  bool isOpen() const { return open_; }

  // The decoded text of `field` of `key` (of the key element itself when
  // `field` is empty), or `fallback`, used as it is, when either is missing.
  std::string readSetting(const std::string& key, const std::string& field,
                          const std::string& fallback) const;
  // readSetting converted to a boolean; nothing when the text is not one.
  std::optional<bool> readBoolSetting(const std::string& key, const std::string& field,
                                      const std::string& fallback) const;
  // Stores `text` in `field` of `key` when both exist (never creates them),
  // then saves the file. False when the file could not be saved.
  bool writeSetting(const std::string& key, const std::string& field, const std::string& text);
  bool writeBoolSetting(const std::string& key, const std::string& field, bool value);

  // Loads every key of the table from `field` ("value" or "default") into the
  // record. Stops at the first key whose text does not convert, shows
  // LoadFailedMessage and returns false; keys before it keep their new values.
  bool loadSettings(const std::string& field);
  // The start-up load: `UseDefaultValues` chooses the field, then the reading
  // positions. False when `UseDefaultValues` is missing or not a boolean
  // (reported, nothing loaded) or when a key or position failed to load.
  bool loadAllSettings();
  // Full save: turns `UseDefaultValues` off, writes every key's "value" and
  // the reading positions, and saves the file once.
  bool saveSettings();

  // Replaces the record's reading positions by the file's. An entry whose
  // position is not a number is skipped and reported; the others are kept.
  bool loadLoadedDocuments();
  // Writes the record's reading positions (entries with a blank name are left
  // out) and saves the file.
  bool saveLoadedDocuments();

  const std::filesystem::path& path() const { return path_; }
  // Why the last save failed.
  const std::string& lastSaveError() const { return lastSaveError_; }
  // Tests choose the decimal separator; by default the C locale's is used.
  void setDecimalPoint(std::optional<char> decimalPoint) { decimalPoint_ = decimalPoint; }

private:
  SettingsConversion conversion() const;
  pugi::xml_node fieldElement(const std::string& key, const std::string& field) const;
  void setFieldText(const std::string& key, const std::string& field, const std::string& text);
  void placeLoadedDocuments();
  bool saveDocument();

  std::filesystem::path path_;
  engine::SettingsRecord& record_;
  platform::MessageBoxes& messages_;
  pugi::xml_document XMLSettings;
  bool open_ = false;
  std::optional<char> decimalPoint_;
  std::string lastSaveError_;
};

// The factory file as installed: every key of the table with its fallback in
// both fields, `UseDefaultValues` "True" in its "default" field and an empty
// `LoadedDocuments` element.
std::string factorySettingsText();

} // namespace shell
