// A search for many byte strings at once in one pass over a text (an
// Aho-Corasick automaton). The text is fed one byte at a time; after each byte
// the state names every pattern that ends there. Building takes time and
// memory in proportion to the patterns' total length.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace acquisition {

class PatternSearch {
public:
  using State = std::int32_t;

  // Patterns are named by their index; empty ones never match, and of equal
  // ones only the first is reported. The bytes are copied into the automaton.
  explicit PatternSearch(const std::vector<std::string_view>& patterns);

  static constexpr State start() { return 0; }
  State next(State state, unsigned char byte) const;

  // Calls f(patternIndex) for every pattern that ends in `state`.
  template <class F> void forEachMatch(State state, F&& f) const {
    for (std::int32_t n = nodes_[static_cast<std::size_t>(state)].output; n >= 0;
         n = nodes_[static_cast<std::size_t>(nodes_[static_cast<std::size_t>(n)].fail)].output) {
      f(nodes_[static_cast<std::size_t>(n)].pattern);
    }
  }

private:
  struct Node {
    std::int32_t firstChild = -1;
    std::int32_t nextSibling = -1;
    std::int32_t fail = 0;
    std::int32_t output =
        -1; // this node or the nearest below it on the fail chain that ends a pattern
    std::int32_t pattern = -1; // the pattern ending here
    unsigned char label = 0;
  };

  std::int32_t child(std::int32_t node, unsigned char byte) const;
  std::int32_t addChild(std::int32_t node, unsigned char byte);

  std::vector<Node> nodes_;
  std::int32_t rootChildren_[256];
};

} // namespace acquisition
