#include "shell/settings_conversions.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace shell {
namespace {

TEST(SettingsBool, ReadsWordsInAnyCaseAndNumbers) {
  struct Case {
    std::string text;
    char decimalPoint;
    std::optional<bool> expected;
  };
  const Case cases[] = {
      {"True", '.', true},        {"FALSE", '.', false},
      {"tRuE", '.', true},        {"false", '.', false},
      {"0", '.', false},          {"1", '.', true},
      {"-3", '.', true},          {"0.0", '.', false},
      {"0,5", ',', true},         {"0,0", ',', false},
      {"0.5", ',', std::nullopt}, {"", '.', std::nullopt},
      {"yes", '.', std::nullopt}, {"True ", '.', std::nullopt},
      {"Tru", '.', std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(parseSettingsBool(c.text, c.decimalPoint), c.expected) << '"' << c.text << '"';
  }
}

TEST(SettingsBool, IsWrittenCapitalised) {
  EXPECT_EQ(formatSettingsBool(true), "True");
  EXPECT_EQ(formatSettingsBool(false), "False");
}

TEST(SettingsInteger, ReadsDecimalIntegersOnly) {
  struct Case {
    std::string text;
    std::optional<std::int64_t> expected;
  };
  const Case cases[] = {
      {"0", 0},
      {"300", 300},
      {"-12", -12},
      {"+7", 7},
      {"  42", 42},
      {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
      {"9223372036854775808", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"+-5", std::nullopt},
      {"12 ", std::nullopt},
      {"1.5", std::nullopt},
      {"0x10", std::nullopt},
      {"ten", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(parseSettingsInt64(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(SettingsInteger, ThirtyTwoBitFormRejectsLargerValues) {
  EXPECT_EQ(parseSettingsInt32("2147483647"), 2147483647);
  EXPECT_EQ(parseSettingsInt32("-2147483648"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(parseSettingsInt32("2147483648"), std::nullopt);
}

TEST(SettingsFloat, UsesOnlyTheGivenDecimalSeparator) {
  struct Case {
    std::string text;
    char decimalPoint;
    std::optional<double> expected;
  };
  const Case cases[] = {
      {"0", '.', 0.0},
      {"1234.5", '.', 1234.5},
      {"1234,5", ',', 1234.5},
      {"1234,5", '.', std::nullopt},
      {"1234.5", ',', std::nullopt},
      {" -2.25 ", '.', -2.25},
      {".5", '.', 0.5},
      {"3.", '.', 3.0},
      {"1.5E3", '.', 1500.0},
      {"2e-2", '.', 0.02},
      {"1e", '.', std::nullopt},
      {".", '.', std::nullopt},
      {"", '.', std::nullopt},
      {"inf", '.', std::nullopt},
      {"nan", '.', std::nullopt},
      {"1e999", '.', std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(parseSettingsFloat(c.text, c.decimalPoint), c.expected) << '"' << c.text << '"';
  }
}

TEST(SettingsFloat, WrittenValuesReadBackExactly) {
  const double values[] = {0.0, 1.0, 0.1, 1234.5, 86400000.25, 1e20, 3.141592653589793, 5e-324};
  for (char decimalPoint : {'.', ','}) {
    for (double value : values) {
      const std::string text = formatSettingsFloat(value, decimalPoint);
      EXPECT_EQ(parseSettingsFloat(text, decimalPoint), value) << text;
    }
  }
  EXPECT_EQ(formatSettingsFloat(1234.5, ','), "1234,5");
  EXPECT_EQ(formatSettingsFloat(std::numeric_limits<double>::infinity(), '.'), "0");
}

// Switches the numeric locale for one test and restores it afterwards.
class NumericLocale {
public:
  NumericLocale() : saved_(std::setlocale(LC_NUMERIC, nullptr)) {}
  ~NumericLocale() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
  bool trySet(const char* name) { return std::setlocale(LC_NUMERIC, name) != nullptr; }

private:
  std::string saved_;
};

TEST(SettingsLocale, DecimalPointFollowsTheNumericLocale) {
  NumericLocale locale;
  ASSERT_TRUE(locale.trySet("C"));
  EXPECT_EQ(localeDecimalPoint(), '.');
  bool found = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8",
                           "es_ES.UTF-8", "it_IT.UTF-8", "ru_RU.UTF-8"}) {
    if (locale.trySet(name)) {
      found = true;
      break;
    }
  }
  if (!found) GTEST_SKIP() << "no locale with a decimal comma is installed";
  EXPECT_EQ(localeDecimalPoint(), ',');
}

} // namespace
} // namespace shell
