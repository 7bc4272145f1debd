// The settings loader fed with malformed files: raw bytes taken as the XML
// document, and factory files whose keys are removed or given random texts,
// valid Base64 or not. Checks that nothing crashes and that whatever record
// the loader produced survives a save and a load unchanged.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include <pugixml.hpp>
#include <unistd.h>

#include "engine/autoskim_words.h"
#include "engine/settings_record.h"
#include "platform/message_boxes.h"
#include "shell/base64.h"
#include "shell/settings_file.h"
#include "shell/settings_keys.h"

namespace {

void failCheck(const char* what, int line) {
  std::fprintf(stderr, "settings_fuzz.cpp:%d: check failed: %s\n", line, what);
  std::abort();
}

#define check(condition) ((condition) ? (void)0 : failCheck(#condition, __LINE__))

const std::filesystem::path& scratchFile() {
  static const std::filesystem::path path = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "settings-fuzz-XXXXXX").string();
    return std::filesystem::path(::mkdtemp(pattern.data())) / shell::SettingsFileName;
  }();
  return path;
}

void checkBase64(const std::string& bytes) {
  const std::string decoded = shell::decodeBase64(bytes);
  check(decoded.size() <= bytes.size());
  check(shell::decodeBase64(shell::encodeBase64(decoded)) == decoded);
  check(shell::nameFromElement(shell::elementNameFor(bytes)) == bytes);
  (void)shell::nameFromElement(bytes);
}

// A factory file with random changes to its keys and reading positions.
std::string mutatedFactoryFile(FuzzedDataProvider& in) {
  pugi::xml_document document;
  static const std::string factory = shell::factorySettingsText();
  document.load_buffer(factory.data(), factory.size());
  pugi::xml_node root = document.document_element();
  auto randomText = [&in]() {
    const std::string text = in.ConsumeRandomLengthString(64);
    return in.ConsumeBool() ? shell::encodeBase64(text) : text;
  };
  auto mutate = [&](const char* name) {
    pugi::xml_node key = root.child(shell::elementNameFor(name).c_str());
    switch (in.ConsumeIntegralInRange(0, 4)) {
    case 0:
      break;
    case 1:
      root.remove_child(key);
      break;
    case 2:
      key.remove_child(shell::elementNameFor(shell::ValueField).c_str());
      break;
    default:
      key.child(shell::elementNameFor(in.ConsumeBool() ? shell::ValueField : shell::DefaultField)
                    .c_str())
          .text()
          .set(randomText().c_str());
      break;
    }
  };
  mutate(shell::UseDefaultValuesKey);
  for (const shell::SettingsKey& key : shell::settingsKeys())
    mutate(key.name);
  pugi::xml_node list = root.child(shell::elementNameFor(shell::LoadedDocumentsKey).c_str());
  const int entries = in.ConsumeIntegralInRange(0, 8);
  for (int i = 0; i < entries; ++i) {
    const std::string name = in.ConsumeRandomLengthString(24);
    const std::string element = in.ConsumeBool() ? shell::elementNameFor(name) : name;
    if (!shell::isPlainElementName(element) && element.rfind('_', 0) != 0) continue;
    list.append_child(element.c_str()).text().set(randomText().c_str());
  }
  std::ostringstream out;
  document.save(out);
  return out.str();
}

bool hasElement(const shell::SettingsFile& file, const char* key, const char* field) {
  return file.readSetting(key, field, "a") != "a" || file.readSetting(key, field, "b") != "b";
}

// What a save and a load cannot keep: the custom list is stored from the
// active list and read only for a custom level, and blank names are not
// written.
engine::SettingsRecord storable(engine::SettingsRecord record) {
  if (record.CompresionSetting == engine::CustomCompressionLevel) {
    record.UserDefinedCompressorSet = record.CompressorList;
  } else {
    // A preset level neither reads the custom list nor keeps the active one.
    record.CompressorList = engine::presetWordList(record.CompresionSetting);
    record.UserDefinedCompressorSet.clear();
  }
  std::erase_if(record.LoadedDocuments, [](const engine::SavedPosition& entry) {
    for (char c : entry.name) {
      if (static_cast<unsigned char>(c) > ' ') return false;
    }
    return true;
  });
  return record;
}

// Names the keys in which two records differ, for the report of a failed check.
void printDifferences(const engine::SettingsRecord& a, const engine::SettingsRecord& b) {
  const shell::SettingsConversion conversion{'.'};
  for (const shell::SettingsKey& key : shell::settingsKeys()) {
    const std::string left = key.save(a, conversion), right = key.save(b, conversion);
    if (left != right) {
      std::fprintf(stderr, "%s: \"%s\" / \"%s\"\n", key.name, left.c_str(), right.c_str());
    }
  }
  if (a.LoadedDocuments != b.LoadedDocuments) std::fprintf(stderr, "LoadedDocuments differ\n");
  if (a.Banner.FontPointSize != b.Banner.FontPointSize) std::fprintf(stderr, "banner points\n");
  if (a.Column.FontPointSize != b.Column.FontPointSize) std::fprintf(stderr, "column points\n");
  if (a.HeadingMaxWords != b.HeadingMaxWords) std::fprintf(stderr, "HeadingMaxWords\n");
  if (a.UserDefinedCompressorSet != b.UserDefinedCompressorSet) {
    std::fprintf(stderr, "UserDefinedCompressorSet\n");
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const bool structured = in.ConsumeBool();
  const std::string xml = structured ? mutatedFactoryFile(in) : in.ConsumeRemainingBytesAsString();
  if (!structured) checkBase64(xml);

  engine::SettingsRecord record;
  platform::RecordingMessageBoxes boxes;
  shell::SettingsFile file(scratchFile(), record, boxes);
  file.setDecimalPoint('.');
  if (!file.loadDocument(xml)) return 0;
  file.loadAllSettings();
  file.loadSettings(shell::DefaultField);
  file.loadSettings(shell::ValueField);
  for (const platform::ShownMessage& shown : boxes.shown)
    check(!shown.text.empty());

  // Round trip, where the file has every field a save writes.
  bool complete = hasElement(file, shell::LoadedDocumentsKey, "");
  for (const shell::SettingsKey& key : shell::settingsKeys()) {
    complete = complete && hasElement(file, key.name, shell::ValueField);
  }
  if (!complete) return 0;
  if (!file.saveSettings()) return 0;
  engine::SettingsRecord reloaded;
  platform::RecordingMessageBoxes reloadBoxes;
  shell::SettingsFile second(scratchFile(), reloaded, reloadBoxes);
  second.setDecimalPoint('.');
  check(second.initXMLFILE());
  check(second.loadSettings(shell::ValueField));
  check(second.loadLoadedDocuments());
  if (storable(reloaded) != storable(record))
    printDifferences(storable(record), storable(reloaded));
  check(storable(reloaded) == storable(record));
  return 0;
}
