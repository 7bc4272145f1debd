#include "dialogs/qt/tfrm_options.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include "dialog_rig.h"
#include "dialogs/qt/rules_tree_widget.h"
#include "dialogs/qt/word_check_list.h"
#include "engine/autoskim_words.h"

namespace dialogs::testing {
namespace {

// Away from the factory values, in settings the dialog touches and some it does not.
void changeSettings(engine::SettingsRecord& s) {
  s.WordsPerMinute = 1250;
  s.Banner.FontSize = 12, s.Banner.FontPointSize = 36;
  s.Column.TextColor = platform::rgb(128, 0, 0);
  s.ReadingMode = engine::ReadingModeKind::Double;
  s.GeneralTextRules[2] = s.GeneralTextRules[9] = true, s.HeadingMaxWords = 12;
  s.LoopMode = true, s.ClearTypeFont = false;
  s.CompressorReplaceSelection = engine::ReplaceSelection::Hide;
  s.CompresionSetting = 3, s.CompressorList = engine::presetWordList(3);
  s.TotalNumberOfWordsReaded = 4242;
}

struct OptionsDialog : SettingsRig {
  explicit OptionsDialog(const std::string& startPage = "General") {
    changeSettings(settings);
    dialog = std::make_unique<TfrmOptions>(settings, store, autorun);
    dialog->StartPage = startPage;
    dialog->show();
  }
  std::unique_ptr<TfrmOptions> dialog;
};

// Opening saves the file. Restore Defaults shows the defaults at once; Cancel
// gives back the saved settings, OK writes the rules now and the rest at the next save.
TEST(OptionsDialog, RestoreDefaultsThenCancelOrOk) {
  for (bool ok : {false, true}) {
    OptionsDialog rig;
    EXPECT_EQ(rig.storedValue("WordsPerMinute"), "1250");
    const engine::SettingsRecord saved = rig.settings;
    engine::SettingsRecord expected; // the factory file's defaults
    // The list the page builds for "~10%" has no blank entry at its end.
    expected.CompressorList = expected.UserDefinedCompressorSet = ",the,of,a,";
    click(rig.dialog->btRestoreDefaults);
    EXPECT_TRUE(rig.dialog->isVisible());
    EXPECT_FALSE(rig.dialog->cbLoopMode->isChecked());
    click(ok ? rig.dialog->btOK : rig.dialog->btCancel);
    EXPECT_FALSE(rig.dialog->isVisible());
    EXPECT_EQ(rig.dialog->result(), ok ? QDialog::Accepted : QDialog::Rejected);
    EXPECT_EQ(rig.settings, ok ? expected : saved);
    EXPECT_EQ(rig.storedValue("WordsPerMinute"), "1250");
    if (!ok) continue;
    EXPECT_EQ(rig.storedValue("GeneralTextRules"),
              rig.file.readSetting("GeneralTextRules", shell::DefaultField, "<missing>"));
  }
}

// The page buttons, the rules tree (toggled only on its state picture) and the
// AutoSkim word lists, then OK.
TEST(OptionsDialog, ThePagesWidgetsChangeTheSettingsOnOk) {
  OptionsDialog rig("TextRules");
  TfrmOptions& d = *rig.dialog;
  struct Case {
    QToolButton* button;
    QWidget* panel;
    const char* title;
  };
  for (const Case& c : {Case{d.imgAutoSkim, d.pnlAutoSkim, "   AutoSkim"},
                        Case{d.imgGeneral, d.pnlGeneral, "   General"},
                        Case{d.imgTextRules, d.pnlTextRules, "   Text Rules"}}) {
    click(c.button);
    EXPECT_EQ(d.lbTitle->text(), c.title);
    for (QWidget* panel : {d.pnlGeneral, d.pnlTextRules, d.pnlAutoSkim})
      EXPECT_EQ(panel->isVisible(), panel == c.panel) << c.title;
  }
  const RulesTree& tree = d.pages().textRules;
  const auto longer = std::ranges::find(tree, "Detect longer headings", &RuleNode::caption);
  ASSERT_NE(longer, tree.end());
  ASSERT_EQ(longer->StateIndex, CheckedState); // rule 2 was on
  QTreeWidgetItem* item = d.tvTextRules->itemOfNode(std::size_t(longer - tree.begin()));
  const QRect text = d.tvTextRules->visualItemRect(item);
  // Only a click on the state picture toggles the rule.
  for (const auto& [at, after] :
       {std::pair{QPoint(text.right() - 10, text.center().y()), CheckedState},
        {d.tvTextRules->statePictureRect(item).center(), UncheckedState}}) {
    QTest::mouseClick(d.tvTextRules->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(longer->StateIndex, after);
  }
  click(d.imgAutoSkim);
  // A word of list three at "~10%" makes a custom list of list one and that word.
  d.cbCompression->setCurrentIndex(0);
  emit d.cbCompression->activated(0);
  // The list OK stores shows that "~10%" checked only the three words of list one.
  QCheckBox* on = nullptr;
  for (std::size_t i = 0; i < d.clbWords[2]->count(); ++i)
    if (d.clbWords[2]->box(i)->text() == "on") on = d.clbWords[2]->box(i);
  ASSERT_NE(on, nullptr);
  click(on);
  EXPECT_TRUE(on->isChecked());
  EXPECT_EQ(d.cbCompression->currentText(), "Custom");
  click(d.rbDots);
  click(d.btOK);
  EXPECT_FALSE(rig.settings.GeneralTextRules[2]);
  EXPECT_EQ(rig.settings.CompresionSetting, engine::CustomCompressionLevel);
  EXPECT_EQ(rig.settings.CompressorList, ",the,of,a,on,");
  EXPECT_EQ(rig.settings.CompressorReplaceSelection, engine::ReplaceSelection::Dots);
}

} // namespace
} // namespace dialogs::testing
