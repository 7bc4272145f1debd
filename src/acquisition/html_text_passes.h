// The three rounds of replacements that shape a web page's text, each made
// as if its replace-all ran once per entry of its list, in list order, every
// replace-all going left to right over the text the previous one left,
// over occurrences that do not overlap, comparing case-sensitively. Done
// that way the work grows with the product of the list and the text; here
// each round reads the text a bounded number of times and gives the same
// result.
//
// A PassBudget bounds the work and the growth of the text, so that a page
// built to blow up (thousands of paragraphs of one letter) cannot take
// unbounded time or memory: when it runs out, the rest of the round is left
// undone and `exhausted` is set.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace acquisition {

struct PassBudget {
  std::uint64_t work = 0;   // steps left
  std::uint64_t growth = 0; // characters the rounds may still add
  bool exhausted = false;

  // Spends n steps; false (and exhausted) when they are not there.
  bool spend(std::uint64_t n);
  bool grow(std::uint64_t n);
};

// For each heading h in order: every CR h CR becomes CR CR h CR CR.
std::string surroundHeadings(std::string_view text, const std::vector<std::string>& headings,
                             PassBudget& budget);

// For each paragraph p in order: every p becomes p CR.
std::string breakAfterParagraphs(std::string_view text, const std::vector<std::string>& paragraphs,
                                 PassBudget& budget);

// For each removal r in order: every r becomes a single CR.
std::string cutRemovals(std::string_view text, const std::vector<std::string>& removals,
                        PassBudget& budget);

} // namespace acquisition
