#include "platform/qt/qt_message_boxes.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTimer>

#include "support/qt_app.h"

namespace platform {
namespace {

TEST(QtMessageBox, CaptionIconPlainTextAndOkButton) {
  testsupport::qtApp();
  const std::pair<MessageKind, QMessageBox::Icon> cases[] = {
      {MessageKind::Error, QMessageBox::Critical},
      {MessageKind::Information, QMessageBox::Information},
      {MessageKind::Plain, QMessageBox::NoIcon},
  };
  for (auto [kind, icon] : cases) {
    auto box = makeMessageBox(kind, "Please check if the specified file exists on your harddisk !");
    EXPECT_EQ(box->windowTitle(), "Lumetra");
    EXPECT_EQ(box->icon(), icon);
    EXPECT_EQ(box->text(), "Please check if the specified file exists on your harddisk !");
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
  }
  // Text is converted from the code page and shown as it is, never as markup.
  auto box = makeMessageBox(MessageKind::Plain, "<b>caf\xE9</b> \x93quoted\x94");
  EXPECT_EQ(box->text(), QString::fromUtf8("<b>café</b> “quoted”"));
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
}

TEST(QtMessageBox, ShowWaitsUntilTheUserPressesOk) {
  testsupport::qtApp();
  QString seenText;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    seenText = box->text();
    box->button(QMessageBox::Ok)->click();
  });
  QtMessageBoxes boxes;
  boxes.information("Done.");
  EXPECT_EQ(seenText, "Done.");
}

} // namespace
} // namespace platform
