#include "shell/settings_conversions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

namespace shell {
namespace {

constexpr std::nullopt_t None = std::nullopt;

TEST(SettingsBool, ReadsWordsInAnyCaseAndNumbersAndIsWrittenCapitalised) {
  const std::tuple<std::string, char, std::optional<bool>> cases[] = {
      {"True", '.', true}, {"FALSE", '.', false}, {"tRuE", '.', true},  {"0", '.', false},
      {"-3", '.', true},   {"0,5", ',', true},    {"0,0", ',', false},  {"0.5", ',', None},
      {"", '.', None},     {"yes", '.', None},    {"True ", '.', None},
  };
  for (const auto& [text, decimalPoint, expected] : cases)
    EXPECT_EQ(parseSettingsBool(text, decimalPoint), expected) << '"' << text << '"';
  EXPECT_EQ(formatSettingsBool(true), "True");
  EXPECT_EQ(formatSettingsBool(false), "False");
}

TEST(SettingsInteger, ReadsDecimalIntegersInTheirRangeOnly) {
  const std::pair<std::string, std::optional<std::int64_t>> cases[] = {
      {"-12", -12},
      {"+7", 7},
      {"  42", 42},
      {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
      {"9223372036854775808", None},
      {"", None},
      {"+-5", None},
      {"12 ", None},
      {"1.5", None},
      {"0x10", None},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(parseSettingsInt64(text), expected) << '"' << text << '"';
  EXPECT_EQ(parseSettingsInt32("-2147483648"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(parseSettingsInt32("2147483648"), None);
}

TEST(SettingsFloat, UsesOnlyTheGivenDecimalSeparatorAndReadsBackWhatItWrites) {
  const std::tuple<std::string, char, std::optional<double>> cases[] = {
      {"1234,5", ',', 1234.5}, {"1234,5", '.', None}, {"1234.5", ',', None},
      {" -2.25 ", '.', -2.25}, {".5", '.', 0.5},      {"1.5E3", '.', 1500.0},
      {"1e", '.', None},       {".", '.', None},      {"inf", '.', None},
      {"nan", '.', None},      {"1e999", '.', None},
  };
  for (const auto& [text, decimalPoint, expected] : cases)
    EXPECT_EQ(parseSettingsFloat(text, decimalPoint), expected) << '"' << text << '"';
  for (char decimalPoint : {'.', ','}) {
    for (double value : {0.0, 0.1, 86400000.25, 1e20, 3.141592653589793, 5e-324}) {
      const std::string text = formatSettingsFloat(value, decimalPoint);
      EXPECT_EQ(parseSettingsFloat(text, decimalPoint), value) << text;
    }
  }
  EXPECT_EQ(formatSettingsFloat(1234.5, ','), "1234,5");
  EXPECT_EQ(formatSettingsFloat(std::numeric_limits<double>::infinity(), '.'), "0");
}

} // namespace
} // namespace shell
