// The real reader window on the sample document, off-screen, on the virtual clock.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

#include "engine/text_engine.h"
#include "platform/files.h"
#include "platform/qt/qt_text_measure.h"
#include "platform/virtual_clock.h"
#include "reader/qt/reader_widget.h"
#include "reader/tform1.h"
#include "shell/qt/reader_assembly.h"
#include "support/qt_app.h"

namespace reader::testing {

// The sample document with CR line ends.
inline std::string sampleText() {
  std::string text = platform::readWholeFile(std::filesystem::path(LUMETRA_SOURCE_DIR) /
                                             "examples/lighthouse.txt");
  std::replace(text.begin(), text.end(), '\n', '\r');
  return text;
}

// 300 wpm in a custom layout of one line of three words unless `tweak` says
// otherwise; the window is shown on a 1280 x 1024 screen. With `recentFiles`
// the window keeps its recent-files list there; files it opens are recorded.
struct Reader {
  explicit Reader(engine::ReadingModeKind mode, bool autoStart = true,
                  const std::function<void(engine::SettingsRecord&)>& tweak = {},
                  std::optional<dialogs::RecentFilesStore> recentFiles = std::nullopt) {
    testsupport::qtApp();
    settings.ReadingMode = mode;
    settings.ColumnNumber = mode == engine::ReadingModeKind::Double ? 2 : 1;
    settings.AutoStart = autoStart;
    settings.LinesPerScreen = 1; // 300 wpm, custom: the defaults
    settings.WordsPerScreen = 3;
    settings.Banner.FontName = "Liberation Sans";
    settings.Column.FontName = "Liberation Sans";
    if (tweak) tweak(settings);
    engine::setDocumentText(state, sampleText());
    textEngine = std::make_unique<engine::TextEngine>(state, settings, measure);
    shell::ReaderParts parts{*textEngine, reading,           fade,
                             clock,       {0, 0, 1280, 994}, {0, 0, 1280, 1024}};
    if (recentFiles)
      parts.openDocument = [this](const std::string& path) { opened.push_back(path); };
    parts.recentFilesStore = std::move(recentFiles);
    assembly = std::make_unique<shell::ReaderAssembly>(parts);
    assembly->show();
  }

  ReaderWindow& window() { return assembly->window(); }
  ReaderWidget& widget() { return assembly->widget(); }
  TForm1& form() { return assembly->form(); }
  WindowParts& parts() { return assembly->parts; }

  void press(Qt::Key key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget(), &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(&widget(), &up);
  }
  engine::SettingsRecord settings;
  engine::EngineState state;
  platform::QtTextMeasure measure;
  std::unique_ptr<engine::TextEngine> textEngine;
  ReadingState reading;
  FadeState fade;
  platform::VirtualClock clock;
  std::vector<std::string> opened;
  std::unique_ptr<shell::ReaderAssembly> assembly;
};

} // namespace reader::testing
