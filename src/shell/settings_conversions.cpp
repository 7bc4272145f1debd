#include "shell/settings_conversions.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <limits>

namespace shell {
namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool equalsIgnoringCase(std::string_view text, std::string_view word) {
  if (text.size() != word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != word[i]) return false;
  }
  return true;
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

} // namespace

char localeDecimalPoint() {
  const std::lconv* conv = std::localeconv();
  if (conv == nullptr || conv->decimal_point == nullptr || conv->decimal_point[0] == '\0') {
    return '.';
  }
  return conv->decimal_point[0];
}

std::optional<bool> parseSettingsBool(std::string_view text, char decimalPoint) {
  if (equalsIgnoringCase(text, "true")) return true;
  if (equalsIgnoringCase(text, "false")) return false;
  if (auto number = parseSettingsFloat(text, decimalPoint)) return *number != 0.0;
  return std::nullopt;
}

std::string formatSettingsBool(bool value) {
  return value ? "True" : "False";
}

std::optional<std::int64_t> parseSettingsInt64(std::string_view text) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  bool plus = false;
  if (!text.empty() && text.front() == '+') text.remove_prefix(1), plus = true;
  if (text.empty() || (text.front() == '-' && plus)) return std::nullopt;
  if (text.front() != '-' && !isDigit(text.front())) return std::nullopt;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::int32_t> parseSettingsInt32(std::string_view text) {
  const auto value = parseSettingsInt64(text);
  if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
      *value > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(*value);
}

std::optional<double> parseSettingsFloat(std::string_view text, char decimalPoint) {
  text = trimBlanks(text);
  // Check the shape first, so that only the locale's separator is accepted,
  // then hand a '.' form to the locale-independent parser.
  std::string plain;
  plain.reserve(text.size());
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') plain += '-';
    ++i;
  }
  std::size_t digits = 0;
  while (i < text.size() && isDigit(text[i]))
    plain += text[i++], ++digits;
  if (i < text.size() && text[i] == decimalPoint) {
    plain += '.';
    ++i;
    while (i < text.size() && isDigit(text[i]))
      plain += text[i++], ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    std::size_t exponentDigits = 0;
    while (i < text.size() && isDigit(text[i]))
      plain += text[i++], ++exponentDigits;
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  double value = 0.0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc{} || end != plain.data() + plain.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::string formatSettingsFloat(double value, char decimalPoint) {
  if (!std::isfinite(value)) value = 0.0;
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text = error == std::errc{} ? std::string(buffer, end) : std::string("0");
  for (char& c : text) {
    if (c == '.') c = decimalPoint;
  }
  return text;
}

} // namespace shell
