#include "shell/qt/reader_program.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include <filesystem>

#include "acquisition/acquisition_state.h"
#include "acquisition/hand_over.h"
#include "acquisition/open_document_file.h"
#include "acquisition/recent_files.h"
#include "dialogs/autorun.h"
#include "dialogs/qt/tfrm_options.h"
#include "dialogs/settings_file_store.h"
#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"
#include "platform/files.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_text_measure.h"
#include "platform/qt/qt_timer.h"
#include "reader/fade_state.h"
#include "reader/reading_state.h"
#include "shell/program_files.h"
#include "shell/qt/reader_assembly.h"
#include "shell/qt/termination.h"
#include "shell/settings_file.h"
#include "shell/settings_location.h"

namespace shell {

namespace {

// A settings file that went missing is laid anew from the factory file, so
// that reading positions can be kept from now on.
void seedSettingsFile(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::exists(path, error)) return;
  try {
    platform::writeFileAtomic(path, factorySettingsText());
  } catch (const platform::FileError&) {
    // Opening the file reports the problem.
  }
}

platform::Rect screenRect() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const QRect g = screen->geometry();
  return {g.x(), g.y(), g.width(), g.height()};
}

} // namespace

int runReaderProgram(int& argc, char** argv, const std::string& file) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Lumetra");
  platform::QtMessageBoxes messages;
  engine::SettingsRecord settings;
  const std::filesystem::path settingsPath = settingsFilePath();
  seedSettingsFile(settingsPath);
  SettingsFile settingsFile(settingsPath, settings, messages);
  // Settings are written back only when they were read whole: a file that
  // failed to load is left as it is rather than overwritten with defaults.
  const bool settingsLoaded = settingsFile.initXMLFILE() && settingsFile.loadAllSettings();

  engine::EngineState engineState;
  engineState.WordCounter = settings.TotalNumberOfWordsReaded;
  platform::QtTextMeasure measure;
  acquisition::AcquisitionState acquisitionState;
  engine::EngineCallbacks callbacks;
  callbacks.sourceKind = [&acquisitionState] { return acquisitionState.DocumentSourceKind; };
  engine::TextEngine textEngine(engineState, settings, measure, callbacks);

  reader::ReadingState readingState;
  reader::FadeState fadeState;
  acquisition::RecentFilesList recentFiles;
  acquisition::HandOver handOver{textEngine,   acquisitionState,
                                 readingState, {&recentFiles},
                                 {},           acquisition::standardExtractions()};

  // Every file reaches the reader this one way: the start-up file and the
  // files chosen in the reader's own open dialog.
  const auto openInReader = [&handOver, &messages](const std::string& path) {
    const acquisition::OpenOutcome outcome = acquisition::openDocumentFile(handOver, path);
    if (!outcome.problem.empty()) messages.error(outcome.problem);
    return outcome.opened;
  };
  if (!openInReader(file)) return 1;

  platform::QtTimerFactory timers;
  ReaderParts parts{textEngine,  readingState, fadeState, timers, platform::QtDesktop().workArea(),
                    screenRect()};
  // The hand-over remembers the frame start, which is the position the
  // reader passes, and never remembers captured documents.
  parts.place.savePosition = [&handOver](std::int32_t) {
    acquisition::saveReadingPosition(handOver);
  };
  parts.openDocument = [&openInReader](const std::string& path) { openInReader(path); };
  // The options dialog writes what it changes through the settings file.
  dialogs::SettingsFileStore store(settingsFile);
  dialogs::Autorun autorun = dialogs::currentAutorun();
  parts.showOptions = [&](const std::string& page) {
    dialogs::showOptions(settings, store, autorun, page, nullptr);
  };
  parts.programFolder = programFilesFolder(QCoreApplication::applicationDirPath().toStdString());
  parts.dataHome =
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
  ReaderAssembly* shown = nullptr;
  parts.onClose = [&] {
    acquisition::saveReadingPosition(handOver);
    settings.TotalNumberOfWordsReaded = engineState.WordCounter;
    if (settingsLoaded)
      shown->form().withUserColours([&settingsFile] { settingsFile.saveSettings(); });
  };
  ReaderAssembly reader(parts);
  shown = &reader;
  // Asked to end by a signal or by the session: closed as by the user, so
  // that the position and the settings are saved.
  TerminationRequests termination([&reader] { reader.close(); });
  QObject::connect(&app, &QCoreApplication::aboutToQuit, [&reader] { reader.close(); });
  reader.show();
  return QApplication::exec();
}

} // namespace shell
