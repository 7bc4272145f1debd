#include "dialogs/qt/tfrm_about.h"
#include "dialogs/qt/tfrm_welcome1.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <vector>

#include "dialog_rig.h"
#include "dialogs/about_box.h"
#include "platform/qt/pictures.h"

namespace dialogs::testing {
namespace {

bool showsPicture(const QLabel* label, const char* name) {
  return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32) ==
         platform::loadJpegResource(name).convertToFormat(QImage::Format_RGB32);
}

TEST(WelcomeWizard, FinishClosesItAndBackReturnsToTheFirstPage) {
  testsupport::qtApp();
  struct Case {
    const char* clicks; // n: Next, b: Back, c: Cancel
    int result;         // -1: still open, on the second page
  };
  for (const Case& c :
       {Case{"nn", QDialog::Accepted}, Case{"nbn", -1}, Case{"nc", QDialog::Rejected}}) {
    TfrmWelcome1 wizard;
    wizard.show();
    EXPECT_TRUE(showsPicture(wizard.imgPage, "welcome1"));
    EXPECT_FALSE(wizard.btBack->isEnabled());
    EXPECT_EQ(wizard.focusWidget(), wizard.btNext);
    for (const char* s = c.clicks; *s; ++s) {
      click(*s == 'n' ? wizard.btNext : *s == 'b' ? wizard.btBack : wizard.btCancel);
      if (*s == 'b') {
        EXPECT_TRUE(showsPicture(wizard.imgPage, "welcome1"));
        EXPECT_FALSE(wizard.btBack->isEnabled());
      }
    }
    EXPECT_EQ(wizard.isVisible(), c.result < 0) << c.clicks;
    if (c.result >= 0) {
      EXPECT_EQ(wizard.result(), c.result);
    } else {
      EXPECT_TRUE(showsPicture(wizard.imgPage, "welcome2"));
      EXPECT_TRUE(wizard.btBack->isEnabled());
    }
  }
}

TEST(AboutBox, ShowsTheVersionSwitchesToTheCreditsAndBackAndTheLinkOpensTheLicence) {
  testsupport::qtApp();
  std::vector<std::filesystem::path> opened;
  TfrmAbout about("/opt/lumetra/EULA.rtf",
                  [&](const std::filesystem::path& file) { opened.push_back(file); });
  about.show();
  EXPECT_EQ(about.lbVersion->text().toStdString(), aboutVersionLabel(programVersion()));
  EXPECT_TRUE(about.pnlInformation->isVisible());
  EXPECT_FALSE(about.gbCredits->isVisible());
  click(about.btCredits);
  EXPECT_FALSE(about.pnlInformation->isVisible());
  EXPECT_TRUE(about.gbCredits->isVisible());
  click(about.btCredits);
  EXPECT_TRUE(about.pnlInformation->isVisible());
  EXPECT_FALSE(about.gbCredits->isVisible());
  EXPECT_EQ(about.btCredits->text(), "Credits");
  QTest::mouseClick(about.lbLicence, Qt::LeftButton, Qt::NoModifier,
                    about.lbLicence->rect().center());
  EXPECT_EQ(opened, (std::vector<std::filesystem::path>{"/opt/lumetra/EULA.rtf"}));
  click(about.btClose);
  EXPECT_FALSE(about.isVisible());
}

} // namespace
} // namespace dialogs::testing
