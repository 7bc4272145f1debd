#include "shell/settings_keys.h"

#include <algorithm>
#include <array>
#include <limits>

#include "engine/autoskim_words.h"
#include "shell/settings_conversions.h"

namespace shell {
namespace {

using engine::SettingsRecord;
using Conversion = SettingsConversion;

// A stored number is read as a 32-bit decimal and cut to the low bits of its
// field, as an integer assignment does (an index of 300 kept in a byte is 44).
template <typename Field> bool loadInteger(std::string_view text, Field& field) {
  const auto value = parseSettingsInt32(text);
  if (!value) return false;
  field = static_cast<Field>(*value);
  return true;
}

template <typename Field> std::string saveInteger(Field value) {
  return std::to_string(static_cast<long long>(value));
}

bool loadBool(std::string_view text, bool& field, const Conversion& conversion) {
  const auto value = parseSettingsBool(text, conversion.decimalPoint);
  if (!value) return false;
  field = *value;
  return true;
}

// Expands to a load and a save function for a boolean field.
#define LUMETRA_BOOL_KEY(Key, Fallback)                                                            \
  SettingsKey {                                                                                    \
#Key, Fallback, nullptr,                                                                       \
        [](std::string_view text, SettingsRecord& r, const Conversion& c) {                        \
          return loadBool(text, r.Key, c);                                                         \
        },                                                                                         \
        [](const SettingsRecord& r, const Conversion&) { return formatSettingsBool(r.Key); }   \
  }

#define LUMETRA_INT_KEY(Key, Fallback)                                                             \
  SettingsKey {                                                                                    \
#Key, Fallback, nullptr,                                                                       \
        [](std::string_view text, SettingsRecord& r, const Conversion&) {                          \
          return loadInteger(text, r.Key);                                                         \
        },                                                                                         \
        [](const SettingsRecord& r, const Conversion&) { return saveInteger(r.Key); }   \
  }

engine::FontStyle fontStyleFromText(std::string_view text) {
  return text == "Normal" ? engine::FontStyle::Normal : engine::FontStyle::Bold;
}

std::string fontStyleText(engine::FontStyle style) {
  return style == engine::FontStyle::Normal ? "Normal" : "Bold";
}

// Rules are split at ","; blanks and apostrophes before an item are skipped;
// items past the last rule are ignored; fewer items than rules is an error.
bool loadTextRules(std::string_view text, SettingsRecord& record, const Conversion& conversion) {
  std::array<bool, engine::TextRuleCount> rules{};
  std::size_t start = 0;
  for (int index = 0; index < engine::TextRuleCount; ++index) {
    if (start > text.size()) return false;
    std::size_t end = text.find(',', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view item = text.substr(start, end - start);
    while (!item.empty() && (item.front() == ' ' || item.front() == '\''))
      item.remove_prefix(1);
    const auto value = parseSettingsBool(item, conversion.decimalPoint);
    if (!value) return false;
    rules[static_cast<std::size_t>(index)] = *value;
    start = end + 1;
  }
  record.GeneralTextRules = rules;
  return true;
}

std::string saveTextRules(const SettingsRecord& record) {
  std::string text;
  for (std::size_t i = 0; i < record.GeneralTextRules.size(); ++i) {
    if (i > 0) text += ',';
    text += formatSettingsBool(record.GeneralTextRules[i]);
  }
  return text;
}

constexpr const char* AllRulesOff = "False,False,False,False,False,False,False,False,False,False,"
                                    "False,False,False,False,False,False,False,False";

// The keys both styles share, for the style `Style` of the record; `name`
// is the stored key ("BannerTextColor", "ColumnFontSize").
using engine::TextStyle;

template <TextStyle SettingsRecord::*Style> constexpr SettingsKey textColorKey(const char* name) {
  return {name, "White", nullptr,
          [](std::string_view text, SettingsRecord& r, const Conversion&) {
            (r.*Style).TextColor = textColorFromName(text);
            return true;
          },
          [](const SettingsRecord& r, const Conversion&) {
            return textColorName((r.*Style).TextColor);
          }};
}

template <TextStyle SettingsRecord::*Style>
constexpr SettingsKey backgroundColorKey(const char* name) {
  return {name, "Black", nullptr,
          [](std::string_view text, SettingsRecord& r, const Conversion&) {
            (r.*Style).BackgroundColor = backgroundColorFromName(text);
            return true;
          },
          [](const SettingsRecord& r, const Conversion&) {
            return backgroundColorName((r.*Style).BackgroundColor,
                                       Style == &SettingsRecord::Banner);
          }};
}

template <TextStyle SettingsRecord::*Style> constexpr SettingsKey fontNameKey(const char* name) {
  return {name, "Comic Sans MS", nullptr,
          [](std::string_view text, SettingsRecord& r, const Conversion&) {
            (r.*Style).FontName = std::string(text);
            return true;
          },
          [](const SettingsRecord& r, const Conversion&) { return (r.*Style).FontName; }};
}

template <TextStyle SettingsRecord::*Style>
constexpr SettingsKey fontSizeKey(const char* name, const char* fallback) {
  return {
      name, fallback, nullptr,
      [](std::string_view text, SettingsRecord& r, const Conversion&) {
        TextStyle& style = r.*Style;
        if (!loadInteger(text, style.FontSize)) return false;
        style.FontPointSize = engine::fontPointSize(style.FontSize);
        return true;
      },
      [](const SettingsRecord& r, const Conversion&) { return saveInteger((r.*Style).FontSize); }};
}

template <TextStyle SettingsRecord::*Style>
constexpr SettingsKey fontStyleKey(const char* name, const char* fallback) {
  return {name, fallback, nullptr,
          [](std::string_view text, SettingsRecord& r, const Conversion&) {
            (r.*Style).FontStyle = fontStyleFromText(text);
            return true;
          },
          [](const SettingsRecord& r, const Conversion&) {
            return fontStyleText((r.*Style).FontStyle);
          }};
}

// A stored words-per-minute of 0 or below would make every pace formula divide
// by zero or go backwards; it is raised to the lowest pace.
constexpr std::int16_t LowestWordsPerMinute = 10;

const std::array<SettingsKey, 31> Keys = {{
    textColorKey<&SettingsRecord::Banner>("BannerTextColor"),
    backgroundColorKey<&SettingsRecord::Banner>("BannerBackgroundColor"),
    fontNameKey<&SettingsRecord::Banner>("BannerFontName"),
    fontSizeKey<&SettingsRecord::Banner>("BannerFontSize", "10"),
    {"BannerTextAlign", "Centre", nullptr,
     [](std::string_view text, SettingsRecord& r, const Conversion&) {
       // Any other text leaves the banner alignment as it was.
       if (text == "Centre")
         r.Banner.TextAlign = engine::TextAlign::Centre;
       else if (text == "Align Left")
         r.Banner.TextAlign = engine::TextAlign::Left;
       return true;
     },
     [](const SettingsRecord& r, const Conversion&) {
       return std::string(r.Banner.TextAlign == engine::TextAlign::Left ? "Align Left" : "Centre");
     }},
    fontStyleKey<&SettingsRecord::Banner>("BannerFontStyle", "Normal"),
    textColorKey<&SettingsRecord::Column>("ColumnTextColor"),
    backgroundColorKey<&SettingsRecord::Column>("ColumnBackgroundColor"),
    fontNameKey<&SettingsRecord::Column>("ColumnFontName"),
    fontSizeKey<&SettingsRecord::Column>("ColumnFontSize", "6"),
    {"ColumnTextAlign", "Align Left", nullptr,
     [](std::string_view text, SettingsRecord& r, const Conversion&) {
       r.Column.TextAlign = text == "Centre"       ? engine::TextAlign::Centre
                            : text == "Align Left" ? engine::TextAlign::Left
                                                   : engine::TextAlign::Justify;
       return true;
     },
     [](const SettingsRecord& r, const Conversion&) {
       switch (r.Column.TextAlign) {
       case engine::TextAlign::Centre:
         return std::string("Centre");
       case engine::TextAlign::Left:
         return std::string("Align Left");
       default:
         return std::string("Justify");
       }
     }},
    // No fallback of its own: a missing element reads as a bold font, which is
    // what "Bold" gives.
    fontStyleKey<&SettingsRecord::Column>("ColumnFontStyle", "Bold"),
    // Likewise a missing element reads as ExtraWide.
    {"ColumnWidth", "ExtraWide", nullptr,
     [](std::string_view text, SettingsRecord& r, const Conversion&) {
       r.ColumnWidth = text == "Narrow"     ? engine::ColumnWidthKind::Narrow
                       : text == "Standard" ? engine::ColumnWidthKind::Standard
                       : text == "Wide"     ? engine::ColumnWidthKind::Wide
                                            : engine::ColumnWidthKind::ExtraWide;
       return true;
     },
     [](const SettingsRecord& r, const Conversion&) {
       switch (r.ColumnWidth) {
       case engine::ColumnWidthKind::Narrow:
         return std::string("Narrow");
       case engine::ColumnWidthKind::Standard:
         return std::string("Standard");
       case engine::ColumnWidthKind::Wide:
         return std::string("Wide");
       default:
         return std::string("ExtraWide");
       }
     }},
    LUMETRA_INT_KEY(ColumnNumber, "1"),
    {"WordsPerMinute", "300", nullptr,
     [](std::string_view text, SettingsRecord& r, const Conversion&) {
       std::int16_t value = 0;
       if (!loadInteger(text, value)) return false;
       r.WordsPerMinute =
           value > 0 ? std::min(value, engine::MaxWordsPerMinute) : LowestWordsPerMinute;
       return true;
     },
     [](const SettingsRecord& r, const Conversion&) { return saveInteger(r.WordsPerMinute); }},
    LUMETRA_INT_KEY(WordsPerScreen, "6"),
    LUMETRA_INT_KEY(LinesPerScreen, "3"),
    {"SpeedSettingsSelection", "Custom", nullptr,
     [](std::string_view text, SettingsRecord& r, const Conversion&) {
       r.SpeedSettingsSelection =
           text == "Automatic" ? engine::SpeedSelection::Automatic : engine::SpeedSelection::Custom;
       return true;
     },
     [](const SettingsRecord& r, const Conversion&) {
       return std::string(
           r.SpeedSettingsSelection == engine::SpeedSelection::Automatic ? "Automatic" : "Custom");
     }},
    {"GeneralTextRules", AllRulesOff, nullptr, loadTextRules,
     [](const SettingsRecord& r, const Conversion&) { return saveTextRules(r); }},
    LUMETRA_BOOL_KEY(CompressorStatus, "false"),
    {"CompressorReplaceSelection", "Dots", nullptr,
     [](std::string_view text, SettingsRecord& r, const Conversion&) {
       r.CompressorReplaceSelection = engine::replaceSelectionFromString(text);
       return true;
     },
     [](const SettingsRecord& r, const Conversion&) {
       return std::string(engine::replaceSelectionToString(r.CompressorReplaceSelection));
     }},
    {"CompresionSetting", "s90", nullptr,
     [](std::string_view text, SettingsRecord& r, const Conversion&) {
       const int level = engine::compressionLevelFromString(text);
       r.CompresionSetting = static_cast<std::uint8_t>(level);
       return true;
     },
     [](const SettingsRecord& r, const Conversion&) {
       return std::string(engine::compressionLevelToString(r.CompresionSetting));
     }},
    // Read only for a custom level; saved with the active list whatever the
    // level, so that a custom level finds the last list in use.
    {"UserDefinedCompressorSet", "",
     [](const SettingsRecord& r) { return r.CompresionSetting == engine::CustomCompressionLevel; },
     [](std::string_view text, SettingsRecord& r, const Conversion&) {
       r.UserDefinedCompressorSet = std::string(text);
       return true;
     },
     [](const SettingsRecord& r, const Conversion&) { return r.CompressorList; }},
    LUMETRA_BOOL_KEY(LoopMode, "false"),
    LUMETRA_BOOL_KEY(AutoStart, "false"),
    LUMETRA_BOOL_KEY(ClearTypeFont, "true"),
    {"TotalReadingTime", "0", nullptr,
     [](std::string_view text, SettingsRecord& r, const Conversion& c) {
       const auto value = parseSettingsFloat(text, c.decimalPoint);
       if (!value) return false;
       r.TotalReadingTime = *value;
       return true;
     },
     [](const SettingsRecord& r, const Conversion& c) {
       return formatSettingsFloat(r.TotalReadingTime, c.decimalPoint);
     }},
    {"TotalNumberOfWordsReaded", "0", nullptr,
     [](std::string_view text, SettingsRecord& r, const Conversion&) {
       const auto value = parseSettingsInt64(text);
       if (!value) return false;
       r.TotalNumberOfWordsReaded = static_cast<std::uint32_t>(*value);
       return true;
     },
     [](const SettingsRecord& r, const Conversion&) {
       return std::to_string(r.TotalNumberOfWordsReaded);
     }},
    LUMETRA_BOOL_KEY(AutoIncrease, "false"),
    LUMETRA_BOOL_KEY(AutoHideProgressBar, "false"),
    {"ReadingMode", "Banner", nullptr,
     [](std::string_view text, SettingsRecord& r, const Conversion&) {
       r.ReadingMode = text == "Banner"     ? engine::ReadingModeKind::Banner
                       : text == "Sentence" ? engine::ReadingModeKind::Sentence
                       : text == "Single"   ? engine::ReadingModeKind::Single
                                            : engine::ReadingModeKind::Double;
       return true;
     },
     [](const SettingsRecord& r, const Conversion&) {
       switch (r.ReadingMode) {
       case engine::ReadingModeKind::Banner:
         return std::string("Banner");
       case engine::ReadingModeKind::Sentence:
         return std::string("Sentence");
       case engine::ReadingModeKind::Single:
         return std::string("Single");
       default:
         return std::string("Double");
       }
     }},
}};

#undef LUMETRA_BOOL_KEY
#undef LUMETRA_INT_KEY

} // namespace

std::span<const SettingsKey> settingsKeys() {
  return Keys;
}

platform::Color backgroundColorFromName(std::string_view name) {
  if (name == "Black") return platform::rgb(0, 0, 0);
  if (name == "White") return platform::rgb(255, 255, 255);
  if (name == "Grey") return platform::rgb(211, 211, 211);
  return platform::rgb(0, 0, 94);
}

platform::Color textColorFromName(std::string_view name) {
  if (name == "Grey") return platform::rgb(128, 128, 128);
  if (name == "Yellow") return platform::rgb(255, 255, 0);
  if (name == "White") return platform::rgb(255, 255, 255);
  if (name == "Black") return platform::rgb(0, 0, 0);
  if (name == "Dark Red") return platform::rgb(128, 0, 0);
  return platform::rgb(192, 192, 192);
}

std::string backgroundColorName(platform::Color color, bool banner) {
  if (color == platform::rgb(0, 0, 0)) return "Black";
  if (color == platform::rgb(255, 255, 255)) return "White";
  if (color == platform::rgb(211, 211, 211)) return "Grey";
  return banner ? "Navy" : "Dark Teal";
}

std::string textColorName(platform::Color color) {
  if (color == platform::rgb(128, 128, 128)) return "Grey";
  if (color == platform::rgb(255, 255, 0)) return "Yellow";
  if (color == platform::rgb(255, 255, 255)) return "White";
  if (color == platform::rgb(0, 0, 0)) return "Black";
  if (color == platform::rgb(128, 0, 0)) return "Dark Red";
  return "Granite";
}

} // namespace shell
