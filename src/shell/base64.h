// Base64 as the settings file stores it: the standard alphabet, no "=" written,
// decoding that stops at the first character outside the alphabet and drops
// the bits left over at the end. Element names use a variant that keeps every
// name a valid XML element name.
#pragma once

#include <string>
#include <string_view>

namespace shell {

// Encodes the bytes of `text`; a last group of fewer than 6 bits is padded
// with zero bits. No padding characters are written.
std::string encodeBase64(std::string_view text);

// Decodes up to the first character that is not in the alphabet ("=", a blank,
// anything else); leftover bits of an incomplete byte are dropped.
std::string decodeBase64(std::string_view encoded);

// True when `name` can stand as an XML element name as it is: it begins with a
// letter and holds only letters, digits, "-", "." and "_".
bool isPlainElementName(std::string_view name);

// The element name under which `name` is stored: its Base64 form when that is a
// valid element name, else "_" followed by the Base64 form with "+" written as
// "-" and "/" as ".". Base64 never begins with "_", so both forms read back.
std::string elementNameFor(std::string_view name);

// The name stored under `elementName`, undoing elementNameFor.
std::string nameFromElement(std::string_view elementName);

} // namespace shell
