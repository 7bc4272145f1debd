#include "dialogs/text_rules_tree.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace dialogs {
namespace {

using Write = std::tuple<std::string, std::string, std::string>; // key, field, text

// Keeps every write; saves and loads are not used by the tree.
struct RecordingStore : SettingsStore {
  bool saveSettings() override { return true; }
  bool loadSettings(const std::string&) override { return true; }
  bool writeSetting(const std::string& key, const std::string& field,
                    const std::string& text) override {
    writes.push_back({key, field, text});
    return true;
  }
  std::vector<Write> writes;
};

// Every rule lights exactly one node: the leaf of its number in the tree's
// order, wherever its group puts it (the captions are the tree's own).
TEST(TextRulesTree, RuleNLightsTheNthLeafWhereverItsGroupIs) {
  for (int rule = 0; rule < engine::TextRuleCount; ++rule) {
    engine::SettingsRecord settings;
    settings.GeneralTextRules[static_cast<std::size_t>(rule)] = true;
    RulesTree tree = textRulesTree();
    LoadTextRulesSettings(tree, settings);
    std::vector<int> checkedLeaves; // by their number among the leaves
    int leaf = 0;
    for (const RuleNode& node : tree) {
      if (node.group) continue;
      if (node.StateIndex == CheckedState) checkedLeaves.push_back(leaf);
      ++leaf;
    }
    EXPECT_EQ(checkedLeaves, std::vector<int>{rule});
  }
}

TEST(TextRulesTree, GroupsHaveNoCheckBoxAndAClickFlipsOnlyLeaves) {
  for (RuleNode& node : textRulesTree()) {
    std::vector<int> states{node.StateIndex};
    for (int click = 0; click < 2; ++click) {
      toggleRuleNode(node);
      states.push_back(node.StateIndex);
    }
    const std::vector<int> expected =
        node.group ? std::vector{NoStateIndex, NoStateIndex, NoStateIndex}
                   : std::vector{UncheckedState, CheckedState, UncheckedState};
    EXPECT_EQ(states, expected) << node.caption;
  }
}

TEST(TextRulesTree, SavingWritesTheFlagsAtOnceThenSetsTheRulesAndTheHeadingLimit) {
  struct Case {
    std::vector<int> on;
    int headingMaxWords;
  };
  for (const Case& c : {Case{{}, 8}, Case{{2}, 12}, Case{{0, 17}, 8}}) {
    engine::SettingsRecord settings;
    settings.GeneralTextRules.fill(true); // every rule changes unless its leaf is on
    settings.HeadingMaxWords = 0;
    engine::SettingsRecord loaded;
    std::string text; // the eighteen flags in the file's words
    for (int rule : c.on)
      loaded.GeneralTextRules[static_cast<std::size_t>(rule)] = true;
    for (bool on : loaded.GeneralTextRules)
      text += std::string(text.empty() ? "" : ",") + (on ? "True" : "False");
    RulesTree tree = textRulesTree();
    LoadTextRulesSettings(tree, loaded);
    RecordingStore store;
    SaveTextRulesSettings(tree, settings, store);
    EXPECT_EQ(store.writes, (std::vector<Write>{{"GeneralTextRules", "value", text}}));
    EXPECT_EQ(settings.GeneralTextRules, loaded.GeneralTextRules);
    EXPECT_EQ(settings.HeadingMaxWords, c.headingMaxWords);
  }
}

} // namespace
} // namespace dialogs
