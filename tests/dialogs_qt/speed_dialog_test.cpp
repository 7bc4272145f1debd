// The speed dialog's widgets on the rules of dialogs/speed_settings_test: the
// pace box, the list, the buttons and the messages.
#include "dialogs/qt/tfrm_speed_settings.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "dialog_rig.h"

namespace dialogs::testing {
namespace {

struct SpeedDialog {
  explicit SpeedDialog(engine::SpeedSelection selection = engine::SpeedSelection::Automatic) {
    testsupport::qtApp();
    settings.WordsPerMinute = 300;
    settings.SpeedSettingsSelection = selection;
    settings.LinesPerScreen = 1;
    settings.WordsPerScreen = 2;
    dialog = std::make_unique<TfrmSpeedSettings>(settings, table, boxes);
    dialog->show();
  }
  void type(const char* text) {
    dialog->edPace->clear();
    QTest::keyClicks(dialog->edPace, text);
  }
  bool showedError(const char* text) const {
    return boxes.shown == std::vector<platform::ShownMessage>{{platform::MessageKind::Error, text}};
  }

  const reader::AutomaticTable table = reader::buildAutomaticTable();
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

TEST(SpeedDialog, ATypedLetterOrAnUnusablePaceEmptiesTheBoxWithItsMessage) {
  SpeedDialog rig;
  rig.dialog->btCancel->setFocus();
  rig.type("12a");
  EXPECT_EQ(rig.dialog->edPace->text(), "");
  EXPECT_TRUE(rig.showedError(ImproperPaceMessage));
  EXPECT_EQ(rig.dialog->focusWidget(), rig.dialog->edPace);
  rig.boxes.shown.clear();
  rig.type("3001");
  click(rig.dialog->btOK);
  EXPECT_TRUE(rig.showedError(InvalidPaceMessage));
  EXPECT_TRUE(rig.dialog->isVisible());
  EXPECT_EQ(rig.dialog->edPace->text(), "");
  EXPECT_EQ(rig.settings.WordsPerMinute, 300);
}

TEST(SpeedDialog, WithAutomaticTheListFollowsTheTypedOrSteppedPaceAndOkStoresIt) {
  SpeedDialog rig;
  QTest::keyClick(rig.dialog->edPace, Qt::Key_Up);
  EXPECT_EQ(rig.dialog->edPace->text(), "310");
  rig.type("1995");
  click(rig.dialog->udPaceUp);
  EXPECT_EQ(rig.dialog->cbLayout->currentText(), "3 x 5 (3 lines)");
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
