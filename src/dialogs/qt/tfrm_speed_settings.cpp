#include "dialogs/qt/tfrm_speed_settings.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolButton>

#include "dialogs/qt/dialog_frame.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_text.h"

namespace dialogs {

namespace {

QLabel* label(QWidget* parent, const char* text, QRect where) {
  auto* l = new QLabel(QString::fromLatin1(text), parent);
  l->setGeometry(where);
  return l;
}

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow, QRect where) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setGeometry(where);
  return button;
}

} // namespace

TfrmSpeedSettings::TfrmSpeedSettings(engine::SettingsRecord& settings,
                                     const reader::AutomaticTable& table,
                                     platform::MessageBoxes& messages, QWidget* parent)
    : QDialog(parent), settings_(settings), table_(table), messages_(messages) {
  setWindowTitle(QStringLiteral("Speed Settings"));

  auto* speed = new QGroupBox(QStringLiteral(" Speed "), this);
  speed->setGeometry(8, 6, 400, 108);
  label(speed, "Speed", QRect(14, 28, 44, 22));
  edPace = new QLineEdit(speed);
  edPace->setGeometry(60, 27, 46, 24);
  edPace->setMaxLength(PaceMaxLength);
  edPace->installEventFilter(this);
  udPaceUp = arrowButton(speed, Qt::UpArrow, QRect(106, 27, 17, 12));
  udPaceDown = arrowButton(speed, Qt::DownArrow, QRect(106, 39, 17, 12));
  label(speed, "Words per minute (WPM)", QRect(130, 28, 150, 22));
  auto* hint =
      label(speed, "For easy adjustment of Speed use your keyboard's up and down arrow keys.",
            QRect(14, 54, 228, 50));
  hint->setWordWrap(true);
  imgArrowKey = new QLabel(speed);
  imgArrowKey->setGeometry(245, 46, 147, 54);

  auto* words = new QGroupBox(QStringLiteral(" Words per screen "), this);
  words->setGeometry(8, 118, 400, 82);
  rbAutomatic =
      new QRadioButton(QStringLiteral("Automatic (Let Lumetra set words per screen)"), words);
  rbAutomatic->setGeometry(14, 24, 370, 22);
  rbCustom = new QRadioButton(words);
  rbCustom->setGeometry(14, 52, 20, 22);
  cbLayout = new QComboBox(words);
  cbLayout->setGeometry(36, 51, 124, 24);
  for (int i = 0; i < LayoutItemCount; ++i)
    cbLayout->addItem(platform::toQString(layoutItem(i)));
  label(words, "Custom (You choose)", QRect(168, 52, 200, 22));

  btOK = new QPushButton(QStringLiteral("OK"), this);
  btOK->setGeometry(252, 208, 75, 26);
  btOK->setDefault(true);
  btCancel = new QPushButton(QStringLiteral("Cancel"), this);
  btCancel->setGeometry(333, 208, 75, 26);

  connect(edPace, &QLineEdit::textChanged, this, &TfrmSpeedSettings::edPaceChange);
  connect(udPaceUp, &QToolButton::clicked, this, [this] { udPaceClick(+1); });
  connect(udPaceDown, &QToolButton::clicked, this, [this] { udPaceClick(-1); });
  connect(rbAutomatic, &QRadioButton::clicked, this, &TfrmSpeedSettings::rbAutomaticClick);
  connect(rbCustom, &QRadioButton::clicked, this, &TfrmSpeedSettings::rbCustomClick);
  connect(cbLayout, &QComboBox::activated, this, &TfrmSpeedSettings::cbLayoutChange);
  connect(btOK, &QPushButton::clicked, this, &TfrmSpeedSettings::btOKClick);
  connect(btCancel, &QPushButton::clicked, this, &TfrmSpeedSettings::btCancelClick);

  frameDialog(*this, 416, 241);
}

void TfrmSpeedSettings::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TfrmSpeedSettings::FormShow() {
  state_ = speedDialogOnShow(settings_);
  try {
    imgArrowKey->setPixmap(QPixmap::fromImage(platform::loadBitmapResource("arrowkey")));
  } catch (const platform::ResourceError&) {
    imgArrowKey->clear();
  }
  showState();
  edPace->setFocus();
  edPace->selectAll();
}

void TfrmSpeedSettings::showState() {
  showing_ = true;
  if (edPace->text() != platform::toQString(state_.paceText))
    edPace->setText(platform::toQString(state_.paceText));
  (state_.automatic ? rbAutomatic : rbCustom)->setChecked(true);
  cbLayout->setEnabled(state_.listEnabled);
  cbLayout->setCurrentIndex(state_.itemIndex);
  showing_ = false;
}

void TfrmSpeedSettings::edPaceChange() {
  if (showing_) return;
  state_.paceText = platform::fromQString(edPace->text());
  const bool accepted = paceTextChanged(state_, table_);
  showState();
  if (!accepted) {
    edPace->setFocus();
    messages_.error(ImproperPaceMessage);
  }
}

void TfrmSpeedSettings::udPaceClick(int direction) {
  upDownStep(state_, direction);
  if (state_.automatic) SetWPSLPS(state_, table_);
  showState();
  edPace->setFocus();
}

void TfrmSpeedSettings::rbAutomaticClick() {
  automaticClicked(state_, table_);
  showState();
}

void TfrmSpeedSettings::rbCustomClick() {
  customClicked(state_);
  showState();
}

void TfrmSpeedSettings::cbLayoutChange(int index) {
  state_.itemIndex = index;
}

void TfrmSpeedSettings::btOKClick() {
  if (!okClicked(state_, settings_)) {
    showState();
    edPace->setFocus();
    messages_.error(InvalidPaceMessage);
    return;
  }
  accept();
}

void TfrmSpeedSettings::btCancelClick() {
  reject();
}

// The arrow keys in the pace box move the pace like the up-down control.
bool TfrmSpeedSettings::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edPace && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      udPaceClick(key == Qt::Key_Up ? +1 : -1);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

bool showSpeedSettings(engine::SettingsRecord& settings, const reader::AutomaticTable& table,
                       QWidget* parent) {
  platform::QtMessageBoxes messages(parent);
  TfrmSpeedSettings dialog(settings, table, messages, parent);
  return dialog.exec() == QDialog::Accepted;
}

} // namespace dialogs
