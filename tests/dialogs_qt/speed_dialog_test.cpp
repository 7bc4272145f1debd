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
  SpeedDialog() {
    testsupport::qtApp();
    settings.WordsPerMinute = 300;
    settings.SpeedSettingsSelection = engine::SpeedSelection::Automatic;
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

// The pace box, its up/down, the list and OK on a dialog opened with
// Automatic; the rules for Custom and for each pace are SpeedSettings'.
TEST(SpeedDialog, TheListFollowsTheTypedOrSteppedPaceAndOkStoresIt) {
  SpeedDialog rig;
  TfrmSpeedSettings& d = *rig.dialog;
  EXPECT_EQ(d.edPace->text(), "300");
  EXPECT_TRUE(d.rbAutomatic->isChecked());
  EXPECT_FALSE(d.cbLayout->isEnabled());
  EXPECT_EQ(d.cbLayout->currentText(), "1 x 2");
  d.btCancel->setFocus();
  rig.type("12a");
  EXPECT_EQ(d.edPace->text(), "");
  EXPECT_TRUE(rig.showedError(ImproperPaceMessage));
  EXPECT_EQ(d.focusWidget(), d.edPace);
  rig.boxes.shown.clear();
  rig.type("3001");
  click(d.btOK);
  EXPECT_TRUE(rig.showedError(InvalidPaceMessage));
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(rig.settings.WordsPerMinute, 300);
  rig.boxes.shown.clear();
  rig.type("300");
  QTest::keyClick(d.edPace, Qt::Key_Up);
  EXPECT_EQ(d.edPace->text(), "310");
  rig.type("1995");
  click(d.udPaceUp);
  EXPECT_EQ(d.cbLayout->currentText(), "3 x 5 (3 lines)");
  rig.type("1500");
  EXPECT_EQ(d.cbLayout->currentText(), "2 x 4");
  click(d.btOK);
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(rig.settings.WordsPerMinute, 1500);
  EXPECT_EQ(rig.settings.LinesPerScreen, 2);
  EXPECT_EQ(rig.settings.WordsPerScreen, 4);
  EXPECT_EQ(rig.settings.SpeedSettingsSelection, engine::SpeedSelection::Automatic);
  EXPECT_TRUE(rig.boxes.shown.empty());
}

} // namespace
} // namespace dialogs::testing
