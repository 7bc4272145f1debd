#include "dialogs/qt/tfrm_speed_settings.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <memory>

#include "dialog_rig.h"

namespace dialogs::testing {
namespace {

const reader::AutomaticTable& table() {
  static const reader::AutomaticTable t = reader::buildAutomaticTable();
  return t;
}

struct SpeedDialog {
  explicit SpeedDialog(engine::SpeedSelection selection = engine::SpeedSelection::Automatic) {
    testsupport::qtApp();
    settings.WordsPerMinute = 300;
    settings.SpeedSettingsSelection = selection;
    settings.LinesPerScreen = 1;
    settings.WordsPerScreen = 2;
    dialog = std::make_unique<TfrmSpeedSettings>(settings, table(), boxes);
    dialog->show();
  }
  void type(const char* text) {
    dialog->edPace->clear();
    QTest::keyClicks(dialog->edPace, text);
  }
  std::vector<platform::ShownMessage> errors(const char* text) const {
    return {{platform::MessageKind::Error, text}};
  }

  engine::SettingsRecord settings;
  platform::RecordingMessageBoxes boxes;
  std::unique_ptr<TfrmSpeedSettings> dialog;
};

TEST(SpeedDialog, OpensWithThePaceAndTheStoredLayout) {
  for (auto selection : {engine::SpeedSelection::Automatic, engine::SpeedSelection::Custom}) {
    SpeedDialog rig(selection);
    const bool custom = selection == engine::SpeedSelection::Custom;
    EXPECT_EQ(rig.dialog->edPace->text(), "300");
    EXPECT_EQ(rig.dialog->rbCustom->isChecked(), custom);
    EXPECT_EQ(rig.dialog->rbAutomatic->isChecked(), !custom);
    EXPECT_EQ(rig.dialog->cbLayout->isEnabled(), custom);
    EXPECT_EQ(rig.dialog->cbLayout->currentText(), "1 x 2");
  }
}

TEST(SpeedDialog, ATypedLetterEmptiesTheBoxWithTheImproperMessage) {
  SpeedDialog rig;
  rig.dialog->btCancel->setFocus();
  rig.type("12a");
  EXPECT_EQ(rig.dialog->edPace->text(), "");
  EXPECT_EQ(rig.boxes.shown, rig.errors(ImproperPaceMessage));
  EXPECT_EQ(rig.dialog->focusWidget(), rig.dialog->edPace);
}

// The paces OK refuses are SpeedSettings.OkStoresThePaceAndTheLayoutShownOrRefusesThePace.
TEST(SpeedDialog, OkWithAnUnusablePaceKeepsTheDialogOpen) {
  SpeedDialog rig;
  rig.type("3001");
  click(rig.dialog->btOK);
  EXPECT_EQ(rig.boxes.shown, rig.errors(InvalidPaceMessage));
  EXPECT_TRUE(rig.dialog->isVisible());
  EXPECT_EQ(rig.dialog->edPace->text(), "");
  EXPECT_EQ(rig.settings.WordsPerMinute, 300);
}

// The items each pace gives are the logic test
// SpeedSettings.TypingFollowsTheAutomaticTableAndRefusesLetters.
TEST(SpeedDialog, WithAutomaticTheListFollowsTheTypedPaceAndOkStoresIt) {
  SpeedDialog rig;
  rig.type("1500");
  EXPECT_EQ(rig.dialog->cbLayout->currentText(), "2 x 4");
  click(rig.dialog->btOK);
  EXPECT_EQ(rig.dialog->result(), QDialog::Accepted);
  EXPECT_EQ(rig.settings.WordsPerMinute, 1500);
  EXPECT_EQ(rig.settings.LinesPerScreen, 2);
  EXPECT_EQ(rig.settings.WordsPerScreen, 4);
  EXPECT_EQ(rig.settings.SpeedSettingsSelection, engine::SpeedSelection::Automatic);
  EXPECT_TRUE(rig.boxes.shown.empty());
}

TEST(SpeedDialog, TheUpDownAndTheArrowKeysStepTheTypedPace) {
  SpeedDialog rig;
  QTest::keyClick(rig.dialog->edPace, Qt::Key_Up);
  EXPECT_EQ(rig.dialog->edPace->text(), "310");
  rig.type("1995");
  click(rig.dialog->udPaceUp); // the list follows with "Automatic"
  EXPECT_EQ(rig.dialog->cbLayout->currentText(), "3 x 5 (3 lines)");
  EXPECT_TRUE(rig.boxes.shown.empty());
}

TEST(SpeedDialog, ACustomLayoutIsKeptAndCancelChangesNothing) {
  SpeedDialog rig;
  click(rig.dialog->rbCustom);
  EXPECT_TRUE(rig.dialog->cbLayout->isEnabled());
  rig.dialog->cbLayout->setCurrentIndex(11);
  emit rig.dialog->cbLayout->activated(11);
  rig.type("1500"); // does not move a custom layout
  EXPECT_EQ(rig.dialog->cbLayout->currentText(), "3 x 6");
  const engine::SettingsRecord before = rig.settings;
  click(rig.dialog->btCancel);
  EXPECT_EQ(rig.settings, before);
  EXPECT_FALSE(rig.dialog->isVisible());
}

} // namespace
} // namespace dialogs::testing
