// Small text helpers on code page 1252 strings: trimming, case-insensitive
// search from an offset, last occurrence before a position, comma-list
// membership and replace-all. Positions returned are 1-based; 0 = not found.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// Removes white space and control characters (bytes up to space) at both ends.
inline std::string_view trimView(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
    s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
    s.remove_suffix(1);
  return s;
}
std::string trim(std::string_view s);
std::string trimLeft(std::string_view s);
std::string trimRight(std::string_view s);
// Trims, and makes each run of white space and control characters inside one space.
std::string collapseWhiteSpace(std::string_view s);

// ASCII lower and upper case; other bytes unchanged.
inline char lowerChar(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
inline char upperChar(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
std::string lowerCase(std::string_view s);

// First occurrence of sub in s at or after the 1-based offset, ignoring ASCII
// case. Returns the 1-based start or 0. An empty sub or offset past the end
// gives 0; an offset below 1 counts as 1.
std::int64_t findFromCaseInsensitive(std::string_view s, std::string_view sub, std::int64_t offset);

// Start (1-based) of the last case-sensitive occurrence of sub that ends at or
// before the 1-based position pos, or 0.
std::int64_t lastOccurrenceBefore(std::string_view s, std::string_view sub, std::int64_t pos);

// The comma list holds "," + item + "," (case-sensitive).
bool inCommaList(std::string_view list, std::string_view item);

// Equality of two short strings (words, font names) without a call into the
// library, which costs more than the comparison itself at these lengths.
inline bool sameShortText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

// The same test on a fixed list asked for again and again: the entries are
// hashed once. The list must outlive the set.
class CommaListSet {
public:
  explicit CommaListSet(std::string_view list);
  bool contains(std::string_view item) const;

private:
  bool isEntry(std::string_view s) const;

  std::string_view list_;
  // The entries, open addressed: a slot per hash, the next one on a clash.
  // The table has a power of two slots and is never more than half full.
  std::vector<std::string_view> slots_;
  std::size_t mask_ = 0;
  std::uint64_t lengths_ = 0; // bit n: an entry of n characters (the last bit: 63 or more)
};

// Finds one text again and again in long texts. string_view::find stops at
// every occurrence of the text's first character and compares from there:
// looking for five spaces, at every space of a document. This skips ahead by
// the text's length where it can (Boyer-Moore-Horspool).
class TextFinder {
public:
  // `what` must outlive the finder.
  explicit TextFinder(std::string_view what);
  // Where the text first occurs in `s` at or after `from`, or npos.
  std::size_t in(std::string_view s, std::size_t from = 0) const;

private:
  std::string_view what_;
  std::boyer_moore_horspool_searcher<std::string_view::const_iterator> searcher_;
};

// Replaces every non-overlapping occurrence of from, left to right. An empty
// from leaves s unchanged.
std::string replaceAll(std::string_view s, std::string_view from, std::string_view to);

} // namespace engine
