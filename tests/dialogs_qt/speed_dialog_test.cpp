// The speed dialog's widgets on the rules of dialogs/speed_settings_test: the
// pace box, the list, the buttons and the messages.
#include "dialogs/qt/tfrm_speed_settings.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "dialog_rig.h"

namespace dialogs::testing {
namespace {

// The pace box, its up/down, the list and OK on a dialog opened with
// Automatic; the rules for Custom and for each pace are SpeedSettings'.
TEST(SpeedDialog, TheListFollowsTheTypedOrSteppedPaceAndOkStoresIt) {
  testsupport::qtApp();
  const reader::AutomaticTable table = reader::buildAutomaticTable();
  engine::SettingsRecord settings;
  settings.WordsPerMinute = 300;
  settings.SpeedSettingsSelection = engine::SpeedSelection::Automatic;
  settings.LinesPerScreen = 1;
  settings.WordsPerScreen = 2;
  platform::RecordingMessageBoxes boxes;
  TfrmSpeedSettings d(settings, table, boxes);
  d.show();
  const auto type = [&](const char* text) {
    d.edPace->clear();
    QTest::keyClicks(d.edPace, text);
  };
  const auto showedError = [&](const char* text) {
    return boxes.shown == std::vector<platform::ShownMessage>{{platform::MessageKind::Error, text}};
  };
  EXPECT_EQ(d.edPace->text(), "300");
  EXPECT_TRUE(d.rbAutomatic->isChecked());
  EXPECT_FALSE(d.cbLayout->isEnabled());
  EXPECT_EQ(d.cbLayout->currentText(), "1 x 2");
  d.btCancel->setFocus();
  type("12a");
  EXPECT_EQ(d.edPace->text(), "");
  EXPECT_TRUE(showedError(ImproperPaceMessage));
  EXPECT_EQ(d.focusWidget(), d.edPace);
  boxes.shown.clear();
  type("3001");
  click(d.btOK);
  EXPECT_TRUE(showedError(InvalidPaceMessage));
  EXPECT_TRUE(d.isVisible());
  boxes.shown.clear();
  type("300");
  QTest::keyClick(d.edPace, Qt::Key_Up);
  EXPECT_EQ(d.edPace->text(), "310");
  type("1995");
  click(d.udPaceUp);
  EXPECT_EQ(d.cbLayout->currentText(), "3 x 5 (3 lines)");
  type("1500"); // its layout, 2 x 4, is what OK stores
  click(d.btOK);
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(settings.WordsPerMinute, 1500);
  EXPECT_EQ(settings.LinesPerScreen, 2);
  EXPECT_EQ(settings.WordsPerScreen, 4);
  EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
} // namespace dialogs::testing
