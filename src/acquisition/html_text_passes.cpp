#include "acquisition/html_text_passes.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

#include "acquisition/pattern_search.h"

namespace acquisition {

bool PassBudget::spend(std::uint64_t n) {
  if (exhausted || n > work) return !(exhausted = true);
  work -= n;
  return true;
}

bool PassBudget::grow(std::uint64_t n) {
  if (exhausted || n > growth) return !(exhausted = true);
  growth -= n;
  return true;
}

namespace {

bool holdsLineEnd(std::string_view s) {
  return s.find_first_of("\r\n") != std::string_view::npos;
}

// The distinct entries of a list, and the list as indexes into them.
struct Passes {
  std::vector<std::string_view> patterns;
  std::vector<std::int32_t> order;
};

template <class Keep> Passes distinctPasses(const std::vector<std::string>& list, Keep keep) {
  Passes out;
  std::unordered_map<std::string_view, std::int32_t> ids;
  for (const std::string& entry : list) {
    if (entry.empty() || !keep(entry)) continue;
    const auto [it, added] = ids.emplace(entry, static_cast<std::int32_t>(out.patterns.size()));
    if (added) out.patterns.push_back(entry);
    out.order.push_back(it->second);
  }
  return out;
}

// --- Headings ------------------------------------------------------------------
//
// A heading holds no CR, so CR h CR matches exactly a line (a stretch between
// CRs) that equals h, with a CR free on each side. The text therefore is
// handled as lines and the counts of CRs between them; only the counts change.
// A replace-all finds a line only when the CR before it was not taken by the
// match on the line just before, which happens when the two are separated by
// one CR and are equal: so lines of different texts are independent of each
// other and of the order of the list, and a stretch of equal lines takes its
// rounds one after the other, which settle after at most two (from then on
// every round matches the same lines).

struct Line {
  std::size_t start;
  std::size_t length;
};

} // namespace

std::string surroundHeadings(std::string_view text, const std::vector<std::string>& headings,
                             PassBudget& budget) {
  std::unordered_map<std::string_view, std::uint64_t> rounds;
  for (const std::string& h : headings)
    if (!h.empty() && !holdsLineEnd(h)) ++rounds[h];
  if (rounds.empty()) return std::string(text);

  std::vector<Line> lines;
  std::vector<std::uint64_t> crs(1, 0); // crs[j]: CRs before line j; the last entry: after all
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == '\r') {
      ++crs.back();
      ++i;
      continue;
    }
    std::size_t end = text.find('\r', i);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back({i, end - i});
    crs.push_back(0);
    i = end;
  }
  if (!budget.spend(text.size())) return std::string(text);
  const auto lineText = [&](std::size_t j) { return text.substr(lines[j].start, lines[j].length); };

  std::vector<char> matched;
  for (std::size_t a = 0; a < lines.size();) {
    std::size_t b = a + 1;
    while (b < lines.size() && lineText(b) == lineText(a))
      ++b;
    const auto it = rounds.find(lineText(a));
    if (it == rounds.end()) {
      a = b;
      continue;
    }
    const std::uint64_t total = it->second;
    for (std::uint64_t round = 0; round < total; ++round) {
      if (!budget.spend(b - a)) break;
      matched.assign(b - a, 0);
      std::size_t count = 0;
      for (std::size_t j = a; j < b; ++j) {
        const bool taken = j > a && matched[j - 1 - a] && crs[j] == 1;
        if (crs[j] >= 1 && crs[j + 1] >= 1 && !taken) {
          matched[j - a] = 1;
          ++count;
        }
      }
      if (count == 0 || !budget.grow(2 * count)) break;
      for (std::size_t j = a; j < b; ++j) {
        if (!matched[j - a]) continue;
        ++crs[j];
        ++crs[j + 1];
      }
      bool settled = true;
      for (std::size_t j = a + 1; j < b && settled; ++j)
        settled = crs[j] >= 2;
      if (!settled) continue;
      // Nothing blocks any more: each round left takes every line with a CR
      // on both sides, and those never change.
      const std::uint64_t left = total - round - 1;
      std::size_t open = 0;
      for (std::size_t j = a; j < b; ++j) {
        matched[j - a] = crs[j] >= 1 && crs[j + 1] >= 1;
        open += matched[j - a];
      }
      if (left == 0 || !budget.grow(2 * open * left)) break;
      for (std::size_t j = a; j < b; ++j) {
        if (!matched[j - a]) continue;
        crs[j] += left;
        crs[j + 1] += left;
      }
      break;
    }
    a = b;
  }

  std::string out;
  std::uint64_t size = text.size();
  for (const std::uint64_t c : crs)
    size += c;
  out.reserve(static_cast<std::size_t>(size));
  for (std::size_t j = 0; j < lines.size(); ++j) {
    out.append(static_cast<std::size_t>(crs[j]), '\r');
    out.append(lineText(j));
  }
  out.append(static_cast<std::size_t>(crs.back()), '\r');
  return out;
}

// --- Paragraphs --------------------------------------------------------------------
//
// Adding CRs never removes a character, and a paragraph that holds no CR can
// match only where no CR was added inside it: the occurrences at every round
// are those of the first text that no earlier round has cut. They are found
// all at once, then each round takes, left to right, those that neither
// overlap the one it took last nor hold an added CR.

std::string breakAfterParagraphs(std::string_view text, const std::vector<std::string>& paragraphs,
                                 PassBudget& budget) {
  // A paragraph running over several lines holds CR LF, and the text has no
  // LF left: it matches nowhere.
  const Passes passes =
      distinctPasses(paragraphs, [](const std::string& p) { return !holdsLineEnd(p); });
  if (passes.order.empty()) return std::string(text);
  std::uint64_t patternBytes = 0;
  for (const std::string_view p : passes.patterns)
    patternBytes += p.size();
  if (!budget.spend(patternBytes + text.size())) return std::string(text);

  const PatternSearch search(passes.patterns);
  std::vector<std::vector<std::uint32_t>> starts(passes.patterns.size());
  PatternSearch::State state = PatternSearch::start();
  for (std::size_t i = 0; i < text.size() && !budget.exhausted; ++i) {
    state = search.next(state, static_cast<unsigned char>(text[i]));
    search.forEachMatch(state, [&](std::int32_t p) {
      if (!budget.spend(1)) return;
      starts[static_cast<std::size_t>(p)].push_back(
          static_cast<std::uint32_t>(i + 1 - passes.patterns[static_cast<std::size_t>(p)].size()));
    });
  }
  if (budget.exhausted) return std::string(text);

  // added[g]: CRs added before character g; cut: one bit per gap that has one.
  std::vector<std::uint32_t> added(text.size() + 1, 0);
  std::vector<std::uint64_t> cut(text.size() / 64 + 1, 0);
  const auto cutInside = [&](std::size_t from, std::size_t to) { // gaps from..to-1
    for (std::size_t g = from; g < to;) {
      const std::uint64_t word = cut[g / 64] >> (g % 64);
      if (word == 0) {
        g = (g / 64 + 1) * 64;
        continue;
      }
      return g + static_cast<std::size_t>(__builtin_ctzll(word)) < to;
    }
    return false;
  };
  for (const std::int32_t id : passes.order) {
    const std::vector<std::uint32_t>& at = starts[static_cast<std::size_t>(id)];
    const std::size_t length = passes.patterns[static_cast<std::size_t>(id)].size();
    if (!budget.spend(at.size() + 1)) break;
    std::size_t free = 0;
    for (const std::uint32_t start : at) {
      if (start < free || cutInside(start + 1, start + length)) continue;
      if (!budget.grow(1)) break;
      const std::size_t gap = start + length;
      ++added[gap];
      cut[gap / 64] |= std::uint64_t{1} << (gap % 64);
      free = gap;
    }
    if (budget.exhausted) break;
  }

  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (std::size_t i = 0; i <= text.size(); ++i) {
    out.append(added[i], '\r');
    if (i < text.size()) out.push_back(text[i]);
  }
  return out;
}

// --- Removals ----------------------------------------------------------------------
//
// Removals shorten the text and put a CR in place, so a later removal may
// match across that CR where it did not match before. The text is kept as a
// linked list of characters, the originals and the CRs put in; every
// character carries an order key (an original its index, a CR put in the key
// of the first character it replaced), so that list order and key order
// agree. A removal's candidates are its occurrences in the original text,
// and, after each round, those that a new CR makes: these are found by
// running the search around each new CR. A candidate is checked against the
// list when its round comes.

namespace {

// New occurrences are looked for this far on either side of a new CR, which
// is enough for every removal up to this length that holds a CR.
constexpr std::size_t MaxJunctionReach = 4096;

class CharList {
public:
  explicit CharList(std::string_view text) : ch_(text.begin(), text.end()) {
    const std::size_t n = ch_.size();
    key_.resize(n);
    prev_.resize(n);
    next_.resize(n);
    alive_.assign(n, 1);
    for (std::size_t i = 0; i < n; ++i) {
      key_[i] = static_cast<std::int64_t>(i);
      prev_[i] = static_cast<std::int32_t>(i) - 1;
      next_[i] = i + 1 < n ? static_cast<std::int32_t>(i + 1) : -1;
    }
    head_ = n > 0 ? 0 : -1;
  }

  bool alive(std::int32_t c) const { return alive_[static_cast<std::size_t>(c)] != 0; }
  std::int64_t key(std::int32_t c) const { return key_[static_cast<std::size_t>(c)]; }
  char at(std::int32_t c) const { return ch_[static_cast<std::size_t>(c)]; }
  std::int32_t next(std::int32_t c) const { return next_[static_cast<std::size_t>(c)]; }
  std::int32_t prev(std::int32_t c) const { return prev_[static_cast<std::size_t>(c)]; }

  // The last character of the occurrence of `pattern` starting at `from`, or -1.
  std::int32_t matchEnd(std::int32_t from, std::string_view pattern) const {
    std::int32_t c = from;
    std::int32_t last = -1;
    for (const char p : pattern) {
      if (c < 0 || at(c) != p) return -1;
      last = c;
      c = next(c);
    }
    return last;
  }

  // Replaces first..last with one CR; returns the CR.
  std::int32_t replace(std::int32_t first, std::int32_t last) {
    const auto cr = static_cast<std::int32_t>(ch_.size());
    const std::int32_t before = prev(first);
    const std::int32_t after = next(last);
    ch_.push_back('\r');
    key_.push_back(key(first));
    prev_.push_back(before);
    next_.push_back(after);
    alive_.push_back(1);
    for (std::int32_t c = first;; c = next(c)) {
      alive_[static_cast<std::size_t>(c)] = 0;
      if (c == last) break;
    }
    if (before >= 0) {
      next_[static_cast<std::size_t>(before)] = cr;
    } else {
      head_ = cr;
    }
    if (after >= 0) prev_[static_cast<std::size_t>(after)] = cr;
    return cr;
  }

  std::string text() const {
    std::string out;
    out.reserve(ch_.size());
    for (std::int32_t c = head_; c >= 0; c = next(c))
      out.push_back(at(c));
    return out;
  }

private:
  std::vector<char> ch_;
  std::vector<std::int64_t> key_;
  std::vector<std::int32_t> prev_;
  std::vector<std::int32_t> next_;
  std::vector<std::uint8_t> alive_;
  std::int32_t head_ = -1;
};

struct Span {
  std::int32_t first;
  std::int32_t last;
};

} // namespace

std::string cutRemovals(std::string_view text, const std::vector<std::string>& removals,
                        PassBudget& budget) {
  const Passes passes = distinctPasses(removals, [](const std::string&) { return true; });
  if (passes.order.empty()) return std::string(text);
  if (text.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() / 2))
    return std::string(text);
  std::uint64_t patternBytes = 0;
  std::size_t reach = 0;
  for (const std::string_view p : passes.patterns) {
    patternBytes += p.size();
    if (holdsLineEnd(p)) reach = std::max(reach, p.size() - 1);
  }
  reach = std::min(reach, MaxJunctionReach);
  if (!budget.spend(patternBytes + 4 * text.size())) return std::string(text);

  const std::size_t distinct = passes.patterns.size();
  std::vector<std::size_t> lastRound(distinct, 0);
  for (std::size_t r = 0; r < passes.order.size(); ++r)
    lastRound[static_cast<std::size_t>(passes.order[r])] = r;
  // laterCr[r]: a round after r removes something that holds a CR.
  std::vector<char> laterCr(passes.order.size(), 0);
  for (std::size_t r = passes.order.size() - 1; r > 0; --r) {
    laterCr[r - 1] = static_cast<char>(
        laterCr[r] || holdsLineEnd(passes.patterns[static_cast<std::size_t>(passes.order[r])]));
  }

  const PatternSearch search(passes.patterns);
  std::vector<std::vector<std::int32_t>> candidates(distinct);
  PatternSearch::State state = PatternSearch::start();
  for (std::size_t i = 0; i < text.size() && !budget.exhausted; ++i) {
    state = search.next(state, static_cast<unsigned char>(text[i]));
    search.forEachMatch(state, [&](std::int32_t p) {
      if (!budget.spend(1)) return;
      candidates[static_cast<std::size_t>(p)].push_back(
          static_cast<std::int32_t>(i + 1 - passes.patterns[static_cast<std::size_t>(p)].size()));
    });
  }
  if (budget.exhausted) return std::string(text);

  CharList list(text);
  std::vector<Span> taken;
  std::vector<std::int32_t> window;
  for (std::size_t round = 0; round < passes.order.size(); ++round) {
    const auto id = static_cast<std::size_t>(passes.order[round]);
    const std::string_view pattern = passes.patterns[id];
    std::vector<std::int32_t>& at = candidates[id];
    if (!budget.spend(at.size() + 1)) break;
    std::sort(at.begin(), at.end(), [&](std::int32_t a, std::int32_t b) {
      return list.key(a) != list.key(b) ? list.key(a) < list.key(b) : a < b;
    });
    at.erase(std::unique(at.begin(), at.end()), at.end());

    // Choose on the text as it stands at the start of the round.
    taken.clear();
    std::size_t kept = 0;
    std::int64_t free = std::numeric_limits<std::int64_t>::min();
    for (const std::int32_t first : at) {
      if (!list.alive(first)) continue;
      if (list.key(first) <= free) {
        at[kept++] = first; // overlapped this time; may match in a later round
        continue;
      }
      if (!budget.spend(pattern.size())) break;
      const std::int32_t last = list.matchEnd(first, pattern);
      if (last < 0) continue; // a change inside it would come back as a new candidate
      taken.push_back({first, last});
      free = list.key(last);
    }
    at.resize(kept);
    if (budget.exhausted) break;

    for (const Span& s : taken) {
      const std::int32_t cr = list.replace(s.first, s.last);
      if (!laterCr[round] || reach == 0) continue;
      if (!budget.spend(4 * reach + 2)) break;
      // The characters around the new CR, in order.
      window.clear();
      std::int32_t c = cr;
      for (std::size_t k = 0; k < reach && list.prev(c) >= 0; ++k)
        c = list.prev(c);
      for (std::size_t k = 0; c >= 0 && k <= 2 * reach; ++k, c = list.next(c))
        window.push_back(c);
      const auto crAt =
          static_cast<std::size_t>(std::find(window.begin(), window.end(), cr) - window.begin());
      PatternSearch::State w = PatternSearch::start();
      for (std::size_t k = 0; k < window.size(); ++k) {
        w = search.next(w, static_cast<unsigned char>(list.at(window[k])));
        if (k < crAt) continue;
        search.forEachMatch(w, [&](std::int32_t p) {
          const std::size_t length = passes.patterns[static_cast<std::size_t>(p)].size();
          if (k + 1 < length) return;
          const std::size_t first = k + 1 - length;
          if (first > crAt || lastRound[static_cast<std::size_t>(p)] <= round) return;
          candidates[static_cast<std::size_t>(p)].push_back(window[first]);
        });
      }
    }
    if (budget.exhausted) break;
  }
  return list.text();
}

} // namespace acquisition
