#include "engine/text_helpers.h"

#include <algorithm>
#include <cstring>

#include "engine/char_classes.h"

namespace engine {

namespace {

std::string_view trimLeftView(std::string_view s) {
  while (!s.empty() && isTrimmable(s.front()))
    s.remove_prefix(1);
  return s;
}
std::string_view trimRightView(std::string_view s) {
  while (!s.empty() && isTrimmable(s.back()))
    s.remove_suffix(1);
  return s;
}

// Sixteen bytes from p, in a vector the compiler maps to the processor's
// vector registers.
using Bytes16 = unsigned char __attribute__((vector_size(16)));
Bytes16 load16(const char* p) {
  Bytes16 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

} // namespace

std::string trim(std::string_view s) {
  return std::string(trimView(s));
}
std::string trimLeft(std::string_view s) {
  return std::string(trimLeftView(s));
}
std::string trimRight(std::string_view s) {
  return std::string(trimRightView(s));
}

std::string collapseWhiteSpace(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  bool gap = false;
  for (const char c : s) {
    if (static_cast<unsigned char>(c) <= ' ') {
      gap = !out.empty();
      continue;
    }
    if (gap) out.push_back(' ');
    gap = false;
    out.push_back(c);
  }
  return out;
}

std::string lowerCase(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    c = lowerChar(c);
  return out;
}

std::int64_t findFromCaseInsensitive(std::string_view s, std::string_view sub,
                                     std::int64_t offset) {
  if (sub.empty()) return 0;
  if (offset < 1) offset = 1;
  const auto size = static_cast<std::int64_t>(s.size());
  const auto n = static_cast<std::int64_t>(sub.size());
  if (offset - 1 + n > size) return 0;
  // Without letters, case plays no part: the library's search.
  if (std::all_of(sub.begin(), sub.end(), [](char c) { return lowerChar(c) == upperChar(c); })) {
    const std::size_t at = s.find(sub, static_cast<std::size_t>(offset - 1));
    return at == std::string_view::npos ? 0 : static_cast<std::int64_t>(at) + 1;
  }
  // Sixteen starts at a time are sifted by their first and last characters
  // (a letter matches both its cases: x | 0x20 is the lower case letter only
  // for that letter's two cases); the starts that pass are compared in full.
  const auto length = static_cast<std::size_t>(n);
  const auto matchesAt = [&](std::size_t at) {
    for (std::size_t k = 0; k < length; ++k)
      if (lowerChar(s[at + k]) != lowerChar(sub[k])) return false;
    return true;
  };
  const auto foldOf = [](char c) -> unsigned char { return isLetter(c) ? 0x20 : 0; };
  const unsigned char firstFold = foldOf(sub.front());
  const unsigned char firstWant = static_cast<unsigned char>(sub.front()) | firstFold;
  const unsigned char lastFold = foldOf(sub.back());
  const unsigned char lastWant = static_cast<unsigned char>(sub.back()) | lastFold;
  const std::size_t edge = s.size() - length; // last start a match may have
  auto at = static_cast<std::size_t>(offset - 1);
  for (; at + 15 <= edge; at += 16) {
    const auto firsts = (load16(s.data() + at) | firstFold) == firstWant;
    const auto lasts = (load16(s.data() + at + length - 1) | lastFold) == lastWant;
    const auto both = firsts & lasts;
    std::uint64_t halves[2];
    std::memcpy(halves, &both, sizeof halves);
    if ((halves[0] | halves[1]) == 0) continue;
    for (std::size_t k = 0; k < 16; ++k)
      if (both[k] && matchesAt(at + k)) return static_cast<std::int64_t>(at + k) + 1;
  }
  for (; at <= edge; ++at)
    if (matchesAt(at)) return static_cast<std::int64_t>(at) + 1;
  return 0;
}

std::int64_t lastOccurrenceBefore(std::string_view s, std::string_view sub, std::int64_t pos) {
  if (sub.empty() || pos < 1) return 0;
  const auto size = static_cast<std::int64_t>(s.size());
  const auto n = static_cast<std::int64_t>(sub.size());
  const std::int64_t end = pos < size ? pos : size; // last usable 1-based end
  if (end - n < 0) return 0;
  // Backwards from the last possible start, jumping between occurrences of
  // the first character (memrchr is much faster than rfind's byte loop).
  std::size_t candidates = static_cast<std::size_t>(end - n) + 1; // starts 0 .. candidates-1
  while (candidates > 0) {
    const void* hit = ::memrchr(s.data(), sub[0], candidates);
    if (hit == nullptr) return 0;
    const auto start = static_cast<std::size_t>(static_cast<const char*>(hit) - s.data());
    if (s.compare(start, sub.size(), sub) == 0) return static_cast<std::int64_t>(start) + 1;
    candidates = start;
  }
  return 0;
}

bool inCommaList(std::string_view list, std::string_view item) {
  std::string key;
  key.reserve(item.size() + 2);
  key += ',';
  key += item;
  key += ',';
  return list.find(key) != std::string_view::npos;
}

namespace {

std::uint64_t lengthBit(std::size_t length) {
  return std::uint64_t{1} << std::min<std::size_t>(length, 63);
}

// The entries are words: a short multiplicative hash spreads them well.
std::size_t wordHash(std::string_view s) {
  std::uint64_t h = 14695981039346656037ull;
  for (const char c : s)
    h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return static_cast<std::size_t>(h ^ (h >> 29));
}

} // namespace

CommaListSet::CommaListSet(std::string_view list) : list_(list) {
  // Only entries with a comma on each side count.
  std::vector<std::string_view> entries;
  for (std::size_t from = 0; from < list.size();) {
    const std::size_t comma = list.find(',', from);
    const std::size_t end = comma == std::string_view::npos ? list.size() : comma;
    if (from > 0 && comma != std::string_view::npos) {
      entries.push_back(list.substr(from, end - from));
      lengths_ |= lengthBit(end - from);
    }
    from = end + 1;
  }
  std::size_t size = 8;
  while (size < entries.size() * 2)
    size *= 2;
  // A null slot is free; an empty entry is a view of no characters into the list.
  slots_.assign(size, std::string_view());
  mask_ = size - 1;
  for (const std::string_view entry : entries) {
    std::size_t i = wordHash(entry) & mask_;
    while (slots_[i].data() != nullptr && slots_[i] != entry)
      i = (i + 1) & mask_;
    slots_[i] = entry;
  }
}

bool CommaListSet::isEntry(std::string_view s) const {
  if ((lengths_ & lengthBit(s.size())) == 0) return false;
  for (std::size_t i = wordHash(s) & mask_; slots_[i].data() != nullptr; i = (i + 1) & mask_)
    if (sameShortText(slots_[i], s)) return true;
  return false;
}

bool CommaListSet::contains(std::string_view item) const {
  // An item holding a comma can only match a run of entries, so each of its
  // parts must be an entry before the plain search is worth making.
  // A loop: the items are words, too short for the library's search.
  for (auto from = item.begin();;) {
    const auto comma = std::find(from, item.end(), ',');
    if (!isEntry(std::string_view(from, comma))) return false;
    if (comma == item.end()) return from == item.begin() || inCommaList(list_, item);
    from = comma + 1;
  }
}

TextFinder::TextFinder(std::string_view what)
    : what_(what), searcher_(what_.begin(), what_.end()) {}

std::size_t TextFinder::in(std::string_view s, std::size_t from) const {
  if (from > s.size()) return std::string_view::npos;
  if (what_.empty()) return from;
  const auto hit = searcher_(s.begin() + static_cast<std::ptrdiff_t>(from), s.end()).first;
  return hit == s.end() ? std::string_view::npos : static_cast<std::size_t>(hit - s.begin());
}

std::string replaceAll(std::string_view s, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(s);
  const TextFinder finder(from);
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (true) {
    const std::size_t hit = finder.in(s, i);
    if (hit == std::string_view::npos) break;
    out.append(s.substr(i, hit - i));
    out.append(to);
    i = hit + from.size();
  }
  out.append(s.substr(i));
  return out;
}

} // namespace engine
