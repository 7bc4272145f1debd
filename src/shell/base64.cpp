#include "shell/base64.h"

#include <cstdint>

namespace shell {
namespace {

constexpr std::string_view Alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int alphabetIndex(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

bool isLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

} // namespace

std::string encodeBase64(std::string_view text) {
  std::string out;
  out.reserve((text.size() * 4 + 2) / 3);
  std::uint32_t bits = 0;
  int pending = 0;
  for (unsigned char byte : text) {
    bits = (bits << 8) | byte;
    pending += 8;
    while (pending >= 6) {
      pending -= 6;
      out += Alphabet[(bits >> pending) & 0x3F];
    }
    bits &= (1u << pending) - 1;
  }
  if (pending > 0) out += Alphabet[(bits << (6 - pending)) & 0x3F];
  return out;
}

std::string decodeBase64(std::string_view encoded) {
  std::string out;
  out.reserve(encoded.size() * 3 / 4);
  std::uint32_t bits = 0;
  int pending = 0;
  for (char c : encoded) {
    const int index = alphabetIndex(c);
    if (index < 0) break;
    bits = (bits << 6) | static_cast<std::uint32_t>(index);
    pending += 6;
    if (pending >= 8) {
      pending -= 8;
      out += static_cast<char>((bits >> pending) & 0xFF);
    }
    bits &= (1u << pending) - 1;
  }
  return out;
}

bool isPlainElementName(std::string_view name) {
  if (name.empty() || !isLetter(name.front())) return false;
  for (char c : name) {
    if (!isLetter(c) && !isDigit(c) && c != '-' && c != '.' && c != '_') return false;
  }
  return true;
}

std::string elementNameFor(std::string_view name) {
  std::string encoded = encodeBase64(name);
  if (isPlainElementName(encoded)) return encoded;
  for (char& c : encoded) {
    if (c == '+')
      c = '-';
    else if (c == '/')
      c = '.';
  }
  return "_" + encoded;
}

std::string nameFromElement(std::string_view elementName) {
  if (elementName.empty() || elementName.front() != '_') return decodeBase64(elementName);
  std::string encoded(elementName.substr(1));
  for (char& c : encoded) {
    if (c == '-')
      c = '+';
    else if (c == '.')
      c = '/';
  }
  return decodeBase64(encoded);
}

} // namespace shell
