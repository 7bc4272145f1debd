#include "shell/settings_file.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/autoskim_words.h"
#include "platform/message_boxes.h"
#include "shell/base64.h"

namespace shell {
namespace {

namespace fs = std::filesystem;
using engine::SettingsRecord;

class TempFolder {
public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "lumetra-settings-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

private:
  fs::path path_;
};

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void writeFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Edits a settings document in the stored form, addressing elements by their
// plain names.
class StoredDocument {
public:
  explicit StoredDocument(const std::string& xml) { document_.load_string(xml.c_str()); }
  pugi::xml_node key(const std::string& name) {
    return document_.document_element().child(encodeBase64(name).c_str());
  }
  void setText(const std::string& name, const std::string& field, const std::string& stored) {
    key(name).child(encodeBase64(field).c_str()).text().set(stored.c_str());
  }
  void set(const std::string& name, const std::string& field, const std::string& plain) {
    setText(name, field, encodeBase64(plain));
  }
  void removeKey(const std::string& name) { document_.document_element().remove_child(key(name)); }
  std::string text() const {
    std::ostringstream out;
    document_.save(out);
    return out.str();
  }

private:
  pugi::xml_document document_;
};

// A settings file in a temporary folder with the record it loads into and the
// errors it reports.
class SettingsFileTest : public ::testing::Test {
protected:
  void SetUp() override { writeFile(path(), factorySettingsText()); }

  fs::path path() const { return folder_.path() / SettingsFileName; }

  SettingsFile& open(SettingsRecord& record) {
    files_.push_back(std::make_unique<SettingsFile>(path(), record, boxes));
    SettingsFile& file = *files_.back();
    file.setDecimalPoint('.');
    EXPECT_TRUE(file.initXMLFILE());
    return file;
  }

  // Saves `record` into the factory file and loads the file into a new record.
  SettingsRecord roundTrip(const SettingsRecord& record) {
    SettingsRecord saved = record;
    EXPECT_TRUE(open(saved).saveSettings());
    SettingsRecord loaded;
    EXPECT_TRUE(open(loaded).loadAllSettings());
    return loaded;
  }

  void editStored(const std::function<void(StoredDocument&)>& edit) {
    StoredDocument document(readFile(path()));
    edit(document);
    writeFile(path(), document.text());
  }

  // The texts of the boxes shown so far; every one must be an error box.
  std::vector<std::string> errors() const {
    std::vector<std::string> texts;
    for (const platform::ShownMessage& shown : boxes.shown) {
      EXPECT_EQ(shown.kind, platform::MessageKind::Error) << shown.text;
      texts.push_back(shown.text);
    }
    return texts;
  }

  platform::RecordingMessageBoxes boxes;

private:
  TempFolder folder_;
  std::vector<std::unique_ptr<SettingsFile>> files_;
};

// The record as a fresh factory file loads it.
SettingsRecord factoryRecord() {
  SettingsRecord record;
  record.CompressorList = engine::presetWordList(0);
  return record;
}

TEST_F(SettingsFileTest, FactoryFileLoadsTheFallbacksFromItsDefaults) {
  SettingsRecord record;
  record.WordsPerMinute = 555; // proves the load wrote the field
  SettingsFile& file = open(record);
  EXPECT_EQ(file.readBoolSetting(UseDefaultValuesKey, DefaultField, ""), true);
  EXPECT_TRUE(file.loadAllSettings());
  EXPECT_EQ(record, factoryRecord());
  EXPECT_TRUE(errors().empty());
}

// Each case changes one field away from its fallback; every one must survive
// a save and a load, alone and all together.
struct FieldChange {
  const char* what;
  std::function<void(SettingsRecord&)> apply;
};

std::vector<FieldChange> fieldChanges() {
  using namespace engine;
  return {
      {"BannerTextColor",
       [](SettingsRecord& r) { r.BannerTextColor = platform::rgb(255, 255, 0); }},
      {"BannerBackgroundColor",
       [](SettingsRecord& r) { r.BannerBackgroundColor = platform::rgb(255, 255, 255); }},
      {"BannerFontName", [](SettingsRecord& r) { r.BannerFontName = "Times New Roman"; }},
      {"BannerFontSize",
       [](SettingsRecord& r) { r.BannerFontSize = 13, r.BannerFontPointSize = 48; }},
      {"BannerTextAlign", [](SettingsRecord& r) { r.BannerTextAlign = TextAlign::Left; }},
      {"BannerFontStyle", [](SettingsRecord& r) { r.BannerFontStyle = FontStyle::Bold; }},
      {"ColumnTextColor", [](SettingsRecord& r) { r.ColumnTextColor = platform::rgb(0, 0, 0); }},
      {"ColumnBackgroundColor",
       [](SettingsRecord& r) { r.ColumnBackgroundColor = platform::rgb(211, 211, 211); }},
      {"ColumnFontName", [](SettingsRecord& r) { r.ColumnFontName = "Caf\xe9 Sans"; }},
      {"ColumnFontSize",
       [](SettingsRecord& r) { r.ColumnFontSize = 0, r.ColumnFontPointSize = 8; }},
      {"ColumnTextAlign Centre", [](SettingsRecord& r) { r.ColumnTextAlign = TextAlign::Centre; }},
      {"ColumnTextAlign Justify",
       [](SettingsRecord& r) { r.ColumnTextAlign = TextAlign::Justify; }},
      {"ColumnFontStyle", [](SettingsRecord& r) { r.ColumnFontStyle = FontStyle::Normal; }},
      {"ColumnWidth Narrow", [](SettingsRecord& r) { r.ColumnWidth = ColumnWidthKind::Narrow; }},
      {"ColumnWidth Standard",
       [](SettingsRecord& r) { r.ColumnWidth = ColumnWidthKind::Standard; }},
      {"ColumnWidth Wide", [](SettingsRecord& r) { r.ColumnWidth = ColumnWidthKind::Wide; }},
      {"ColumnNumber", [](SettingsRecord& r) { r.ColumnNumber = 2; }},
      {"WordsPerMinute", [](SettingsRecord& r) { r.WordsPerMinute = 1250; }},
      {"WordsPerScreen", [](SettingsRecord& r) { r.WordsPerScreen = 11; }},
      {"LinesPerScreen", [](SettingsRecord& r) { r.LinesPerScreen = 5; }},
      {"SpeedSettingsSelection",
       [](SettingsRecord& r) { r.SpeedSettingsSelection = SpeedSelection::Automatic; }},
      {"GeneralTextRules",
       [](SettingsRecord& r) {
         for (std::size_t i = 0; i < r.GeneralTextRules.size(); i += 3)
           r.GeneralTextRules[i] = true;
         r.GeneralTextRules[2] = true;
         r.HeadingMaxWords = 12;
       }},
      {"CompressorStatus", [](SettingsRecord& r) { r.CompressorStatus = true; }},
      {"CompressorReplaceSelection",
       [](SettingsRecord& r) { r.CompressorReplaceSelection = ReplaceSelection::Hide; }},
      {"CompresionSetting preset",
       [](SettingsRecord& r) { r.CompresionSetting = 3, r.CompressorList = presetWordList(3); }},
      {"CompresionSetting custom",
       [](SettingsRecord& r) {
         r.CompresionSetting = 5;
         r.CompressorList = r.UserDefinedCompressorSet = ",the,with,people,";
       }},
      {"LoopMode", [](SettingsRecord& r) { r.LoopMode = true; }},
      {"AutoStart", [](SettingsRecord& r) { r.AutoStart = true; }},
      {"ClearTypeFont", [](SettingsRecord& r) { r.ClearTypeFont = false; }},
      {"TotalReadingTime", [](SettingsRecord& r) { r.TotalReadingTime = 98765432.125; }},
      {"TotalNumberOfWordsReaded",
       [](SettingsRecord& r) { r.TotalNumberOfWordsReaded = 4000000000u; }},
      {"AutoIncrease", [](SettingsRecord& r) { r.AutoIncrease = true; }},
      {"AutoHideProgressBar", [](SettingsRecord& r) { r.AutoHideProgressBar = true; }},
      {"ReadingMode Sentence",
       [](SettingsRecord& r) { r.ReadingMode = ReadingModeKind::Sentence; }},
      {"ReadingMode Single", [](SettingsRecord& r) { r.ReadingMode = ReadingModeKind::Single; }},
      {"ReadingMode Double", [](SettingsRecord& r) { r.ReadingMode = ReadingModeKind::Double; }},
      {"LoadedDocuments",
       [](SettingsRecord& r) {
         r.LoadedDocuments = {{"report.txt", 1200}, {"C:\\Docs\\notes?.doc", 7}, {"last", -1}};
       }},
  };
}

TEST_F(SettingsFileTest, EveryKeySurvivesASaveAndALoad) {
  for (const FieldChange& change : fieldChanges()) {
    SetUp();
    SettingsRecord record = factoryRecord();
    change.apply(record);
    ASSERT_NE(record, factoryRecord()) << change.what;
    EXPECT_EQ(roundTrip(record), record) << change.what;
  }
}

TEST_F(SettingsFileTest, AllKeysChangedTogetherSurviveASaveAndALoad) {
  SettingsRecord record = factoryRecord();
  for (const FieldChange& change : fieldChanges())
    change.apply(record);
  EXPECT_EQ(roundTrip(record), record);
  EXPECT_TRUE(errors().empty());
}

TEST_F(SettingsFileTest, FirstFullSaveTurnsUseDefaultValuesOff) {
  // The current values differ from the factory defaults.
  editStored([](StoredDocument& d) {
    d.set("WordsPerMinute", ValueField, "450");
    d.set("ReadingMode", ValueField, "Single");
  });
  SettingsRecord first;
  SettingsFile& file = open(first);
  ASSERT_TRUE(file.loadAllSettings());
  EXPECT_EQ(first.WordsPerMinute, 300);
  EXPECT_EQ(first.ReadingMode, engine::ReadingModeKind::Banner);

  first.WordsPerMinute = 520;
  ASSERT_TRUE(file.saveSettings());
  EXPECT_EQ(file.readSetting(UseDefaultValuesKey, DefaultField, ""), "False");

  SettingsRecord second;
  ASSERT_TRUE(open(second).loadAllSettings());
  EXPECT_EQ(second.WordsPerMinute, 520);
  EXPECT_EQ(second.ReadingMode, engine::ReadingModeKind::Banner);
  // The factory defaults are still there for Restore Defaults.
  EXPECT_EQ(open(second).readSetting("WordsPerMinute", DefaultField, ""), "300");
}

TEST_F(SettingsFileTest, LoadSettingsReadsTheFieldItIsGiven) {
  editStored([](StoredDocument& d) {
    d.set(UseDefaultValuesKey, DefaultField, "False");
    d.set("LinesPerScreen", ValueField, "4");
  });
  SettingsRecord record;
  SettingsFile& file = open(record);
  ASSERT_TRUE(file.loadAllSettings());
  EXPECT_EQ(record.LinesPerScreen, 4);
  ASSERT_TRUE(file.loadSettings(DefaultField));
  EXPECT_EQ(record.LinesPerScreen, 3);
}

TEST_F(SettingsFileTest, MissingElementsGiveTheirFallbacks) {
  editStored([](StoredDocument& d) {
    d.set(UseDefaultValuesKey, DefaultField, "False");
    d.removeKey("ColumnWidth");
    d.removeKey("ColumnFontStyle");
    d.removeKey("BannerFontSize");
    d.key("WordsPerScreen").remove_child(encodeBase64(ValueField).c_str());
    d.removeKey(LoadedDocumentsKey);
  });
  SettingsRecord record;
  record.ColumnWidth = engine::ColumnWidthKind::Narrow;
  record.ColumnFontStyle = engine::FontStyle::Normal;
  record.BannerFontSize = 2;
  record.BannerFontPointSize = 10;
  record.WordsPerScreen = 9;
  record.LoadedDocuments = {{"stale", 3}};
  ASSERT_TRUE(open(record).loadAllSettings());
  EXPECT_EQ(record.ColumnWidth, engine::ColumnWidthKind::ExtraWide);
  EXPECT_EQ(record.ColumnFontStyle, engine::FontStyle::Bold);
  EXPECT_EQ(record.BannerFontSize, 10);
  EXPECT_EQ(record.BannerFontPointSize, 24);
  EXPECT_EQ(record.WordsPerScreen, 6);
  EXPECT_TRUE(record.LoadedDocuments.empty());
}

TEST_F(SettingsFileTest, ColourSchemesSurviveWithTheirStoredNames) {
  struct Scheme {
    platform::Color text, background;
    const char* textName;
    const char* bannerBackground;
    const char* columnBackground;
  };
  const Scheme schemes[] = {
      {platform::rgb(128, 0, 0), platform::rgb(211, 211, 211), "Dark Red", "Grey", "Grey"},
      {platform::rgb(192, 192, 192), platform::rgb(0, 0, 94), "Granite", "Navy", "Dark Teal"},
      {platform::rgb(128, 128, 128), platform::rgb(255, 255, 255), "Grey", "White", "White"},
  };
  for (const Scheme& s : schemes) {
    SetUp();
    SettingsRecord record = factoryRecord();
    record.BannerTextColor = record.ColumnTextColor = s.text;
    record.BannerBackgroundColor = record.ColumnBackgroundColor = s.background;
    ASSERT_TRUE(open(record).saveSettings());
    SettingsFile& file = open(record);
    EXPECT_EQ(file.readSetting("BannerTextColor", ValueField, ""), s.textName);
    EXPECT_EQ(file.readSetting("ColumnTextColor", ValueField, ""), s.textName);
    EXPECT_EQ(file.readSetting("BannerBackgroundColor", ValueField, ""), s.bannerBackground);
    EXPECT_EQ(file.readSetting("ColumnBackgroundColor", ValueField, ""), s.columnBackground);
    EXPECT_EQ(roundTrip(record), record) << s.textName;
  }
}

TEST_F(SettingsFileTest, UnknownColourNamesReadAsSilverAndNavy) {
  editStored([](StoredDocument& d) {
    d.set(UseDefaultValuesKey, DefaultField, "False");
    d.set("BannerTextColor", ValueField, "Pink");
    d.set("BannerBackgroundColor", ValueField, "Dark Teal");
    d.set("ColumnBackgroundColor", ValueField, "Navy");
  });
  SettingsRecord record;
  ASSERT_TRUE(open(record).loadAllSettings());
  EXPECT_EQ(record.BannerTextColor, platform::rgb(192, 192, 192));
  EXPECT_EQ(record.BannerBackgroundColor, platform::rgb(0, 0, 94));
  EXPECT_EQ(record.ColumnBackgroundColor, platform::rgb(0, 0, 94));
}

TEST_F(SettingsFileTest, AlignmentTextsBannerKeepsColumnJustifies) {
  editStored([](StoredDocument& d) {
    d.set(UseDefaultValuesKey, DefaultField, "False");
    d.set("BannerTextAlign", ValueField, "Justify");
    d.set("ColumnTextAlign", ValueField, "Justify");
  });
  SettingsRecord record;
  record.BannerTextAlign = engine::TextAlign::Left;
  ASSERT_TRUE(open(record).loadAllSettings());
  EXPECT_EQ(record.BannerTextAlign, engine::TextAlign::Left);
  EXPECT_EQ(record.ColumnTextAlign, engine::TextAlign::Justify);
}

const std::string EighteenRules = "True,False,True,False,False,False,False,False,False,False,"
                                  "False,False,False,False,False,False,False,True";

TEST_F(SettingsFileTest, TextRuleLists) {
  struct Case {
    std::string stored;
    bool loads;
  };
  const Case cases[] = {
      {EighteenRules, true},
      {EighteenRules + ",False", true},                            // 19 items: the last is ignored
      {EighteenRules + ",banana,,", true},                         // so is anything past it
      {EighteenRules.substr(0, EighteenRules.rfind(',')), false},  // 17 items
      {" True, 'False,'True,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1", true}, // blanks and quotes
      {"True,False,True,False,False,False,False,False,False,False,False,False,False,False,"
       "False,False,False,True ",
       false}, // a blank after an item is part of it
      {"", false},
  };
  for (const Case& c : cases) {
    SetUp();
    boxes.shown.clear();
    editStored([&](StoredDocument& d) {
      d.set(UseDefaultValuesKey, DefaultField, "False");
      d.set("GeneralTextRules", ValueField, c.stored);
      d.set("SpeedSettingsSelection", ValueField, "Automatic"); // the key before
      d.set("CompressorStatus", ValueField, "True");            // the key after
    });
    SettingsRecord record;
    const bool loaded = open(record).loadSettings(ValueField);
    EXPECT_EQ(loaded, c.loads) << c.stored;
    EXPECT_EQ(record.SpeedSettingsSelection, engine::SpeedSelection::Automatic) << c.stored;
    if (c.loads) {
      EXPECT_TRUE(errors().empty()) << c.stored;
      EXPECT_TRUE(record.GeneralTextRules[0] && !record.GeneralTextRules[1]) << c.stored;
      EXPECT_TRUE(record.GeneralTextRules[2] && record.GeneralTextRules[17]) << c.stored;
      EXPECT_FALSE(record.GeneralTextRules[3]) << c.stored;
      EXPECT_EQ(record.HeadingMaxWords, 12) << c.stored;
      EXPECT_TRUE(record.CompressorStatus) << c.stored;
    } else {
      EXPECT_EQ(errors(), std::vector<std::string>{LoadFailedMessage}) << c.stored;
      EXPECT_EQ(record.GeneralTextRules, SettingsRecord{}.GeneralTextRules) << c.stored;
      EXPECT_FALSE(record.CompressorStatus) << c.stored;
    }
  }
}

TEST_F(SettingsFileTest, HeadingLimitFollowsRuleTwo) {
  SettingsRecord record = factoryRecord();
  record.GeneralTextRules[2] = true;
  record.HeadingMaxWords = 12;
  ASSERT_TRUE(open(record).saveSettings());
  editStored([](StoredDocument& d) {
    d.set("GeneralTextRules", ValueField,
          "False,False,False,True,True,True,True,True,True,True,True,True,True,True,True,True,"
          "True,True");
  });
  SettingsRecord loaded;
  loaded.HeadingMaxWords = 12;
  ASSERT_TRUE(open(loaded).loadAllSettings());
  EXPECT_EQ(loaded.HeadingMaxWords, 8);
}

TEST_F(SettingsFileTest, AKeyThatDoesNotConvertStopsTheLoadThere) {
  struct Case {
    const char* key;
    const char* stored;
  };
  const Case cases[] = {
      {"BannerFontSize", "ten"},   {"WordsPerMinute", "3OO"},         {"CompressorStatus", "on"},
      {"TotalReadingTime", "1,5"}, {"TotalNumberOfWordsReaded", "-"}, {"ColumnNumber", "2.0"},
  };
  for (const Case& c : cases) {
    SetUp();
    boxes.shown.clear();
    editStored([&](StoredDocument& d) {
      d.set(UseDefaultValuesKey, DefaultField, "False");
      d.set("BannerFontName", ValueField, "Verdana"); // first key read
      d.set("ReadingMode", ValueField, "Double");     // last key read
      d.set(c.key, ValueField, c.stored);
    });
    SettingsRecord record;
    const SettingsRecord before = record;
    EXPECT_FALSE(open(record).loadAllSettings()) << c.key;
    EXPECT_EQ(errors(), std::vector<std::string>{LoadFailedMessage}) << c.key;
    EXPECT_EQ(record.BannerFontName, "Verdana") << c.key;
    EXPECT_EQ(record.ReadingMode, before.ReadingMode) << c.key;
  }
}

TEST_F(SettingsFileTest, NumbersAreCutToTheirFields) {
  struct Case {
    const char* key;
    const char* stored;
    std::function<void(const SettingsRecord&)> check;
  };
  const Case cases[] = {
      {"TotalNumberOfWordsReaded", "4294967296",
       [](const SettingsRecord& r) { EXPECT_EQ(r.TotalNumberOfWordsReaded, 0u); }},
      {"TotalNumberOfWordsReaded", "4294967301",
       [](const SettingsRecord& r) { EXPECT_EQ(r.TotalNumberOfWordsReaded, 5u); }},
      {"TotalNumberOfWordsReaded", "-1",
       [](const SettingsRecord& r) { EXPECT_EQ(r.TotalNumberOfWordsReaded, 4294967295u); }},
      {"WordsPerMinute", "0", [](const SettingsRecord& r) { EXPECT_EQ(r.WordsPerMinute, 10); }},
      {"WordsPerMinute", "-250", [](const SettingsRecord& r) { EXPECT_EQ(r.WordsPerMinute, 10); }},
      {"WordsPerMinute", "1", [](const SettingsRecord& r) { EXPECT_EQ(r.WordsPerMinute, 1); }},
      {"BannerFontSize", "20",
       [](const SettingsRecord& r) {
         EXPECT_EQ(r.BannerFontSize, 20);
         EXPECT_EQ(r.BannerFontPointSize, 48);
       }},
      {"ColumnFontSize", "0", [](const SettingsRecord& r) { EXPECT_EQ(r.ColumnFontPointSize, 8); }},
      {"ColumnFontSize", "11",
       [](const SettingsRecord& r) { EXPECT_EQ(r.ColumnFontPointSize, 28); }},
  };
  for (const Case& c : cases) {
    SetUp();
    editStored([&](StoredDocument& d) {
      d.set(UseDefaultValuesKey, DefaultField, "False");
      d.set(c.key, ValueField, c.stored);
    });
    SettingsRecord record;
    ASSERT_TRUE(open(record).loadAllSettings()) << c.key << " " << c.stored;
    c.check(record);
  }
}

TEST_F(SettingsFileTest, AutoSkimListFollowsTheLevel) {
  struct Case {
    const char* level;
    int expected;
  };
  const Case cases[] = {{"s90", 0}, {"s80", 1}, {"s70", 2}, {"s60", 3}, {"s50", 4}, {"custom", 5}};
  for (const Case& c : cases) {
    SetUp();
    editStored([&](StoredDocument& d) {
      d.set(UseDefaultValuesKey, DefaultField, "False");
      d.set("CompresionSetting", ValueField, c.level);
      d.set("UserDefinedCompressorSet", ValueField, ",people,water,");
    });
    SettingsRecord record;
    record.UserDefinedCompressorSet = ",kept,";
    ASSERT_TRUE(open(record).loadAllSettings()) << c.level;
    EXPECT_EQ(record.CompresionSetting, c.expected) << c.level;
    if (c.expected == 5) {
      EXPECT_EQ(record.CompressorList, ",people,water,");
      EXPECT_EQ(record.UserDefinedCompressorSet, ",people,water,");
    } else {
      EXPECT_EQ(record.CompressorList, engine::presetWordList(c.expected)) << c.level;
      EXPECT_EQ(record.UserDefinedCompressorSet, ",kept,") << c.level;
    }
  }
}

TEST_F(SettingsFileTest, SaveStoresTheActiveListAsTheCustomList) {
  SettingsRecord record = factoryRecord();
  record.CompresionSetting = 1;
  record.CompressorList = engine::presetWordList(1);
  SettingsFile& file = open(record);
  ASSERT_TRUE(file.saveSettings());
  EXPECT_EQ(file.readSetting("UserDefinedCompressorSet", ValueField, "none"),
            engine::presetWordList(1));
  EXPECT_EQ(file.readSetting("CompresionSetting", ValueField, ""), "s80");
}

TEST_F(SettingsFileTest, TotalReadingTimeUsesTheDecimalSeparator) {
  SettingsRecord record = factoryRecord();
  record.TotalReadingTime = 1234.5;
  SettingsFile& file = open(record);
  file.setDecimalPoint(',');
  ASSERT_TRUE(file.saveSettings());
  EXPECT_EQ(file.readSetting("TotalReadingTime", ValueField, ""), "1234,5");

  SettingsRecord loaded;
  SettingsFile& reader = open(loaded);
  reader.setDecimalPoint(',');
  ASSERT_TRUE(reader.loadAllSettings());
  EXPECT_EQ(loaded.TotalReadingTime, 1234.5);

  // The same text is not a number where the separator is a point.
  SettingsRecord elsewhere;
  EXPECT_FALSE(open(elsewhere).loadAllSettings());
  EXPECT_EQ(elsewhere.TotalReadingTime, 0.0);
}

TEST_F(SettingsFileTest, BooleansReadInAnyCaseOrAsNumbers) {
  editStored([](StoredDocument& d) {
    d.set(UseDefaultValuesKey, DefaultField, "fALSE");
    d.set("LoopMode", ValueField, "TRUE");
    d.set("AutoStart", ValueField, "7");
    d.set("ClearTypeFont", ValueField, "0");
  });
  SettingsRecord record;
  ASSERT_TRUE(open(record).loadAllSettings());
  EXPECT_TRUE(record.LoopMode);
  EXPECT_TRUE(record.AutoStart);
  EXPECT_FALSE(record.ClearTypeFont);
}

TEST_F(SettingsFileTest, PaddedBase64FromAnotherToolDecodes) {
  editStored([](StoredDocument& d) {
    d.set(UseDefaultValuesKey, DefaultField, "False");
    d.setText("WordsPerMinute", ValueField, "NDU=");         // "45"
    d.setText("BannerFontName", ValueField, "QXJpYWw=");     // "Arial"
    d.setText("ColumnFontName", ValueField, "VmVyZGFuYQ=="); // "Verdana"
  });
  SettingsRecord record;
  ASSERT_TRUE(open(record).loadAllSettings());
  EXPECT_EQ(record.WordsPerMinute, 45);
  EXPECT_EQ(record.BannerFontName, "Arial");
  EXPECT_EQ(record.ColumnFontName, "Verdana");
}

TEST_F(SettingsFileTest, ReadSettingFallbackIsNeverDecoded) {
  SettingsRecord record;
  SettingsFile& file = open(record);
  EXPECT_EQ(file.readSetting("NoSuchKey", ValueField, "QXJpYWw"), "QXJpYWw");
  EXPECT_EQ(file.readSetting("WordsPerMinute", "nosuchfield", "x"), "x");
  EXPECT_EQ(file.readSetting("WordsPerMinute", ValueField, "x"), "300");
}

TEST_F(SettingsFileTest, WriteSettingNeverCreatesElementsButSaves) {
  SettingsRecord record;
  SettingsFile& file = open(record);
  const std::string before = readFile(path());
  fs::remove(path());
  EXPECT_TRUE(file.writeSetting("NoSuchKey", ValueField, "1"));
  EXPECT_EQ(readFile(path()), before);
  EXPECT_TRUE(file.writeSetting(UseDefaultValuesKey, ValueField, "1"));
  EXPECT_EQ(readFile(path()), before);
  EXPECT_TRUE(file.writeBoolSetting("LoopMode", ValueField, true));
  EXPECT_EQ(open(record).readSetting("LoopMode", ValueField, ""), "True");
}

TEST_F(SettingsFileTest, AnEmptyFieldNameAddressesTheKeyElementItself) {
  editStored([](StoredDocument& d) {
    d.key("AutoIncrease").prepend_child(pugi::node_pcdata).set_value(encodeBase64("own").c_str());
  });
  SettingsRecord record;
  SettingsFile& file = open(record);
  EXPECT_EQ(file.readSetting("AutoIncrease", "", "fallback"), "own");
  EXPECT_TRUE(file.writeSetting("AutoIncrease", "", "changed"));
  SettingsFile& reopened = open(record);
  EXPECT_EQ(reopened.readSetting("AutoIncrease", "", "fallback"), "changed");
  EXPECT_EQ(reopened.readSetting("AutoIncrease", ValueField, ""), "false");
}

TEST_F(SettingsFileTest, DocumentPositionsKeepTheirOrderAndSkipBlankNames) {
  SettingsRecord record = factoryRecord();
  record.LoadedDocuments = {
      {"first.txt", 10}, {"", 5}, {"   ", 6}, {"\t", 7}, {" padded ", 8}, {"last.doc", 99},
  };
  SettingsFile& file = open(record);
  ASSERT_TRUE(file.saveLoadedDocuments());
  SettingsRecord loaded;
  ASSERT_TRUE(open(loaded).loadLoadedDocuments());
  const std::vector<engine::SavedPosition> expected = {
      {"first.txt", 10}, {" padded ", 8}, {"last.doc", 99}};
  EXPECT_EQ(loaded.LoadedDocuments, expected);
}

TEST_F(SettingsFileTest, NamesWithoutAValidElementFormAreStillStored) {
  SettingsRecord record = factoryRecord();
  record.LoadedDocuments = {
      {"plain.txt", 1}, {"What?.txt", 2}, {"a~b>c", 3}, {"\xe9t\xe9.txt", 4}, {"end", 5}};
  ASSERT_TRUE(open(record).saveSettings());
  SettingsRecord loaded;
  ASSERT_TRUE(open(loaded).loadAllSettings());
  EXPECT_EQ(loaded.LoadedDocuments, record.LoadedDocuments);
  // Names that are valid as they stand keep their plain Base64 element.
  EXPECT_NE(readFile(path()).find("<" + encodeBase64("plain.txt") + ">"), std::string::npos);
}

TEST_F(SettingsFileTest, PositionsAreCutTo32Bits) {
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

TEST_F(SettingsFileTest, UnreadableOrMalformedFilesAreReportedAndKeptAsTheyAre) {
  const std::string malformed[] = {"", "<a><b></a>", "not xml at all", "<?xml version=\"1.0\"?>"};
  for (const std::string& text : malformed) {
    boxes.shown.clear();
    writeFile(path(), text);
    SettingsRecord record;
    record.WordsPerMinute = 777;
    SettingsFile file(path(), record, boxes);
    EXPECT_FALSE(file.initXMLFILE()) << text;
    ASSERT_EQ(errors().size(), 1u) << text;
    EXPECT_NE(errors()[0].find(path().string()), std::string::npos) << errors()[0];
    EXPECT_FALSE(file.saveSettings()) << text;
    EXPECT_EQ(readFile(path()), text) << "a failed file must not be overwritten";
    EXPECT_EQ(record.WordsPerMinute, 777);
  }
  fs::remove(path());
  boxes.shown.clear();
  SettingsRecord record;
  SettingsFile missing(path(), record, boxes);
  EXPECT_FALSE(missing.initXMLFILE());
  EXPECT_EQ(errors().size(), 1u);
  EXPECT_FALSE(fs::exists(path()));
}

TEST_F(SettingsFileTest, MissingOrBadUseDefaultValuesLoadsNothing) {
  for (const bool remove : {true, false}) {
    SetUp();
    boxes.shown.clear();
    editStored([&](StoredDocument& d) {
      if (remove)
        d.removeKey(UseDefaultValuesKey);
      else
        d.set(UseDefaultValuesKey, DefaultField, "maybe");
    });
    SettingsRecord record;
    record.WordsPerMinute = 777;
    EXPECT_FALSE(open(record).loadAllSettings());
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_NE(errors()[0], LoadFailedMessage);
    EXPECT_EQ(record.WordsPerMinute, 777);
  }
}

TEST(FactorySettingsFile, CheckedInFileIsWhatTheGeneratorWrites) {
  const std::string checkedIn =
      readFile(fs::path(LUMETRA_SOURCE_DIR) / "resources" / SettingsFileName);
  EXPECT_EQ(checkedIn, factorySettingsText())
      << "run gen_settings resources/LumetraSettings.xml after changing the key table";
}

TEST(FactorySettingsFile, HoldsEveryKeyWithBothFields) {
  StoredDocument document(factorySettingsText());
  for (const SettingsKey& key : settingsKeys()) {
    pugi::xml_node element = document.key(key.name);
    ASSERT_TRUE(element) << key.name;
    EXPECT_EQ(decodeBase64(element.child(encodeBase64(ValueField).c_str()).text().get()),
              key.fallback)
        << key.name;
    EXPECT_EQ(decodeBase64(element.child(encodeBase64(DefaultField).c_str()).text().get()),
              key.fallback)
        << key.name;
  }
  EXPECT_TRUE(document.key(LoadedDocumentsKey));
  EXPECT_TRUE(document.key(LoadedDocumentsKey).first_child().empty());
  EXPECT_EQ(settingsKeys().size(), 31u);
}

} // namespace
} // namespace shell

namespace shell {
namespace {

// Where a locale with a decimal comma is installed, the file follows it
// without being told.
TEST(SettingsFileLocale, TotalReadingTimeFollowsTheUserLocale) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  bool found = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
    if (std::setlocale(LC_NUMERIC, name) != nullptr) {
      found = true;
      break;
    }
  }
  if (!found) GTEST_SKIP() << "no locale with a decimal comma is installed";

  TempFolder folder;
  const fs::path path = folder.path() / SettingsFileName;
  writeFile(path, factorySettingsText());
  platform::RecordingMessageBoxes report;
  SettingsRecord record;
  record.TotalReadingTime = 60000.75;
  SettingsFile writer(path, record, report);
  ASSERT_TRUE(writer.initXMLFILE());
  ASSERT_TRUE(writer.saveSettings());
  const std::string stored = writer.readSetting("TotalReadingTime", ValueField, "");
  SettingsRecord loaded;
  SettingsFile reader(path, loaded, report);
  ASSERT_TRUE(reader.initXMLFILE());
  const bool ok = reader.loadAllSettings();
  std::setlocale(LC_NUMERIC, saved.c_str());

  EXPECT_EQ(stored, "60000,75");
  EXPECT_TRUE(ok);
  EXPECT_EQ(loaded.TotalReadingTime, 60000.75);
  EXPECT_TRUE(report.shown.empty());
}

} // namespace
} // namespace shell
