// The welcome wizard (caption "Welcome", 500 x 328): a 500 x 282 picture
// ("welcome1", then "welcome2") above a bar with "Cancel" at the left and
// "< Back" and "Next >" (on the last page "Finish") at the right. It changes
// no setting. showWelcome runs it modally until it closes either way.
#pragma once

#include <QDialog>

#include "dialogs/welcome_wizard.h"

class QLabel;
class QPushButton;

namespace dialogs {

class TfrmWelcome1 : public QDialog {
  Q_OBJECT
public:
  explicit TfrmWelcome1(QWidget* parent = nullptr);

  void FormShow();
  void btNextClick();
  void btBackClick();
  void btCancelClick();

  QLabel* imgPage;
  QPushButton* btCancel;
  QPushButton* btBack;
  QPushButton* btNext;

protected:
  void showEvent(QShowEvent* event) override;

private:
  void showState();

  WelcomeWizardState state_;
};

void showWelcome(QWidget* parent = nullptr);

} // namespace dialogs
