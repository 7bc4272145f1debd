#include "shell/base64.h"

#include <gtest/gtest.h>

#include <string>

namespace shell {
namespace {

struct Vector {
  std::string plain;
  std::string encoded;
};

TEST(Base64, ReferenceVectorsWithoutPaddingReadBothWays) {
  // RFC 4648 vectors with the "=" padding left off, plus bytes above 127.
  const Vector vectors[] = {
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
  };
  for (const Vector& v : vectors) {
    EXPECT_EQ(encodeBase64(v.plain), v.encoded) << v.plain;
    EXPECT_EQ(decodeBase64(v.encoded), v.plain) << v.encoded;
  }
}

TEST(Base64, DecodingStopsOutsideTheAlphabetAndDropsLeftoverBits) {
  const Vector cases[] = {
      {"foob", "Zm9vYg=="},     // padding written by another tool
      {"fooba", "Zm9vYmE="},    // one padding character
      {"foo", "Zm9v YmFy"},     // a blank ends the text
      {"foo", "Zm9v\nYmFy"},    // so does a line break
      {"foobar", "Zm9vYmFy!!"}, // trailing rubbish
      {"", "=Zm9v"},
      {"", "-_"},       // the URL-safe alphabet is not ours
      {"", "Z"},        // 6 bits: no byte
      {"foo", "Zm9vY"}, // 30 bits: three bytes, 6 bits dropped
      {"f", "Zh"},      // non-zero leftover bits are ignored too
  };
  for (const Vector& v : cases)
    EXPECT_EQ(decodeBase64(v.encoded), v.plain) << v.encoded;
}

TEST(Base64, EveryByteValueSurvivesARoundTrip) {
  std::string all;
  for (int i = 0; i < 256; ++i)
    all += static_cast<char>(i);
  for (std::size_t length = 0; length <= all.size(); length += 37)
    EXPECT_EQ(decodeBase64(encodeBase64(all.substr(0, length))), all.substr(0, length)) << length;
}

TEST(ElementNames, InvalidBase64NamesAreMarkedAndMappedBothWays) {
  const Vector cases[] = {
      {"report.txt", "cmVwb3J0LnR4dA"}, // valid as it stands: plain Base64, as old files hold
      {"???", "_Pz8."},                 // Base64 "Pz8/"
      {"~~~", "_fn5-"},                 // Base64 "fn5+"
      {"\xe9t\xe9", "_6XTp"},           // Base64 "6XTp" begins with a digit
      {"a>b?", "YT5iPw"},               // odd characters whose Base64 happens to be valid
  };
  for (const Vector& v : cases) {
    EXPECT_EQ(elementNameFor(v.plain), v.encoded) << v.plain;
    EXPECT_EQ(nameFromElement(v.encoded), v.plain) << v.encoded;
  }
  EXPECT_EQ(nameFromElement(""), "");
  EXPECT_EQ(nameFromElement("_"), "");
}

} // namespace
} // namespace shell
