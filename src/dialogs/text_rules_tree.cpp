#include "dialogs/text_rules_tree.h"

#include "engine/text_rules.h"

namespace dialogs {

namespace {

struct Node {
  const char* caption;
  bool group;
};

// Captions as the program has always shown them, misspellings included.
constexpr Node Nodes[] = {
    {"Headings", true},
    {"Underline headings", false},
    {"Treat isolated lines as headings", false},
    {"Detect longer headings", false},
    {"Ignore headings with punctuation", false},
    {"Formating", true},
    {"Ignore multiple carriage returns (Column Reader only)", false},
    {"Combine small sentences (Sentece Reader only)", false},
    {"Increase line spacing (Column Reader only)", false},
    {"Repeat last line from previus page (Column Mode only)", false},
    {"Treat small paragraphs as sentences", false},
    {"Sentences", true},
    {"Delay at end of sentence", false},
    {"Delay at end of paragraph", false},
    {"Break-up punctuated sentences (Banner Mode only)", false},
    {"MS Word Documents", true},
    {"Create new row for each carriage return", false},
    {"PDF Documents", true},
    {"Create new row for each carriage return", false},
    {"Outlook Messages", true},
    {"Auto-hide reply characters (>)", false},
    {"Create new row for each carriage return", false},
    {"HTML (Web Pages)", true},
    {"Text files", true},
    {"Ignore special rules for Capitalized words", false},
    {"Create new row for each carriage return", false},
};

} // namespace

RulesTree textRulesTree() {
  RulesTree tree;
  for (const Node& node : Nodes)
    tree.push_back({node.caption, node.group, node.group ? NoStateIndex : UncheckedState});
  return tree;
}

void LoadTextRulesSettings(RulesTree& tree, const engine::SettingsRecord& settings) {
  std::size_t rule = 0;
  for (RuleNode& node : tree) {
    if (node.StateIndex == NoStateIndex) continue;
    const bool on = rule < settings.GeneralTextRules.size() && settings.GeneralTextRules[rule];
    node.StateIndex = on ? CheckedState : UncheckedState;
    ++rule;
  }
}

void toggleRuleNode(RuleNode& node) {
  if (node.StateIndex == UncheckedState)
    node.StateIndex = CheckedState;
  else if (node.StateIndex == CheckedState)
    node.StateIndex = UncheckedState;
}

std::string textRulesText(const RulesTree& tree) {
  std::string text;
  for (const RuleNode& node : tree) {
    if (node.StateIndex == NoStateIndex) continue;
    text += node.StateIndex == CheckedState ? "True," : "False,";
  }
  if (!text.empty()) text.pop_back();
  return text;
}

void SaveTextRulesSettings(const RulesTree& tree, engine::SettingsRecord& settings,
                           SettingsStore& store) {
  store.writeSetting("GeneralTextRules", "value", textRulesText(tree));
  std::size_t rule = 0;
  for (const RuleNode& node : tree) {
    if (node.StateIndex == NoStateIndex) continue;
    if (rule < settings.GeneralTextRules.size())
      settings.GeneralTextRules[rule] = node.StateIndex == CheckedState;
    ++rule;
  }
  settings.HeadingMaxWords =
      static_cast<decltype(settings.HeadingMaxWords)>(engine::headingMaxWordsFor(settings));
}

} // namespace dialogs
