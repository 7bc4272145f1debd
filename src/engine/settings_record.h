// The settings record: one field per key of the settings file, named like the
// key and typed as the program uses it, plus the values derived at load time.
// The program makes one record in main and hands references to the parts that
// read or change it; the settings file code in shell/ loads and saves it.
// Initial values are the fallbacks used when a key is missing from the file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace engine {

enum class TextAlign : std::uint8_t { Left, Centre, Justify };
enum class FontStyle : std::uint8_t { Normal, Bold };
enum class ColumnWidthKind : std::uint8_t { Narrow, Standard, Wide, ExtraWide };
enum class SpeedSelection : std::uint8_t { Automatic, Custom };
enum class ReplaceSelection : std::uint8_t { Dots, Hide };
enum class ReadingModeKind : std::uint8_t { Banner = 0, Sentence = 1, Single = 2, Double = 3 };

// Banner and Sentence mode show frames in the strip; Single and Double show
// column pages.
constexpr bool isBannerMode(ReadingModeKind mode) {
  return mode == ReadingModeKind::Banner || mode == ReadingModeKind::Sentence;
}

// Point sizes that the stored font size indexes 0..13 stand for.
inline constexpr std::array<int, 14> FontSizeList = {8,  9,  10, 11, 12, 14, 16,
                                                     18, 20, 22, 24, 28, 36, 48};

// Point size for a stored index; an index past the list takes its last entry.
inline int fontPointSize(unsigned index) {
  return FontSizeList[index < FontSizeList.size() ? index : FontSizeList.size() - 1];
}

inline constexpr int TextRuleCount = 18;

// The fastest pace. Loading the settings and the speed commands keep
// WordsPerMinute at or below it; the engine only reads it.
inline constexpr std::int16_t MaxWordsPerMinute = 3000;

// One entry of the saved reading positions ("LoadedDocuments").
struct SavedPosition {
  std::string name;
  std::int32_t position = 0;
  bool operator==(const SavedPosition&) const = default;
};

// Stores `position` as the reading position of `name`: every entry of that
// name is updated (a file written elsewhere may repeat a name), or a new one
// is added at the end.
inline void rememberReadingPosition(std::vector<SavedPosition>& table, const std::string& name,
                                    std::int32_t position) {
  bool found = false;
  for (SavedPosition& entry : table)
    if (entry.name == name) {
      entry.position = position;
      found = true;
    }
  if (!found) table.push_back({name, position});
}

// The two colours of a family of modes.
struct StyleColours {
  platform::Color TextColor;
  platform::Color BackgroundColor;
  bool operator==(const StyleColours&) const = default;
};

// How one family of modes shows its text: the banner modes (Banner and
// Sentence) have one, the column modes (Single and Double) the other. The
// settings file stores each field as the family's name and the field's
// ("BannerFontName", "ColumnTextColor").
struct TextStyle {
  platform::Color TextColor{255, 255, 255};
  platform::Color BackgroundColor{0, 0, 0};
  std::string FontName = "Comic Sans MS";
  std::uint8_t FontSize = 10; // an index of the size list
  engine::TextAlign TextAlign = TextAlign::Centre;
  engine::FontStyle FontStyle = FontStyle::Normal;
  int FontPointSize = 24; // derived from FontSize at load time

  StyleColours colours() const { return {TextColor, BackgroundColor}; }
  void setColours(const StyleColours& c) {
    TextColor = c.TextColor;
    BackgroundColor = c.BackgroundColor;
  }
  bool operator==(const TextStyle&) const = default;
};

struct SettingsRecord {
  TextStyle Banner;
  TextStyle Column{.FontSize = 6,
                   .TextAlign = TextAlign::Left,
                   .FontStyle = FontStyle::Bold,
                   .FontPointSize = 16};
  ColumnWidthKind ColumnWidth = ColumnWidthKind::ExtraWide;
  std::uint8_t ColumnNumber = 1;
  std::int16_t WordsPerMinute = 300;
  std::uint8_t WordsPerScreen = 6;
  std::uint8_t LinesPerScreen = 3;
  SpeedSelection SpeedSettingsSelection = SpeedSelection::Custom;
  std::array<bool, TextRuleCount> GeneralTextRules{};
  bool CompressorStatus = false;
  ReplaceSelection CompressorReplaceSelection = ReplaceSelection::Dots;
  std::uint8_t CompresionSetting = 0; // 0..4 = "s90".."s50", 5 = custom
  std::string UserDefinedCompressorSet;
  bool LoopMode = false;
  bool AutoStart = false;
  bool ClearTypeFont = true;
  double TotalReadingTime = 0.0; // milliseconds
  std::uint32_t TotalNumberOfWordsReaded = 0;
  bool AutoIncrease = false;
  bool AutoHideProgressBar = false;
  ReadingModeKind ReadingMode = ReadingModeKind::Banner;
  std::vector<SavedPosition> LoadedDocuments; // in file order, names as given

  // Derived at load time (and the styles' FontPointSize).
  int HeadingMaxWords = 8; // 12 with rule 2 ("Detect longer headings"), else 8
  // The active AutoSkim word list: the level's preset, or the custom list;
  // empty until the settings are loaded.
  std::string CompressorList;

  bool operator==(const SettingsRecord&) const = default;

  // The style of the family `mode` belongs to.
  TextStyle& styleOf(ReadingModeKind mode) { return isBannerMode(mode) ? Banner : Column; }
  const TextStyle& styleOf(ReadingModeKind mode) const {
    return isBannerMode(mode) ? Banner : Column;
  }
};

// The values that follow from others, set whenever settings are loaded or
// given: the longest heading from the "longer headings" rule, the active
// AutoSkim list from the level (a custom level takes the user's list).
void deriveSettings(SettingsRecord& settings);
// The words a heading may hold: 12 with the "longer headings" rule, else 8.
int headingMaxWordsFor(const SettingsRecord& settings);

} // namespace engine
