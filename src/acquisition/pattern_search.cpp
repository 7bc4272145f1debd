#include "acquisition/pattern_search.h"

#include <algorithm>

namespace acquisition {

PatternSearch::PatternSearch(const std::vector<std::string_view>& patterns) {
  std::fill(std::begin(rootChildren_), std::end(rootChildren_), -1);
  std::size_t total = 1;
  for (const std::string_view p : patterns)
    total += p.size();
  nodes_.reserve(total);
  nodes_.emplace_back();
  for (std::size_t i = 0; i < patterns.size(); ++i) {
    if (patterns[i].empty()) continue;
    std::int32_t node = 0;
    for (const char c : patterns[i]) {
      const auto byte = static_cast<unsigned char>(c);
      const std::int32_t existing = child(node, byte);
      node = existing >= 0 ? existing : addChild(node, byte);
    }
    if (nodes_[static_cast<std::size_t>(node)].pattern < 0)
      nodes_[static_cast<std::size_t>(node)].pattern = static_cast<std::int32_t>(i);
  }

  // Fail links breadth first: a node's longest proper suffix that is also a
  // path from the root.
  std::vector<std::int32_t> queue;
  queue.reserve(nodes_.size());
  for (const std::int32_t c : rootChildren_) {
    if (c < 0) continue;
    nodes_[static_cast<std::size_t>(c)].fail = 0;
    queue.push_back(c);
  }
  for (std::size_t head = 0; head < queue.size(); ++head) {
    const std::int32_t u = queue[head];
    Node& un = nodes_[static_cast<std::size_t>(u)];
    un.output = un.pattern >= 0 ? u : nodes_[static_cast<std::size_t>(un.fail)].output;
    for (std::int32_t v = un.firstChild; v >= 0;
         v = nodes_[static_cast<std::size_t>(v)].nextSibling) {
      const unsigned char label = nodes_[static_cast<std::size_t>(v)].label;
      std::int32_t f = nodes_[static_cast<std::size_t>(u)].fail;
      std::int32_t target = child(f, label);
      while (target < 0 && f != 0) {
        f = nodes_[static_cast<std::size_t>(f)].fail;
        target = child(f, label);
      }
      nodes_[static_cast<std::size_t>(v)].fail = target >= 0 ? target : 0;
      queue.push_back(v);
    }
  }
}

std::int32_t PatternSearch::child(std::int32_t node, unsigned char byte) const {
  if (node == 0) return rootChildren_[byte];
  for (std::int32_t c = nodes_[static_cast<std::size_t>(node)].firstChild; c >= 0;
       c = nodes_[static_cast<std::size_t>(c)].nextSibling) {
    if (nodes_[static_cast<std::size_t>(c)].label == byte) return c;
  }
  return -1;
}

std::int32_t PatternSearch::addChild(std::int32_t node, unsigned char byte) {
  const auto index = static_cast<std::int32_t>(nodes_.size());
  Node n;
  n.label = byte;
  if (node == 0) {
    rootChildren_[byte] = index;
  } else {
    n.nextSibling = nodes_[static_cast<std::size_t>(node)].firstChild;
    nodes_[static_cast<std::size_t>(node)].firstChild = index;
  }
  nodes_.push_back(n);
  return index;
}

PatternSearch::State PatternSearch::next(State state, unsigned char byte) const {
  while (true) {
    const std::int32_t c = child(state, byte);
    if (c >= 0) return c;
    if (state == 0) return 0;
    state = nodes_[static_cast<std::size_t>(state)].fail;
  }
}

} // namespace acquisition
