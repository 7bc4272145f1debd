// The speed settings dialog (caption "Speed Settings", 416 x 241): the pace
// box with its up-down control and the arrow-key picture in " Speed ", and
// "Automatic" or a custom layout in " Words per screen ". The rules are
// SpeedDialogState's; this class shows them and forwards the user's input.
// Error boxes go through the MessageBoxes it is given.
//
// showSpeedSettings opens a fresh dialog, runs it modally and returns whether
// OK closed it (the settings record is changed only then).
#pragma once

#include <QDialog>

#include "dialogs/speed_settings.h"
#include "platform/message_boxes.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace dialogs {

class TfrmSpeedSettings : public QDialog {
  Q_OBJECT
public:
  TfrmSpeedSettings(engine::SettingsRecord& settings, const reader::AutomaticTable& table,
                    platform::MessageBoxes& messages, QWidget* parent = nullptr);

  void FormShow();
  void edPaceChange();
  void udPaceClick(int direction);
  void rbAutomaticClick();
  void rbCustomClick();
  void cbLayoutChange(int index);
  void btOKClick();
  void btCancelClick();

  const SpeedDialogState& state() const { return state_; }

  QLineEdit* edPace;
  QToolButton* udPaceUp;
  QToolButton* udPaceDown;
  QLabel* imgArrowKey;
  QRadioButton* rbAutomatic;
  QRadioButton* rbCustom;
  QComboBox* cbLayout;
  QPushButton* btOK;
  QPushButton* btCancel;

protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void showState();

  engine::SettingsRecord& settings_;
  const reader::AutomaticTable& table_;
  platform::MessageBoxes& messages_;
  SpeedDialogState state_;
  bool showing_ = false;
  bool shown_ = false;
};

bool showSpeedSettings(engine::SettingsRecord& settings, const reader::AutomaticTable& table,
                       QWidget* parent = nullptr);

} // namespace dialogs
