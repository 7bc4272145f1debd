// Text forms of the settings file's values: booleans, decimal integers and the
// locale-dependent floating point number. Parsers return nothing when the text
// does not convert; the loader then stops at that key.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace shell {

// The decimal separator of the C library's current numeric locale.
char localeDecimalPoint();

// "True"/"False" in any letter case, or a number (0 is false, any other number
// true) written with `decimalPoint`.
std::optional<bool> parseSettingsBool(std::string_view text, char decimalPoint);
// How booleans are written: "True" or "False".
std::string formatSettingsBool(bool value);

// A decimal integer: leading blanks, an optional sign, then digits only.
// Values outside the 64-bit signed range do not convert.
std::optional<std::int64_t> parseSettingsInt64(std::string_view text);
// The same, limited to the 32-bit signed range.
std::optional<std::int32_t> parseSettingsInt32(std::string_view text);

// A decimal number with `decimalPoint` as its separator and an optional
// exponent, blanks allowed around it. Infinite or non-numbers do not convert.
std::optional<double> parseSettingsFloat(std::string_view text, char decimalPoint);
// The shortest text that reads back as the same value, with `decimalPoint`.
std::string formatSettingsFloat(double value, char decimalPoint);

} // namespace shell
