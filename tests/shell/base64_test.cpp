#include "shell/base64.h"

#include <gtest/gtest.h>

#include <string>

namespace shell {
namespace {

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
  const Vector decoded[] = {
      {"foob", "Zm9vYg=="},  // padding written by another tool
      {"fooba", "Zm9vYmE="}, // one padding character
      {"foo", "Zm9v YmFy"},  // a blank ends the text
      {"", "-_"},            // the URL-safe alphabet is not ours
      {"foo", "Zm9vY"},      // 30 bits: three bytes, 6 bits dropped
      {"f", "Zh"},           // non-zero leftover bits are ignored too
  };
  for (const Vector& v : decoded)
    EXPECT_EQ(decodeBase64(v.encoded), v.plain) << v.encoded;
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
  };
  for (const Vector& v : cases) {
    EXPECT_EQ(elementNameFor(v.plain), v.encoded) << v.plain;
    EXPECT_EQ(nameFromElement(v.encoded), v.plain) << v.encoded;
  }
  EXPECT_EQ(nameFromElement("_"), "");
}

} // namespace
} // namespace shell
