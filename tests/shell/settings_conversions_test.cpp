#include "shell/settings_conversions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "shell/base64.h"

namespace shell {
namespace {

constexpr std::nullopt_t None = std::nullopt;

TEST(SettingsBool, ReadsWordsInAnyCaseAndNumbersAndIsWrittenCapitalised) {
  const std::tuple<std::string, char, std::optional<bool>> cases[] = {
      {"True", '.', true}, {"FALSE", '.', false}, {"0", '.', false},  {"-3", '.', true},
      {"0,5", ',', true},  {"", '.', None},       {"yes", '.', None}, {"True ", '.', None},
  };
  for (const auto& [text, decimalPoint, expected] : cases)
    EXPECT_EQ(parseSettingsBool(text, decimalPoint), expected) << '"' << text << '"';
  EXPECT_EQ(formatSettingsBool(true) + formatSettingsBool(false), "TrueFalse");
}

TEST(SettingsInteger, ReadsDecimalIntegersInTheirRangeOnly) {
  const std::pair<std::string, std::optional<std::int64_t>> cases[] = {
      {"-12", -12}, {"+7", 7},     {"  42", 42},  {"9223372036854775807", INT64_MAX},
      {"", None},   {"+-5", None}, {"12 ", None}, {"9223372036854775808", None}};
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(parseSettingsInt64(text), expected) << '"' << text << '"';
  EXPECT_EQ(parseSettingsInt32("-2147483648"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(parseSettingsInt32("2147483648"), None);
}

TEST(SettingsFloat, UsesOnlyTheGivenDecimalSeparatorAndReadsBackWhatItWrites) {
  const std::tuple<std::string, char, std::optional<double>> cases[] = {
      {"1234,5", ',', 1234.5}, {"1234,5", '.', None}, {"1234.5", ',', None},
      {" -2.25 ", '.', -2.25}, {".5", '.', 0.5},      {"1.5E3", '.', 1500.0},
      {"1e", '.', None},       {"inf", '.', None},    {"1e999", '.', None},
  };
  for (const auto& [text, decimalPoint, expected] : cases)
    EXPECT_EQ(parseSettingsFloat(text, decimalPoint), expected) << '"' << text << '"';
  for (const double value : {0.0, 0.1, 1e20, 3.141592653589793, 5e-324})
    EXPECT_EQ(parseSettingsFloat(formatSettingsFloat(value, ','), ','), value) << value;
  EXPECT_EQ(formatSettingsFloat(std::numeric_limits<double>::infinity(), '.'), "0");
}

struct Vector {
  std::string plain;
  std::string encoded;
};

TEST(Base64, EncodesWithoutPaddingAndDecodesUpToTheFirstCharacterOutsideTheAlphabet) {
  // RFC 4648 vectors with the "=" padding left off, plus bytes above 127.
  for (const Vector& v :
       {Vector{"", ""}, Vector{"f", "Zg"}, Vector{"fo", "Zm8"}, Vector{"foob", "Zm9vYg"},
        Vector{"foobar", "Zm9vYmFy"}, Vector{"\xff\xfe", "//4"}, Vector{"\xfb\xff", "+/8"}}) {
    EXPECT_EQ(encodeBase64(v.plain), v.encoded) << v.plain;
    EXPECT_EQ(decodeBase64(v.encoded), v.plain) << v.encoded;
  }
  // Padding written by another tool, a blank, the URL-safe alphabet (not
  // ours), 30 bits (three bytes, 6 dropped), non-zero leftover bits.
  const Vector decoded[] = {
      {"foob", "Zm9vYg=="}, {"foo", "Zm9v YmFy"}, {"", "-_"}, {"foo", "Zm9vY"}, {"f", "Zh"}};
  for (const Vector& v : decoded)
    EXPECT_EQ(decodeBase64(v.encoded), v.plain) << v.encoded;
  std::string all;
  for (int i = 0; i < 256; ++i)
    all += static_cast<char>(i);
  EXPECT_EQ(decodeBase64(encodeBase64(all)), all);
}

TEST(ElementNames, InvalidBase64NamesAreMarkedAndMappedBothWays) {
  const Vector cases[] = {
      {"report.txt", "cmVwb3J0LnR4dA"}, // valid as it stands: plain Base64, as old files hold
      {"???", "_Pz8."},                 // Base64 "Pz8/"
      {"~~~", "_fn5-"},                 // Base64 "fn5+"
      {"\xe9t\xe9", "_6XTp"},           // Base64 "6XTp" begins with a digit
  };
  for (const Vector& v : cases) {
    EXPECT_EQ(elementNameFor(v.plain), v.encoded) << v.plain;
    EXPECT_EQ(nameFromElement(v.encoded), v.plain) << v.encoded;
  }
  EXPECT_EQ(nameFromElement("_"), "");
}

} // namespace
} // namespace shell
