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
    if (b < 0x80 || b > 0x9F) {
      EXPECT_EQ(unicode, char32_t(b)) << b; // ASCII and Latin-1 stand for themselves
    }
  }
  const std::string utf8 = cp1252ToUtf8(bytes);
  EXPECT_TRUE(isValidUtf8(utf8));
  EXPECT_EQ(utf8ToCp1252(utf8), bytes);
  const std::u16string utf16 = cp1252ToUtf16(bytes);
  ASSERT_EQ(utf16.size(), 256u);
  EXPECT_EQ(utf16[0x80], u'€');
  EXPECT_EQ(utf16ToCp1252(utf16), bytes);
  EXPECT_EQ(cp1252ToUtf8("caf\xE9 \x80 \x93ok\x94"), "café € “ok”");
}

TEST(Cp1252, UnassignedBytesStandForControlsAndAssignedControlsHaveNoByte) {
  for (unsigned char byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
    EXPECT_EQ(cp1252ToUnicode(byte), char32_t(byte));
  // U+0080 and U+0099 are C1 controls whose bytes the code page gave to € and ™.
  for (char32_t c : {U'\u0080', U'\u0099', U'\u009F', U'\u0100', U'\u20AD', U'\U0001F600'})
    EXPECT_EQ(unicodeToCp1252(c), std::nullopt) << std::hex << unsigned(c);
}

TEST(Utf8ToCp1252, RecognisesWellFormedUtf8AndReplacesWhatTheCodePageLacks) {
  struct Case {
    std::string utf8;
    bool valid;
    std::string cp1252;
  };
  const Case cases[] = {
      {"", true, ""},
      {"naïve café", true, "na\xEFve caf\xE9"},
      {"“quoted” – dash…", true, "\x93quoted\x94 \x96 dash\x85"},
      {"Ωmega", true, "?mega"},            // Greek is not in the code page
      {"a😀b", true, "a?b"},                // one '?' for a four-byte character
      {"日本", true, "??"},                // one '?' per character, not per byte
      {"\xF4\x8F\xBF\xBF", true, "?"},     // U+10FFFF
      {"\xC2\x81", true, "\x81"},          // U+0081 keeps its byte
      {"caf\xE9", false, "caf?"},          // code page 1252 é
      {"\xC3", false, "?"},                // cut off
      {"a\xE2\x82z", false, "a??z"},       // cut off inside, every stray byte a '?'
      {"\xC0\xAF", false, "??"},           // overlong slash
      {"\xE0\x80\xAF", false, "???"},      // overlong
      {"\xED\xA0\x80", false, "???"},      // an encoded surrogate
      {"\xF4\x90\x80\x80", false, "????"}, // beyond U+10FFFF
      {"\xF5\x80\x80\x80", false, "????"}, // lead byte beyond the range
      {"\x80x", false, "?x"},              // a lone continuation byte
      {"\xFF", false, "?"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isValidUtf8(c.utf8), c.valid) << c.utf8;
    EXPECT_EQ(utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
  }
}

TEST(Utf16ToCp1252, ReplacesSurrogatesAndUnknownCharacters) {
  EXPECT_EQ(utf16ToCp1252(u"é€\U0001F600x"), "\xE9\x80?x");
  EXPECT_EQ(utf16ToCp1252(std::u16string{u'a', char16_t(0xD800), u'b'}), "a?b");
  EXPECT_EQ(utf16ToCp1252(std::u16string{char16_t(0xDC00)}), "?");
}

TEST(NormaliseLineEnds, CrLfAndLoneLfBecomeCr) {
  struct Case {
    std::string in, out;
  };
  const Case cases[] = {
      {"a\r\nb", "a\rb"}, {"a\nb", "a\rb"},           {"a\rb", "a\rb"},
      {"\n\n", "\r\r"},   {"\r\n\r\n", "\r\r"},       {"a\n\rb", "a\r\rb"},
      {"\r\r\n", "\r\r"}, {"end\n", "end\r"},         {"\n", "\r"},
      {"", ""},           {"no breaks", "no breaks"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(normaliseLineEnds(c.in), c.out);
}

TEST(DecodeIncomingText, RecognisesTheEncoding) {
  struct Case {
    const char* what;
    std::string bytes, text;
  };
  const Case cases[] = {
      {"ascii", "Hello\r\nworld\n", "Hello\rworld\r"},
      {"utf-8", "caf\xC3\xA9 \xE2\x82\xAC\n", "caf\xE9 \x80\r"},
      {"utf-8 with mark",
       "\xEF\xBB\xBF"
       "caf\xC3\xA9",
       "caf\xE9"},
      {"only a mark", "\xEF\xBB\xBF", ""},
      {"utf-8 with unmappable", "\xCE\xA9 \xF0\x9F\x98\x80", "? ?"},
      {"code page 1252", "caf\xE9 \x80\r\n", "caf\xE9 \x80\r"},
      {"as many strays as sequences is code page 1252", "\xC3\xA9 then \xE9", "\xC3\xA9 then \xE9"},
      {"utf-8 but for one stray byte", "caf\xC3\xA9, na\xC3\xAFve, \x93quoted\xE2\x80\x9D",
       "caf\xE9, na\xEFve, \x93quoted\x94"},
      {"a cut-off sequence at the end", "\xC3\xA9\xC3\xA9\xE2\x82", "\xE9\xE9\xE2\x82"},
      {"mark with malformed rest",
       "\xEF\xBB\xBF"
       "a\xE9z",
       "a\xE9z"},
      {"utf-16 little endian", "\xFF\xFEh\0\xE9\0\xAC\x20\n\0"s, "h\xE9\x80\r"},
      {"utf-16 big endian", "\xFE\xFF\0h\0\r\0\n"s, "h\r"},
      {"utf-16 with odd length", "\xFF\xFEh\0x"s, "h?"},
      {"empty", "", ""},
      {"nul bytes kept", "a\0b"s, "a\0b"s},
  };
  for (const Case& c : cases)
    EXPECT_EQ(decodeIncomingText(c.bytes), c.text) << c.what;
}

} // namespace
} // namespace platform
