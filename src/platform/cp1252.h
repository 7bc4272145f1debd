// Code page 1252, the character set of every text inside the program, and the
// conversions at its edges. All 256 bytes convert to Unicode and back without
// loss: 0x80-0x9F follow Windows-1252, and its five unassigned bytes (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same number.
// Characters the code page lacks become '?'.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The Unicode character a code page 1252 byte stands for.
char32_t cp1252ToUnicode(unsigned char byte);
// The byte for a Unicode character, if the code page has one.
std::optional<unsigned char> unicodeToCp1252(char32_t character);

std::string cp1252ToUtf8(std::string_view text);
std::u16string cp1252ToUtf16(std::string_view text);

// Converts UTF-8 to code page 1252. Characters the code page lacks, and every
// byte of a malformed sequence, become '?'.
std::string utf8ToCp1252(std::string_view text);
// Converts UTF-16 to code page 1252; characters the code page lacks and lone
// surrogates become '?' (a surrogate pair gives one '?').
std::string utf16ToCp1252(std::u16string_view text);

// Whether `bytes` is well-formed UTF-8: no overlong forms, no surrogates,
// nothing above U+10FFFF, no cut-off sequence.
bool isValidUtf8(std::string_view bytes);

// CR LF and a lone LF become CR; everything else stays.
std::string normaliseLineEnds(std::string_view text);
// The same on `text` itself, which never grows, so no second copy is made.
void normaliseLineEndsInPlace(std::string& text);

// Turns bytes from outside the program (a file, the clipboard, a parser) into
// program text: code page 1252 with CR line ends.
// - a UTF-8 byte-order mark marks UTF-8: the mark is dropped and the rest is
//   converted, each byte outside a well-formed sequence kept as the code page
//   byte it is;
// - a UTF-16 byte-order mark (either byte order) marks UTF-16 (lone
//   surrogates and a cut-off last unit become '?');
// - otherwise bytes holding more well-formed multi-byte UTF-8 sequences than
//   stray bytes are converted the same way as after a UTF-8 mark;
// - anything else is taken as code page 1252 bytes as they are.
// NUL bytes are kept wherever they stand.
std::string decodeIncomingText(std::string_view bytes);

} // namespace platform
