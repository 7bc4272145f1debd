#include "platform/qt/qt_message_boxes.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTimer>

#include "qt_app.h"

namespace platform {
namespace {

using testing::qtApp;

TEST(QtMessageBox, CaptionIconTextAndOkButton) {
  qtApp();
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
}

TEST(QtMessageBox, TextIsConvertedFromTheCodePageAndShownPlain) {
  qtApp();
  auto box = makeMessageBox(MessageKind::Plain, "<b>caf\xE9</b> \x93quoted\x94");
  EXPECT_EQ(box->text(), QString::fromUtf8("<b>café</b> “quoted”"));
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
}

TEST(QtMessageBox, ShowWaitsUntilTheUserPressesOk) {
  qtApp();
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

TEST(RecordingMessageBoxes, KeepsKindAndTextInOrder) {
  RecordingMessageBoxes boxes;
  boxes.error("bad");
  boxes.information("fine");
  boxes.plain("so");
  EXPECT_EQ(boxes.shown, (std::vector<ShownMessage>{{MessageKind::Error, "bad"},
                                                    {MessageKind::Information, "fine"},
                                                    {MessageKind::Plain, "so"}}));
}

} // namespace
} // namespace platform
