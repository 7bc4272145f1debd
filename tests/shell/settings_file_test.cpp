#include "shell/settings_file.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <sstream>

#include <pugixml.hpp>
#include <sys/inotify.h>
#include <unistd.h>

#include "engine/autoskim_words.h"
#include "platform/files.h"
#include "platform/message_boxes.h"
#include "shell/base64.h"
#include "support/temp_folder.h"

namespace shell {
namespace {

namespace fs = std::filesystem;
using engine::SettingsRecord;
using platform::rgb;
using Texts = std::vector<std::pair<std::string, std::string>>; // key, plain text

// Edits a settings document in the stored form, addressing elements by their
// plain names.
struct StoredDocument {
  explicit StoredDocument(const std::string& xml) { document_.load_string(xml.c_str()); }
  pugi::xml_node key(const std::string& name) {
    return document_.document_element().child(encodeBase64(name).c_str());
  }
  std::string field(const std::string& name, const std::string& field) {
    return decodeBase64(key(name).child(encodeBase64(field).c_str()).text().get());
  }
  void set(const std::string& name, const std::string& field, const std::string& plain) {
    key(name).child(encodeBase64(field).c_str()).text().set(encodeBase64(plain).c_str());
  }
  void removeKey(const std::string& name) { document_.document_element().remove_child(key(name)); }
  std::string text() {
    std::ostringstream out;
    document_.save(out);
    return out.str();
  }
  pugi::xml_document document_;
};

// The record as a fresh factory file loads it.
SettingsRecord factoryRecord() {
  SettingsRecord record;
  record.CompressorList = engine::presetWordList(0);
  return record;
}

// Every key moved away from its fallback; `variant` (0 to 2) picks among the
// stored forms of the keys that have more than two.
SettingsRecord changedRecord(int variant) {
  using namespace engine;
  const auto v = static_cast<std::size_t>(variant);
  const platform::Color darkRed = rgb(128, 0, 0), grey = rgb(211, 211, 211),
                        silver = rgb(192, 192, 192), navy = rgb(0, 0, 94);
  SettingsRecord r = factoryRecord();
  r.Banner.TextColor = std::array{darkRed, silver, rgb(128, 128, 128)}[v];
  r.Banner.BackgroundColor = std::array{grey, navy, rgb(255, 255, 255)}[v];
  r.Banner.FontName = "Times New Roman", r.Banner.FontSize = 12, r.Banner.FontPointSize = 36;
  r.Banner.TextAlign = TextAlign::Left, r.Banner.FontStyle = FontStyle::Bold;
  r.Column.TextColor = std::array{silver, darkRed, rgb(255, 255, 0)}[v];
  r.Column.BackgroundColor = std::array{navy, grey, rgb(255, 255, 255)}[v];
  r.Column.FontName = "Caf\xe9 Sans", r.Column.FontSize = 0, r.Column.FontPointSize = 8;
  r.Column.TextAlign = std::array{TextAlign::Centre, TextAlign::Justify, TextAlign::Centre}[v];
  r.Column.FontStyle = FontStyle::Normal, r.ColumnNumber = 2;
  r.ColumnWidth =
      std::array{ColumnWidthKind::Narrow, ColumnWidthKind::Standard, ColumnWidthKind::Wide}[v];
  r.WordsPerMinute = 1250, r.WordsPerScreen = 11, r.LinesPerScreen = 5;
  r.SpeedSettingsSelection = SpeedSelection::Automatic;
  for (std::size_t i = 0; i < r.GeneralTextRules.size(); i += 3)
    r.GeneralTextRules[i] = true;
  r.GeneralTextRules[2] = true, r.HeadingMaxWords = 12;
  r.CompressorStatus = true, r.CompressorReplaceSelection = ReplaceSelection::Hide;
  if (variant == 0)
    r.CompresionSetting = 3, r.CompressorList = presetWordList(3);
  else
    r.CompresionSetting = 5, r.CompressorList = r.UserDefinedCompressorSet = ",the,with,people,";
  r.LoopMode = r.AutoStart = r.AutoIncrease = r.AutoHideProgressBar = true;
  r.ClearTypeFont = false;
  r.TotalReadingTime = 98765432.125, r.TotalNumberOfWordsReaded = 4000000000u;
  r.ReadingMode =
      std::array{ReadingModeKind::Sentence, ReadingModeKind::Single, ReadingModeKind::Double}[v];
  r.LoadedDocuments = {{"report.txt", 1200}, {"C:\\Docs\\notes?.doc", 7}, {"last", -1}};
  return r;
}

class SettingsFileTest : public ::testing::Test {
protected:
  SettingsFileTest() { reset(); }
  fs::path path() const { return folder_ / SettingsFileName; }
  void reset() { // the factory file, no box shown
    platform::writeFileAtomic(path(), factorySettingsText());
    boxes.shown.clear();
  }

  // Without a decimal point given the locale's is used.
  SettingsFile& open(SettingsRecord& record, std::optional<char> decimalPoint = '.') {
    files_.push_back(std::make_unique<SettingsFile>(path(), record, boxes));
    files_.back()->setDecimalPoint(decimalPoint);
    EXPECT_TRUE(files_.back()->initXMLFILE());
    return *files_.back();
  }

  SettingsRecord roundTrip(SettingsRecord record, std::optional<char> decimalPoint = '.') {
    EXPECT_TRUE(open(record, decimalPoint).saveSettings());
    SettingsRecord loaded;
    EXPECT_TRUE(open(loaded, decimalPoint).loadAllSettings());
    return loaded;
  }

  StoredDocument stored() const { return StoredDocument(platform::readWholeFile(path())); }
  void editStored(const std::function<void(StoredDocument&)>& edit) {
    StoredDocument document = stored();
    edit(document);
    platform::writeFileAtomic(path(), document.text());
  }

  // UseDefaultValues off (the flag reads in any case), `texts` in the "value" fields.
  void storeValues(const Texts& texts) {
    editStored([&](StoredDocument& d) {
      d.set(UseDefaultValuesKey, DefaultField, "fALSE");
      for (const auto& [key, text] : texts)
        d.set(key, ValueField, text);
    });
  }

  // The texts of the boxes shown so far, every one an error box.
  std::vector<std::string> errors() const {
    std::vector<std::string> texts;
    for (const platform::ShownMessage& shown : boxes.shown) {
      EXPECT_EQ(shown.kind, platform::MessageKind::Error) << shown.text;
      texts.push_back(shown.text);
    }
    return texts;
  }

  platform::RecordingMessageBoxes boxes;
  testsupport::TempFolder folder_{"lumetra-settings"};
  std::vector<std::unique_ptr<SettingsFile>> files_;
};

TEST_F(SettingsFileTest, EveryKeySurvivesASaveAndALoadInItsStoredForm) {
  const std::string preset3 = engine::presetWordList(3);
  // Colours by their names, the compression level by its name, the reading
  // time with the decimal point the file is told.
  const Texts texts[] = {
      {{"BannerTextColor", "Dark Red"},
       {"ColumnBackgroundColor", "Dark Teal"},
       {"CompresionSetting", "s60"},
       {"UserDefinedCompressorSet", preset3}, // the active list
       {"TotalReadingTime", "98765432.125"}},
      {{"BannerBackgroundColor", "Navy"}, {"CompresionSetting", "custom"}},
      {{"BannerBackgroundColor", "White"}, {"TotalReadingTime", "98765432,125"}},
  };
  for (int variant = 0; variant < 3; ++variant) {
    reset();
    const char decimalPoint = variant == 2 ? ',' : '.';
    const SettingsRecord record = changedRecord(variant);
    EXPECT_EQ(roundTrip(record, decimalPoint), record) << variant;
    StoredDocument document = stored();
    for (const auto& [key, text] : texts[variant])
      EXPECT_EQ(document.field(key, ValueField), text) << variant << ": " << key;
    EXPECT_TRUE(errors().empty()) << variant;
  }
}

TEST_F(SettingsFileTest, FactoryFileLoadsItsDefaultsAndTheFirstFullSaveTurnsThatOff) {
  editStored([](StoredDocument& d) { // the current values differ from the factory defaults
    d.set("WordsPerMinute", ValueField, "450");
    d.set("ReadingMode", ValueField, "Single");
  });
  SettingsRecord first = changedRecord(0);
  SettingsFile& file = open(first);
  ASSERT_TRUE(file.loadAllSettings());
  EXPECT_EQ(first, factoryRecord());
  first.WordsPerMinute = 520;
  ASSERT_TRUE(file.saveSettings());
  SettingsRecord second;
  ASSERT_TRUE(open(second).loadAllSettings());
  EXPECT_EQ(second.WordsPerMinute, 520);
  EXPECT_EQ(second.ReadingMode, engine::ReadingModeKind::Banner);
  EXPECT_EQ(stored().field(UseDefaultValuesKey, DefaultField), "False");
  EXPECT_EQ(stored().field("WordsPerMinute", DefaultField), "300") << "kept for Restore Defaults";
}

TEST_F(SettingsFileTest, MissingElementsGiveTheirFallbacks) {
  editStored([](StoredDocument& d) {
    d.set(UseDefaultValuesKey, DefaultField, "False");
    for (std::size_t i = 0; i < settingsKeys().size(); ++i) {
      if (i % 2) // either the key or its "value" field is missing
        d.removeKey(settingsKeys()[i].name);
      else
        d.key(settingsKeys()[i].name).remove_child(encodeBase64(ValueField).c_str());
    }
    d.removeKey(LoadedDocumentsKey);
  });
  SettingsRecord record = changedRecord(0);
  ASSERT_TRUE(open(record).loadAllSettings());
  EXPECT_EQ(record, factoryRecord());
}

// Stored texts loaded over a record whose every field differs give the
// factory record with the case's changes.
TEST_F(SettingsFileTest, StoredTextsLoadIntoTheirFields) {
  using R = SettingsRecord;
  const std::string custom = ",people,water,";
  const std::string rules = "True,False,True,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1";
  const auto rulesOn = [](R& r) {
    r.GeneralTextRules[0] = r.GeneralTextRules[2] = r.GeneralTextRules[17] = true;
    r.HeadingMaxWords = 12; // rule 2: longer headings
  };
  const std::pair<Texts, std::function<void(R&)>> cases[] = {
      // Unknown names are silver on navy.
      {{{"BannerTextColor", "Pink"}, {"ColumnBackgroundColor", "Pink"}},
       [](R& r) {
         r.Banner.TextColor = rgb(192, 192, 192), r.Column.BackgroundColor = rgb(0, 0, 94);
       }},
      // The banner cannot justify and keeps its alignment; the column can.
      {{{"BannerTextAlign", "Justify"}, {"ColumnTextAlign", "Justify"}},
       [](R& r) {
         r.Banner.TextAlign = engine::TextAlign::Left,
         r.Column.TextAlign = engine::TextAlign::Justify;
       }},
      {{{"GeneralTextRules", rules + ",False"}}, rulesOn}, // 19 items: the last is ignored
      {{{"GeneralTextRules", " True,'False, 'True" + rules.substr(15)}}, rulesOn}, // blanks, quotes
      {{{"TotalNumberOfWordsReaded", "4294967301"}}, [](R& r) { r.TotalNumberOfWordsReaded = 5; }},
      {{{"WordsPerMinute", "0"}}, [](R& r) { r.WordsPerMinute = 10; }},
      {{{"WordsPerMinute", "5000"}}, [](R& r) { r.WordsPerMinute = 3000; }},
      {{{"CompresionSetting", "custom"}, {"UserDefinedCompressorSet", custom}},
       [=](R& r) {
         r.CompresionSetting = 5, r.CompressorList = r.UserDefinedCompressorSet = custom;
       }},
      // A preset level does not read the custom list.
      {{{"CompresionSetting", "s70"}, {"UserDefinedCompressorSet", custom}},
       [](R& r) { r.CompresionSetting = 2, r.CompressorList = engine::presetWordList(2); }},
  };
  for (const auto& [texts, change] : cases) {
    reset();
    storeValues(texts);
    SCOPED_TRACE(texts[0].first + " " + texts[0].second);
    SettingsRecord record = changedRecord(1), expected = factoryRecord(); // rules 2 off: 8
    expected.UserDefinedCompressorSet = record.UserDefinedCompressorSet;  // kept unless custom
    change(expected);
    ASSERT_TRUE(open(record).loadAllSettings());
    EXPECT_EQ(record, expected);
  }
}

TEST_F(SettingsFileTest, AKeyThatDoesNotConvertStopsTheLoadThere) {
  const std::string seventeen = "False,False,False,False,False,False,False,False,False,False,"
                                "False,False,False,False,False,False,False";
  // Which texts convert is settings_conversions_test's; one of them, then the rules list.
  const Texts cases = {{"BannerFontSize", "ten"},
                       {"GeneralTextRules", seventeen},
                       {"GeneralTextRules", seventeen + ",False "}, // a blank is part of the item
                       {"GeneralTextRules", ""}};
  for (const auto& bad : cases) {
    reset();
    SCOPED_TRACE(bad.first + " " + bad.second);
    storeValues({{"BannerFontName", "Verdana"}, // first key read
                 {"ReadingMode", "Double"},     // last key read
                 bad});
    SettingsRecord record;
    EXPECT_FALSE(open(record).loadAllSettings());
    EXPECT_EQ(errors(), std::vector<std::string>{LoadFailedMessage});
    EXPECT_EQ(std::pair(record.Banner.FontName, record.ReadingMode),
              std::pair(std::string("Verdana"), SettingsRecord{}.ReadingMode));
  }
}

TEST_F(SettingsFileTest, PositionsKeepTheirOrderAndSkipBlankNames) {
  SettingsRecord record = factoryRecord();
  // Which names need a marked element is settings_conversions_test's.
  record.LoadedDocuments = {{"plain.txt", 10}, {"", 5},          {"   ", 6},
                            {" padded ", 8},   {"What?.txt", 2}, {"last.doc", 99}};
  const std::vector<engine::SavedPosition> expected = {
      {"plain.txt", 10}, {" padded ", 8}, {"What?.txt", 2}, {"last.doc", 99}};
  EXPECT_EQ(roundTrip(record).LoadedDocuments, expected);
}

TEST_F(SettingsFileTest, PositionsAreCutTo32BitsAndBadOnesSkipped) {
  editStored([](StoredDocument& d) {
    pugi::xml_node list = d.key(LoadedDocumentsKey);
    list.append_child(encodeBase64("big").c_str()).text().set(encodeBase64("4294967297").c_str());
    list.append_child(encodeBase64("bad").c_str()).text().set(encodeBase64("x1").c_str());
    list.append_child(encodeBase64("after").c_str()).text().set(encodeBase64("12").c_str());
  });
  SettingsRecord record;
  EXPECT_FALSE(open(record).loadLoadedDocuments());
  EXPECT_EQ(errors(), std::vector<std::string>{LoadFailedMessage});
  const std::vector<engine::SavedPosition> expected = {{"big", 1}, {"after", 12}};
  EXPECT_EQ(record.LoadedDocuments, expected);
}

TEST_F(SettingsFileTest, MissingUnreadableOrMalformedFilesAreReportedAndKeptAsTheyAre) {
  const std::optional<std::string> files[] = {std::nullopt, "", "<a><b></a>"};
  for (const std::optional<std::string>& text : files) {
    SCOPED_TRACE(text.value_or("(missing)"));
    boxes.shown.clear();
    fs::remove(path());
    if (text) platform::writeFileAtomic(path(), *text);
    SettingsRecord record;
    record.WordsPerMinute = 777;
    SettingsFile file(path(), record, boxes);
    EXPECT_FALSE(file.initXMLFILE());
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_NE(errors()[0].find(path().string()), std::string::npos) << errors()[0];
    EXPECT_FALSE(file.saveSettings());
    // A failed file is neither written nor overwritten.
    EXPECT_EQ(fs::exists(path()) ? platform::readWholeFile(path()) : std::optional<std::string>(),
              text);
    EXPECT_EQ(record.WordsPerMinute, 777);
  }
}

TEST_F(SettingsFileTest, MissingOrBadUseDefaultValuesLoadsNothing) {
  for (const bool remove : {true, false}) {
    reset();
    editStored([&](StoredDocument& d) {
      remove ? d.removeKey(UseDefaultValuesKey) : d.set(UseDefaultValuesKey, DefaultField, "maybe");
    });
    SettingsRecord record = changedRecord(0);
    EXPECT_FALSE(open(record).loadAllSettings());
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_NE(errors()[0], LoadFailedMessage) << "a message of its own";
    EXPECT_EQ(record, changedRecord(0));
  }
}

// A full save replaces the file once, so that a crash during it leaves the old
// file or the new one (writeFileAtomic's part), never a part of the keys.
TEST_F(SettingsFileTest, AFullSaveReplacesTheFileOnce) {
  SettingsRecord record = changedRecord(0);
  SettingsFile& file = open(record);
  // Watching both ends of a rename keeps two renames from merging into one event.
  const int watch = ::inotify_init1(IN_NONBLOCK);
  if (watch < 0) GTEST_SKIP() << "inotify is not available here";
  ASSERT_GE(::inotify_add_watch(watch, path().parent_path().c_str(), IN_MOVED_FROM | IN_MOVED_TO),
            0);
  ASSERT_TRUE(file.saveSettings());
  int replaced = 0;
  alignas(inotify_event) char buffer[4096];
  for (ssize_t got; (got = ::read(watch, buffer, sizeof buffer)) > 0;)
    for (char* at = buffer; at < buffer + got;) {
      const auto* event = reinterpret_cast<const inotify_event*>(at);
      replaced += (event->mask & IN_MOVED_TO) && std::string(event->name) == SettingsFileName;
      at += sizeof(inotify_event) + event->len;
    }
  ::close(watch);
  EXPECT_EQ(replaced, 1);
}

TEST(FactorySettingsFile, CheckedInFileIsWhatTheGeneratorWrites) {
  const std::string checkedIn =
      platform::readWholeFile(fs::path(LUMETRA_SOURCE_DIR) / "resources" / SettingsFileName);
  EXPECT_EQ(checkedIn, factorySettingsText())
      << "run gen_settings resources/LumetraSettings.xml after changing the key table";
}

} // namespace
} // namespace shell
