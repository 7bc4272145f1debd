#include "platform/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

using namespace std::string_literals;

TEST(Cp1252, AllBytesRoundTripThroughUnicode) {
  std::string bytes;
  for (int b = 0; b < 256; ++b) {
    bytes.push_back(static_cast<char>(b));
    const char32_t unicode = cp1252ToUnicode(static_cast<unsigned char>(b));
    EXPECT_EQ(unicodeToCp1252(unicode), b) << b;
    // ASCII, Latin-1 and the five unassigned bytes stand for themselves.
    const bool unassigned = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
    if (b < 0x80 || b > 0x9F || unassigned) {
      EXPECT_EQ(unicode, char32_t(b)) << b;
    }
  }
  const std::string utf8 = cp1252ToUtf8(bytes);
  EXPECT_EQ(utf8ToCp1252(utf8), bytes);
  EXPECT_EQ(utf16ToCp1252(cp1252ToUtf16(bytes)), bytes);
  EXPECT_EQ(cp1252ToUtf8("caf\xE9 \x80 \x93ok\x94"), "café € “ok”");
  // U+0080 is a C1 control whose byte the code page gave to €.
  for (char32_t c : {U'\u0080', U'\u0100', U'\U0001F600'})
    EXPECT_EQ(unicodeToCp1252(c), std::nullopt) << std::hex << unsigned(c);
}

TEST(Utf8ToCp1252, RecognisesWellFormedUtf8AndReplacesWhatTheCodePageLacks) {
  struct Case {
    std::string utf8;
    bool valid;
    std::string cp1252;
  };
  const Case cases[] = {
      {"“quoted” – naïve…", true, "\x93quoted\x94 \x96 na\xEFve\x85"},
      {"a😀b", true, "a?b"},                // one '?' for a four-byte character
      {"日本", true, "??"},                // one '?' per character, not per byte
      {"\xC2\x81", true, "\x81"},          // U+0081 keeps its byte
      {"caf\xE9", false, "caf?"},          // code page 1252 é
      {"a\xE2\x82z", false, "a??z"},       // cut off inside, every stray byte a '?'
      {"\xC0\xAF", false, "??"},           // overlong slash
      {"\xED\xA0\x80", false, "???"},      // an encoded surrogate
      {"\xF4\x90\x80\x80", false, "????"}, // beyond U+10FFFF
      {"\x80x", false, "?x"},              // a lone continuation byte
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isValidUtf8(c.utf8), c.valid) << c.utf8;
    EXPECT_EQ(utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
  }
  EXPECT_EQ(utf16ToCp1252(u"é€\U0001F600x"), "\xE9\x80?x");
  EXPECT_EQ(utf16ToCp1252(std::u16string{u'a', char16_t(0xD800), u'b', char16_t(0xDC00)}), "a?b?");
}

TEST(DecodeIncomingText, RecognisesTheEncodingAndEndsLinesWithCr) {
  struct Case {
    const char* what;
    std::string bytes, text;
  };
  const Case cases[] = {
      {"ascii", "Hello\r\nworld\n", "Hello\rworld\r"},
      {"lone CRs and LFs", "a\n\rb\r\r\n\n", "a\r\rb\r\r\r"},
      {"runs of LFs", "\n\n\nx\r\n\r\n\n", "\r\r\rx\r\r\r"},
      {"utf-8", "caf\xC3\xA9 \xE2\x82\xAC\n", "caf\xE9 \x80\r"},
      {"utf-8 with mark", "\357\273\277caf\xC3\xA9", "caf\xE9"}, // the mark in octal
      {"only a mark", "\xEF\xBB\xBF", ""},
      {"utf-8 with unmappable", "\xCE\xA9 \xF0\x9F\x98\x80", "? ?"},
      {"code page 1252", "caf\xE9 \x80\r\n", "caf\xE9 \x80\r"},
      {"as many strays as sequences is code page 1252", "\xC3\xA9 then \xE9", "\xC3\xA9 then \xE9"},
      {"utf-8 but for one stray byte", "caf\xC3\xA9, na\xC3\xAFve, \x93quoted\xE2\x80\x9D",
       "caf\xE9, na\xEFve, \x93quoted\x94"},
      {"a cut-off sequence at the end", "\xC3\xA9\xC3\xA9\xE2\x82", "\xE9\xE9\xE2\x82"},
      {"mark with malformed rest", "\357\273\277a\xE9z", "a\xE9z"},
      {"utf-16 little endian", "\xFF\xFEh\0\xE9\0\xAC\x20\n\0"s, "h\xE9\x80\r"},
      {"utf-16 big endian", "\xFE\xFF\0h\0\r\0\n"s, "h\r"},
      {"utf-16 with odd length", "\xFF\xFEh\0x"s, "h?"},
      {"nul bytes kept", "a\0b"s, "a\0b"s},
  };
  for (const Case& c : cases)
    EXPECT_EQ(decodeIncomingText(c.bytes), c.text) << c.what;
}

} // namespace
} // namespace platform
