#include "shell/settings_file.h"

#include <sstream>
#include <utility>

#include "platform/files.h"
#include "shell/base64.h"
#include "shell/settings_conversions.h"

namespace shell {
namespace {

// The first child element named `name`; other kinds of nodes never match.
pugi::xml_node childElement(pugi::xml_node parent, const std::string& name) {
  for (pugi::xml_node child : parent.children()) {
    if (child.type() == pugi::node_element && name == child.name()) return child;
  }
  return {};
}

bool isBlankName(const std::string& name) {
  for (char c : name) {
    if (static_cast<unsigned char>(c) > ' ') return false;
  }
  return true;
}

std::string serialize(const pugi::xml_document& document) {
  std::ostringstream out;
  document.save(out, "\t", pugi::format_default, pugi::encoding_utf8);
  return out.str();
}

} // namespace

SettingsFile::SettingsFile(std::filesystem::path path, engine::SettingsRecord& record,
                           platform::MessageBoxes& messages)
    : path_(std::move(path)), record_(record), messages_(messages) {}

bool SettingsFile::initXMLFILE() {
  open_ = false;
  XMLSettings.reset();
  std::string bytes;
  try {
    bytes = platform::readWholeFile(path_);
  } catch (const platform::FileError& error) {
    messages_.error(std::string(error.what()) + ".");
    return false;
  }
  std::string error;
  if (!loadDocument(bytes, &error)) {
    messages_.error("The settings file \"" + path_.string() +
                    "\" is not a valid settings file: " + error + ".");
    return false;
  }
  return true;
}

bool SettingsFile::loadDocument(std::string_view xml, std::string* error) {
  XMLSettings.reset();
  const pugi::xml_parse_result result =
      XMLSettings.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_auto);
  open_ = result && XMLSettings.document_element();
  if (!open_) {
    if (error != nullptr) {
      *error = result ? std::string("it has no document element")
                      : std::string(result.description()) + " at offset " +
                            std::to_string(result.offset);
    }
    XMLSettings.reset();
  }
  return open_;
}

SettingsConversion SettingsFile::conversion() const {
  return SettingsConversion{decimalPoint_.value_or(localeDecimalPoint())};
}

pugi::xml_node SettingsFile::fieldElement(const std::string& key, const std::string& field) const {
  const pugi::xml_node keyElement =
      childElement(XMLSettings.document_element(), elementNameFor(key));
  if (!keyElement || field.empty()) return keyElement;
  return childElement(keyElement, elementNameFor(field));
}

std::string SettingsFile::readSetting(const std::string& key, const std::string& field,
                                      const std::string& fallback) const {
  const pugi::xml_node element = fieldElement(key, field);
  if (!element) return fallback;
  return decodeBase64(element.text().get());
}

std::optional<bool> SettingsFile::readBoolSetting(const std::string& key, const std::string& field,
                                                  const std::string& fallback) const {
  return parseSettingsBool(readSetting(key, field, fallback), conversion().decimalPoint);
}

void SettingsFile::setFieldText(const std::string& key, const std::string& field,
                                const std::string& text) {
  pugi::xml_node element = fieldElement(key, field);
  if (element) element.text().set(encodeBase64(text).c_str());
}

bool SettingsFile::writeSetting(const std::string& key, const std::string& field,
                                const std::string& text) {
  setFieldText(key, field, text);
  return saveDocument();
}

bool SettingsFile::writeBoolSetting(const std::string& key, const std::string& field, bool value) {
  return writeSetting(key, field, formatSettingsBool(value));
}

bool SettingsFile::loadSettings(const std::string& field) {
  const SettingsConversion conv = conversion();
  for (const SettingsKey& key : settingsKeys()) {
    if (key.isRead != nullptr && !key.isRead(record_)) continue;
    const std::string text = readSetting(key.name, field, key.fallback);
    if (!key.load(text, record_, conv)) {
      engine::deriveSettings(record_);
      messages_.error(LoadFailedMessage);
      return false;
    }
  }
  engine::deriveSettings(record_);
  return true;
}

bool SettingsFile::loadAllSettings() {
  const std::string flag = readSetting(UseDefaultValuesKey, DefaultField, "");
  const std::optional<bool> useDefaults = parseSettingsBool(flag, conversion().decimalPoint);
  if (!useDefaults) {
    messages_.error("'" + flag + "' is not a valid boolean value.");
    return false;
  }
  const bool keysLoaded = loadSettings(*useDefaults ? DefaultField : ValueField);
  const bool documentsLoaded = loadLoadedDocuments();
  return keysLoaded && documentsLoaded;
}

bool SettingsFile::saveSettings() {
  // Every field is set first and the file written once, so that a crash
  // during the save never leaves a file with part of the keys or without the
  // reading positions.
  setFieldText(UseDefaultValuesKey, DefaultField, formatSettingsBool(false));
  const SettingsConversion conv = conversion();
  for (const SettingsKey& key : settingsKeys()) {
    setFieldText(key.name, ValueField, key.save(record_, conv));
  }
  placeLoadedDocuments();
  return saveDocument();
}

bool SettingsFile::loadLoadedDocuments() {
  record_.LoadedDocuments.clear();
  const pugi::xml_node list =
      childElement(XMLSettings.document_element(), elementNameFor(LoadedDocumentsKey));
  bool allRead = true;
  for (pugi::xml_node entry : list.children()) {
    if (entry.type() != pugi::node_element) continue;
    const auto position = parseSettingsInt64(decodeBase64(entry.text().get()));
    if (!position) {
      allRead = false;
      continue;
    }
    record_.LoadedDocuments.push_back(
        {nameFromElement(entry.name()), static_cast<std::int32_t>(*position)});
  }
  if (!allRead) messages_.error(LoadFailedMessage);
  return allRead;
}

void SettingsFile::placeLoadedDocuments() {
  pugi::xml_node list =
      childElement(XMLSettings.document_element(), elementNameFor(LoadedDocumentsKey));
  if (!list) return;
  list.remove_children();
  for (const engine::SavedPosition& entry : record_.LoadedDocuments) {
    if (isBlankName(entry.name)) continue;
    pugi::xml_node element = list.append_child(elementNameFor(entry.name).c_str());
    const auto position = static_cast<std::uint32_t>(entry.position);
    element.text().set(encodeBase64(std::to_string(position)).c_str());
  }
}

bool SettingsFile::saveLoadedDocuments() {
  placeLoadedDocuments();
  return saveDocument();
}

bool SettingsFile::saveDocument() {
  if (!open_) {
    lastSaveError_ = "the settings file was not opened";
    return false;
  }
  try {
    platform::writeFileAtomic(path_, serialize(XMLSettings));
  } catch (const platform::FileError& error) {
    lastSaveError_ = error.what();
    return false;
  }
  lastSaveError_.clear();
  return true;
}

std::string factorySettingsText() {
  pugi::xml_document document;
  pugi::xml_node root = document.append_child("LumetraSettings");
  auto addField = [](pugi::xml_node keyElement, const char* field, const std::string& text) {
    pugi::xml_node element = keyElement.append_child(elementNameFor(field).c_str());
    // An empty text is no text node at all, as a reloaded document has it.
    if (!text.empty()) element.text().set(encodeBase64(text).c_str());
  };
  pugi::xml_node useDefaults = root.append_child(elementNameFor(UseDefaultValuesKey).c_str());
  addField(useDefaults, DefaultField, formatSettingsBool(true));
  for (const SettingsKey& key : settingsKeys()) {
    pugi::xml_node element = root.append_child(elementNameFor(key.name).c_str());
    addField(element, ValueField, key.fallback);
    addField(element, DefaultField, key.fallback);
  }
  root.append_child(elementNameFor(LoadedDocumentsKey).c_str());
  return serialize(document);
}

} // namespace shell
