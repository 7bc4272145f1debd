#include "dialogs/qt/tfrm_options.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include <fstream>

#include "dialog_rig.h"
#include "dialogs/qt/rules_tree_widget.h"
#include "dialogs/qt/word_check_list.h"
#include "engine/autoskim_words.h"

namespace dialogs::testing {
namespace {

// Away from the factory values in every kind of setting the dialog touches
// and in some it does not.
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
  // The check boxes of `word` in check list `list` (0-based).
  std::vector<QCheckBox*> wordBoxes(std::size_t list, const std::string& word) {
    std::vector<QCheckBox*> boxes;
    WordCheckList* words = dialog->clbWords[list];
    for (std::size_t i = 0; i < words->count(); ++i)
      if (words->box(i)->text().toStdString() == word) boxes.push_back(words->box(i));
    return boxes;
  }
  std::size_t checkedWords() const {
    std::size_t n = 0;
    for (WordCheckList* words : dialog->clbWords)
      for (std::size_t i = 0; i < words->count(); ++i)
        n += words->box(i)->isChecked() ? 1 : 0;
    return n;
  }
  std::size_t nodeOf(const std::string& caption) const {
    const RulesTree& tree = dialog->pages().textRules;
    for (std::size_t i = 0; i < tree.size(); ++i)
      if (tree[i].caption == caption) return i;
    ADD_FAILURE() << "no node " << caption;
    return 0;
  }
  void clickNode(std::size_t node, bool onStatePicture) {
    RulesTreeWidget* tree = dialog->tvTextRules;
    QTreeWidgetItem* item = tree->itemOfNode(node);
    const QRect text = tree->visualItemRect(item);
    const QPoint at = onStatePicture ? tree->statePictureRect(item).center()
                                     : QPoint(text.right() - 10, text.center().y());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  }

  std::unique_ptr<TfrmOptions> dialog;
};

// Cancel and the close box neither store the pages nor reload.
TEST(OptionsDialog, OpeningSavesTheSettingsFileEvenWhenCancelled) {
  for (bool closeBox : {false, true}) {
    OptionsDialog rig;
    EXPECT_EQ(rig.storedValue("WordsPerMinute"), "1250");
    const engine::SettingsRecord before = rig.settings;
    click(rig.dialog->cbLoopMode);
    closeBox ? (void)rig.dialog->close() : click(rig.dialog->btCancel);
    EXPECT_FALSE(rig.dialog->isVisible());
    EXPECT_EQ(rig.dialog->result(), QDialog::Rejected);
    EXPECT_EQ(rig.settings, before);
  }
}

// After Restore Defaults the pages show the defaults at once; Cancel gives back
// the saved settings, OK writes the default rules at once and the rest at the
// next save.
TEST(OptionsDialog, RestoreDefaultsThenCancelOrOk) {
  for (bool ok : {false, true}) {
    OptionsDialog rig;
    const engine::SettingsRecord saved = rig.settings;
    engine::SettingsRecord expected = rig.loadedFromFile(shell::DefaultField);
    // The list the page builds for "~10%" has no blank entry at its end.
    expected.CompressorList = expected.UserDefinedCompressorSet = ",the,of,a,";
    click(rig.dialog->btRestoreDefaults);
    EXPECT_TRUE(rig.dialog->isVisible());
    EXPECT_EQ(rig.settings.WordsPerMinute, 300);
    EXPECT_FALSE(rig.dialog->cbLoopMode->isChecked());
    click(ok ? rig.dialog->btOK : rig.dialog->btCancel);
    EXPECT_EQ(rig.dialog->result(), ok ? QDialog::Accepted : QDialog::Rejected);
    EXPECT_EQ(rig.settings, ok ? expected : saved);
    EXPECT_EQ(rig.storedValue("WordsPerMinute"), "1250");
    if (!ok) continue;
    EXPECT_EQ(rig.storedValue("GeneralTextRules"),
              rig.file.readSetting("GeneralTextRules", shell::DefaultField, "<missing>"));
    rig.file.saveSettings();
    EXPECT_EQ(rig.storedValue("WordsPerMinute"), "300");
  }
}

TEST(OptionsDialog, EachPageButtonShowsItsPageUnderItsTitle) {
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
}

// Groups without a box and the saved flags are TextRulesTree's; here the mouse
// reaches the tree only through the state picture.
TEST(OptionsDialog, OnlyAClickOnAStatePictureTogglesARule) {
  OptionsDialog rig("TextRules");
  const std::size_t longer = rig.nodeOf("Detect longer headings");
  const RulesTree& tree = rig.dialog->pages().textRules;
  ASSERT_EQ(tree[longer].StateIndex, CheckedState); // rule 2 was on
  rig.clickNode(longer, false);
  EXPECT_EQ(tree[longer].StateIndex, CheckedState);
  rig.clickNode(longer, true);
  EXPECT_EQ(tree[longer].StateIndex, UncheckedState);
  click(rig.dialog->btOK);
  EXPECT_FALSE(rig.settings.GeneralTextRules[2]);
}

TEST(OptionsDialog, AWordOfListThreeAtTenPercentMakesACustomListOfListOneAndThatWord) {
  OptionsDialog rig("AutoSkim");
  TfrmOptions& d = *rig.dialog;
  d.cbCompression->setCurrentIndex(0);
  emit d.cbCompression->activated(0);
  EXPECT_EQ(rig.checkedWords(), 3u);
  const auto on = rig.wordBoxes(2, "on");
  ASSERT_EQ(on.size(), 1u);
  click(on[0]);
  EXPECT_TRUE(on[0]->isChecked());
  EXPECT_EQ(d.cbCompression->currentText(), "Custom");
  click(d.rbDots);
  click(d.btOK);
  EXPECT_EQ(rig.settings.CompresionSetting, engine::CustomCompressionLevel);
  EXPECT_EQ(rig.settings.CompressorList, ",the,of,a,on,");
  EXPECT_EQ(rig.settings.CompressorReplaceSelection, engine::ReplaceSelection::Dots);
  rig.file.saveSettings();
  EXPECT_EQ(rig.storedValue("CompresionSetting"), "custom");
  EXPECT_EQ(rig.storedValue("UserDefinedCompressorSet"), ",the,of,a,on,");
}

TEST(OptionsDialog, AutoLoadShowsTheEntryWhoeverWroteItAndOkWritesOrRemovesIt) {
  SettingsRig setup;
  std::filesystem::create_directories(setup.autorun.entryPath().parent_path());
  std::ofstream(setup.autorun.entryPath()) << "[Desktop Entry]\n";
  for (bool before : {true, false}) { // an entry someone else wrote, then none
    TfrmOptions dialog(setup.settings, setup.store, setup.autorun);
    dialog.show();
    EXPECT_EQ(dialog.cbAutoLoad->isChecked(), before);
    click(dialog.cbAutoLoad);
    click(dialog.btOK);
    EXPECT_EQ(setup.autorun.exists(), !before);
  }
}

TEST(OptionsDialog, ShowOptionsTellsWhetherOkClosedIt) {
  for (bool ok : {true, false}) {
    SettingsRig setup;
    QTimer::singleShot(0, [ok] {
      auto* dialog = qobject_cast<TfrmOptions*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->currentPage(), OptionsPage::AutoSkim);
      click(ok ? dialog->btOK : dialog->btCancel);
    });
    EXPECT_EQ(showOptions(setup.settings, setup.store, setup.autorun, "AutoSkim"), ok);
  }
}

} // namespace
} // namespace dialogs::testing
