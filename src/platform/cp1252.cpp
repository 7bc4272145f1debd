#include "platform/cp1252.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace platform {

namespace {

// Unicode for the bytes 0x80-0x9F; the unassigned bytes keep their own number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char kUnmappable = '?';

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

char toByteOrQuestionMark(char32_t c) {
  const std::optional<unsigned char> byte = unicodeToCp1252(c);
  return byte ? static_cast<char>(*byte) : kUnmappable;
}

// Decodes one UTF-8 sequence at `pos`. Returns the character and advances
// `pos` past it, or returns nothing and advances `pos` by one byte when the
// sequence is malformed.
std::optional<char32_t> nextUtf8(std::string_view s, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(pos);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  int length = 0;
  char32_t c = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, c = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, c = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, c = lead & 0x07, minimum = 0x10000;
  } else {
    ++pos;
    return std::nullopt;
  }
  if (s.size() - pos < static_cast<std::size_t>(length)) {
    ++pos;
    return std::nullopt;
  }
  for (int i = 1; i < length; ++i) {
    const unsigned char next = byte(pos + i);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return std::nullopt;
    }
    c = (c << 6) | (next & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++pos;
    return std::nullopt;
  }
  pos += length;
  return c;
}

std::string utf16BytesToCp1252(std::string_view bytes, bool bigEndian) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    units.push_back(bigEndian ? static_cast<char16_t>(first << 8 | second)
                              : static_cast<char16_t>(second << 8 | first));
  }
  std::string text = utf16ToCp1252(units);
  if (bytes.size() % 2 != 0) text.push_back(kUnmappable); // a cut-off last unit
  return text;
}

// How many well-formed multi-byte sequences the bytes hold, and how many runs
// of bytes stand outside any well-formed sequence.
struct Utf8Census {
  std::size_t sequences = 0;
  std::size_t strays = 0;
};

Utf8Census utf8Census(std::string_view bytes) {
  Utf8Census census;
  std::size_t pos = 0;
  bool inStrays = false;
  while (pos < bytes.size()) {
    const std::size_t start = pos;
    const bool wellFormed = nextUtf8(bytes, pos).has_value();
    if (!wellFormed && !inStrays) ++census.strays;
    if (wellFormed && pos - start > 1) ++census.sequences;
    inStrays = !wellFormed;
  }
  return census;
}

// UTF-8 where it is well formed; a byte outside any well-formed sequence
// keeps its code page meaning.
std::string utf8OrBytesToCp1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t start = pos;
    const std::optional<char32_t> c = nextUtf8(bytes, pos);
    out.push_back(c ? toByteOrQuestionMark(*c) : bytes[start]);
  }
  return out;
}

} // namespace

char32_t cp1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

std::optional<unsigned char> unicodeToCp1252(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
    return static_cast<unsigned char>(character);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == character) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}

std::string cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text)
    appendUtf8(out, cp1252ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

std::u16string cp1252ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char c : text)
    out.push_back(static_cast<char16_t>(cp1252ToUnicode(static_cast<unsigned char>(c))));
  return out;
}

std::string utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::optional<char32_t> c = nextUtf8(text, pos);
    out.push_back(c ? toByteOrQuestionMark(*c) : kUnmappable);
  }
  return out;
}

std::string utf16ToCp1252(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      ++i; // a pair: a character beyond the code page in any case
      out.push_back(kUnmappable);
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      out.push_back(kUnmappable);
    } else {
      out.push_back(toByteOrQuestionMark(unit));
    }
  }
  return out;
}

bool isValidUtf8(std::string_view bytes) {
  std::size_t pos = 0;
  while (pos < bytes.size())
    if (!nextUtf8(bytes, pos)) return false;
  return true;
}

void normaliseLineEndsInPlace(std::string& text) {
  char* const data = text.data();
  const std::size_t size = text.size();
  std::size_t read = 0;
  std::size_t write = 0;
  while (read < size) {
    const void* hit = std::memchr(data + read, '\n', size - read);
    const std::size_t lf =
        hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - data) : size;
    // Looked at before the run moves down: the byte before this LF as it came.
    const bool afterCr = lf > read && data[lf - 1] == '\r';
    if (write != read) std::memmove(data + write, data + read, lf - read);
    write += lf - read;
    if (lf == size) break;
    if (!afterCr) data[write++] = '\r';
    read = lf + 1;
  }
  text.resize(write);
}

std::string normaliseLineEnds(std::string_view text) {
  std::string out(text);
  normaliseLineEndsInPlace(out);
  return out;
}

std::string decodeIncomingText(std::string_view bytes) {
  constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";
  constexpr std::string_view utf16LeMark = "\xFF\xFE";
  constexpr std::string_view utf16BeMark = "\xFE\xFF";
  std::string text;
  if (bytes.starts_with(utf8Mark)) {
    text = utf8OrBytesToCp1252(bytes.substr(utf8Mark.size()));
  } else if (bytes.starts_with(utf16LeMark)) {
    text = utf16BytesToCp1252(bytes.substr(2), false);
  } else if (bytes.starts_with(utf16BeMark)) {
    text = utf16BytesToCp1252(bytes.substr(2), true);
  } else {
    // A text mostly in UTF-8 is UTF-8, stray bytes and all: one bad byte in
    // a UTF-8 file must not turn every accent into two letters.
    const Utf8Census census = utf8Census(bytes);
    text = census.sequences > census.strays ? utf8OrBytesToCp1252(bytes) : std::string(bytes);
  }
  normaliseLineEndsInPlace(text);
  return text;
}

} // namespace platform
