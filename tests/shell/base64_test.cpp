#include "shell/base64.h"

#include <gtest/gtest.h>

#include <string>

namespace shell {
namespace {

struct Vector {
  std::string plain;
  std::string encoded;
};

// RFC 4648 test vectors with the "=" padding left off, plus bytes above 127.
const Vector Vectors[] = {
    {"", ""},
    {"f", "Zg"},
    {"fo", "Zm8"},
    {"foo", "Zm9v"},
    {"foob", "Zm9vYg"},
    {"fooba", "Zm9vYmE"},
    {"foobar", "Zm9vYmFy"},
    {"\xff\xfe", "//4"},
    {"\xfb\xff", "+/8"},
    {"WordsPerMinute", "V29yZHNQZXJNaW51dGU"},
    {"value", "dmFsdWU"},
};

TEST(Base64Encode, MatchesReferenceVectorsWithoutPadding) {
  for (const Vector& v : Vectors)
    EXPECT_EQ(encodeBase64(v.plain), v.encoded) << v.plain;
}

TEST(Base64Decode, ReadsReferenceVectors) {
  for (const Vector& v : Vectors)
    EXPECT_EQ(decodeBase64(v.encoded), v.plain) << v.encoded;
}

TEST(Base64Decode, StopsAtFirstCharacterOutsideTheAlphabet) {
  const Vector cases[] = {
      {"foob", "Zm9vYg=="},     // padding written by another tool
      {"fooba", "Zm9vYmE="},    // one padding character
      {"foo", "Zm9v YmFy"},     // a blank ends the text
      {"foo", "Zm9v\nYmFy"},    // so does a line break
      {"foobar", "Zm9vYmFy!!"}, // trailing rubbish
      {"", "=Zm9v"},
      {"", "-_"}, // the URL-safe alphabet is not ours
  };
  for (const Vector& v : cases)
    EXPECT_EQ(decodeBase64(v.encoded), v.plain) << v.encoded;
}

TEST(Base64Decode, DropsBitsLeftOverAtTheEnd) {
  EXPECT_EQ(decodeBase64("Z"), "");        // 6 bits: no byte
  EXPECT_EQ(decodeBase64("Zm9vY"), "foo"); // 30 bits: three bytes, 6 bits dropped
  EXPECT_EQ(decodeBase64("Zh"), "f");      // non-zero leftover bits are ignored too
}

TEST(Base64, EveryByteValueSurvivesARoundTrip) {
  std::string all;
  for (int i = 0; i < 256; ++i)
    all += static_cast<char>(i);
  for (std::size_t length = 0; length <= all.size(); length += 37) {
    const std::string part = all.substr(0, length);
    EXPECT_EQ(decodeBase64(encodeBase64(part)), part) << length;
  }
}

TEST(ElementNames, PlainNamesAreTheirBase64Form) {
  EXPECT_EQ(elementNameFor("WordsPerMinute"), "V29yZHNQZXJNaW51dGU");
  EXPECT_EQ(elementNameFor("report.txt"), "cmVwb3J0LnR4dA");
}

TEST(ElementNames, InvalidBase64NamesAreMarkedAndMapped) {
  const Vector cases[] = {
      {"???", "_Pz8."},       // Base64 "Pz8/"
      {"~~~", "_fn5-"},       // Base64 "fn5+"
      {"\xe9t\xe9", "_6XTp"}, // Base64 "6XTp" begins with a digit
      {"a>b?", "YT5iPw"},     // odd characters whose Base64 happens to be valid
  };
  for (const Vector& v : cases) {
    EXPECT_EQ(elementNameFor(v.plain), v.encoded) << v.plain;
    EXPECT_EQ(nameFromElement(v.encoded), v.plain) << v.encoded;
  }
}

TEST(ElementNames, OldPlainNamesReadBackUnchanged) {
  EXPECT_EQ(nameFromElement("cmVwb3J0LnR4dA"), "report.txt");
  EXPECT_EQ(nameFromElement(""), "");
  EXPECT_EQ(nameFromElement("_"), "");
}

TEST(ElementNames, ValidityFollowsXmlNameRules) {
  EXPECT_TRUE(isPlainElementName("abc"));
  EXPECT_TRUE(isPlainElementName("a-b.c_d9"));
  EXPECT_FALSE(isPlainElementName(""));
  EXPECT_FALSE(isPlainElementName("9abc"));
  EXPECT_FALSE(isPlainElementName("ab+c"));
  EXPECT_FALSE(isPlainElementName("ab/c"));
  EXPECT_FALSE(isPlainElementName("-abc"));
}

} // namespace
} // namespace shell
