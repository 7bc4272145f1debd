// The tree of the options dialog's Text Rules page: eight groups with the 18
// text rules as leaves. Read from top to bottom, the leaves are the rules 0-17
// in index order. Every node has a state picture index: NoStateIndex for a
// group (no check box), UncheckedState or CheckedState for a leaf. Only a
// click on a leaf's state picture changes it.
#pragma once

#include <string>
#include <vector>

#include "dialogs/settings_store.h"
#include "engine/settings_record.h"

namespace dialogs {

inline constexpr int NoStateIndex = -1;
inline constexpr int UncheckedState = 1;
inline constexpr int CheckedState = 2;

struct RuleNode {
  std::string caption;
  bool group = false;
  int StateIndex = NoStateIndex;
};

using RulesTree = std::vector<RuleNode>;

// The nodes in display order, each group followed by its leaves; every leaf
// unchecked.
RulesTree textRulesTree();

// Leaf n (counting leaves only, from 0) := checked when rule n is on.
void LoadTextRulesSettings(RulesTree& tree, const engine::SettingsRecord& settings);

// A click on a node's state picture: a leaf flips between unchecked and
// checked; a group has none and stays as it is.
void toggleRuleNode(RuleNode& node);

// "True" or "False" for every node with a state picture, in order, joined by ",".
std::string textRulesText(const RulesTree& tree);

// Writes textRulesText into the "value" field of `GeneralTextRules` at once
// (the store saves the file), then sets the record's rules from the leaves
// and `HeadingMaxWords` to 12 with "Detect longer headings" on, else 8.
void SaveTextRulesSettings(const RulesTree& tree, engine::SettingsRecord& settings,
                           SettingsStore& store);

} // namespace dialogs
