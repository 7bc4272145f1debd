// Test helpers for the dialogs: a factory settings file in a temporary folder,
// loaded, with an autostart entry of its own; and clicks where a user's land.
#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <string>

#include "dialogs/autorun.h"
#include "dialogs/settings_file_store.h"
#include "platform/files.h"
#include "platform/message_boxes.h"
#include "shell/settings_file.h"
#include "support/qt_app.h"
#include "support/temp_folder.h"

namespace dialogs::testing {

struct SettingsRig {
  SettingsRig()
      : folder("lumetra-dialogs"), file(folder / shell::SettingsFileName, settings, boxes),
        store(file), autorun(autostartEntryPath(folder / "config"), "/usr/bin/lumetra") {
    testsupport::qtApp();
    platform::writeFileAtomic(file.path(), shell::factorySettingsText());
    file.initXMLFILE();
    file.loadAllSettings();
  }

  std::string storedValue(const std::string& key) const {
    engine::SettingsRecord record;
    platform::RecordingMessageBoxes quiet;
    shell::SettingsFile again(file.path(), record, quiet);
    again.initXMLFILE();
    return again.readSetting(key, shell::ValueField, "<missing>");
  }

  testsupport::TempFolder folder;
  engine::SettingsRecord settings;
  platform::RecordingMessageBoxes boxes;
  shell::SettingsFile file;
  SettingsFileStore store;
  Autorun autorun;
};

// A mouse click on a button; on a check box or radio button, on its indicator.
inline void click(QAbstractButton* button) {
  const bool indicator =
      qobject_cast<QCheckBox*>(button) != nullptr || qobject_cast<QRadioButton*>(button) != nullptr;
  const QPoint at = indicator ? QPoint(8, button->height() / 2) : button->rect().center();
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace dialogs::testing
