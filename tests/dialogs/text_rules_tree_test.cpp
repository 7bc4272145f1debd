#include "dialogs/text_rules_tree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dialogs {
namespace {

struct Write {
  std::string key, field, text;
  bool operator==(const Write&) const = default;
};

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

// The caption of the group a node sits in.
std::string groupOf(const RulesTree& tree, std::size_t node) {
  for (std::size_t i = node + 1; i-- > 0;)
    if (tree[i].group) return tree[i].caption;
  return {};
}

TEST(TextRulesTree, RuleNLightsTheNthLeafWhereverItsGroupIs) {
  struct Case {
    int rule;
    const char* leaf;
    const char* group;
  };
  for (const Case& c :
       {Case{0, "Underline headings", "Headings"},
        Case{3, "Ignore headings with punctuation", "Headings"},
        Case{4, "Ignore multiple carriage returns (Column Reader only)", "Formating"},
        Case{11, "Break-up punctuated sentences (Banner Mode only)", "Sentences"},
        Case{12, "Create new row for each carriage return", "MS Word Documents"},
        Case{13, "Create new row for each carriage return", "PDF Documents"},
        Case{15, "Create new row for each carriage return", "Outlook Messages"},
        Case{16, "Ignore special rules for Capitalized words", "Text files"},
        Case{17, "Create new row for each carriage return", "Text files"}}) {
    engine::SettingsRecord settings;
    settings.GeneralTextRules[static_cast<std::size_t>(c.rule)] = true;
    RulesTree tree = textRulesTree();
    LoadTextRulesSettings(tree, settings);
    std::vector<std::size_t> checked;
    for (std::size_t i = 0; i < tree.size(); ++i)
      if (tree[i].StateIndex == CheckedState) checked.push_back(i);
    ASSERT_EQ(checked.size(), 1u) << "rule " << c.rule;
    EXPECT_EQ(tree[checked[0]].caption, c.leaf) << "rule " << c.rule;
    EXPECT_EQ(groupOf(tree, checked[0]), c.group) << "rule " << c.rule;
  }
}

TEST(TextRulesTree, GroupsHaveNoCheckBoxAndAClickFlipsOnlyLeaves) {
  RulesTree tree = textRulesTree();
  std::size_t groups = 0;
  for (RuleNode& node : tree) {
    const int before = node.StateIndex;
    toggleRuleNode(node);
    if (node.group) {
      ++groups;
      EXPECT_EQ(node.StateIndex, NoStateIndex) << node.caption;
    } else {
      EXPECT_EQ(before, UncheckedState) << node.caption;
      EXPECT_EQ(node.StateIndex, CheckedState) << node.caption;
      toggleRuleNode(node);
      EXPECT_EQ(node.StateIndex, UncheckedState) << node.caption;
    }
  }
  EXPECT_EQ(groups, 8u);
  EXPECT_EQ(tree.size() - groups, static_cast<std::size_t>(engine::TextRuleCount));
  // "HTML (Web Pages)" is a group without leaves: the next node is a group too.
  for (std::size_t i = 0; i + 1 < tree.size(); ++i) {
    if (tree[i].caption == "HTML (Web Pages)") {
      EXPECT_TRUE(tree[i + 1].group);
    }
  }
}

TEST(TextRulesTree, SavingWritesTheFlagsAtOnceThenSetsTheRulesAndTheHeadingLimit) {
  struct Case {
    std::vector<int> on;
    const char* text;
    int headingMaxWords;
  };
  const std::string allFalse = "False,False,False,False,False,False,False,False,False,False,"
                               "False,False,False,False,False,False,False,False";
  for (const Case& c :
       {Case{{}, allFalse.c_str(), 8},
        Case{{2},
             "False,False,True,False,False,False,False,False,False,False,False,False,False,False,"
             "False,False,False,False",
             12},
        Case{{0, 17},
             "True,False,False,False,False,False,False,False,False,False,False,False,False,False,"
             "False,False,False,True",
             8}}) {
    engine::SettingsRecord settings;
    settings.GeneralTextRules.fill(true); // every rule changes unless its leaf is on
    settings.HeadingMaxWords = 0;
    engine::SettingsRecord loaded;
    for (int rule : c.on)
      loaded.GeneralTextRules[static_cast<std::size_t>(rule)] = true;
    RulesTree tree = textRulesTree();
    LoadTextRulesSettings(tree, loaded);
    RecordingStore store;
    SaveTextRulesSettings(tree, settings, store);
    EXPECT_EQ(store.writes, (std::vector<Write>{{"GeneralTextRules", "value", c.text}}));
    EXPECT_EQ(settings.GeneralTextRules, loaded.GeneralTextRules);
    EXPECT_EQ(settings.HeadingMaxWords, c.headingMaxWords);
  }
}

} // namespace
} // namespace dialogs
