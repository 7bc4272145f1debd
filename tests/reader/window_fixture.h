// Test helper: the real reader window on the sample document, shown
// off-screen and driven on the virtual clock.
#pragma once

#include <QApplication>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "engine/text_engine.h"
#include "platform/qt/qt_text_measure.h"
#include "platform/virtual_clock.h"
#include "reader/reader_widget.h"
#include "reader/tform1.h"
#include "support/qt_app.h"

namespace reader::testing {

// One application for the whole test program, whichever test asks first.
inline QApplication& qtApp() {
  return testsupport::qtApp();
}

// The sample document with CR line ends.
inline std::string sampleText() {
  std::ifstream in(std::string(LUMETRA_SOURCE_DIR) + "/examples/lighthouse.txt", std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  std::string text = buffer.str();
  for (char& c : text)
    if (c == '\n') c = '\r';
  return text;
}

// 300 wpm in a custom layout of one line of three words unless `tweak` says
// otherwise; the window is shown on a 1280 x 1024 screen.
struct Reader {
  explicit Reader(engine::ReadingModeKind mode, bool autoStart = true,
                  const std::function<void(engine::SettingsRecord&)>& tweak = {}) {
    qtApp();
    settings.ReadingMode = mode;
    settings.ColumnNumber = mode == engine::ReadingModeKind::Double ? 2 : 1;
    settings.AutoStart = autoStart;
    settings.WordsPerMinute = 300;
    settings.SpeedSettingsSelection = engine::SpeedSelection::Custom;
    settings.LinesPerScreen = 1;
    settings.WordsPerScreen = 3;
    settings.BannerFontName = "Liberation Sans";
    settings.ColumnFontName = "Liberation Sans";
    if (tweak) tweak(settings);
    engine::setDocumentText(state, sampleText());
    textEngine = std::make_unique<engine::TextEngine>(state, settings, measure);
    session = showReaderWindow({settings,
                                state,
                                *textEngine,
                                reading,
                                fade,
                                clock,
                                {0, 0, 1280, 994},
                                {0, 0, 1280, 1024}});
  }

  ReaderWindow& window() { return *session->reader; }
  ReaderWidget& widget() { return *session->widget; }
  TForm1& form() { return *session->form; }

  engine::SettingsRecord settings;
  engine::EngineState state;
  platform::QtTextMeasure measure;
  std::unique_ptr<engine::TextEngine> textEngine;
  ReadingState reading;
  FadeState fade;
  platform::VirtualClock clock;
  std::unique_ptr<ReaderSession> session;
};

} // namespace reader::testing
