#include "shell/command_line.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include "acquisition/text_file.h"

namespace shell {

namespace {

CommandLine failure(std::string problem, int status) {
  CommandLine line;
  line.problem = std::move(problem);
  line.status = status;
  return line;
}

} // namespace

std::string programUsage() {
  return "usage: lumetra                start Quick Launch (the tray icon and the button over\n"
         "                              compatible applications); a second start tells the\n"
         "                              running one to show its balloon\n"
         "       lumetra setup | autorun  start after installing (welcome first) or at logon\n"
         "                              (no balloon)\n"
         "       lumetra [--] FILE       read FILE (.txt and other plain text, .docx, .odt,\n"
         "                              .doc, .pdf); with Quick Launch running, it opens\n"
         "                              FILE in its application and in the reader\n"
         "       lumetra --capture      ask the running Quick Launch to read the compatible\n"
         "                              application in front (bind it to a desktop shortcut\n"
         "                              where Ctrl+Space cannot be grabbed)\n"
         "       --event-log PATH       (with any of the above) write what the program does as\n"
         "                              JSON lines to PATH\n"
         "       lumetra --timeline [options] FILE\n"
         "                              print, without a window, what the reader would\n"
         "                              show and when, as JSON lines (--timeline --help\n"
         "                              lists its options)\n"
         "       lumetra --timeline [options] --capture [--capture-delay MS]\n"
         "                              the same for the document of the compatible\n"
         "                              application in front (X11)\n"
         "       lumetra --version      print the version\n"
         "       lumetra --help, -h     print this text\n"
         "Exit status: 0 done, 1 a file or the display cannot be opened, 2 bad usage,\n"
         "3 a timeline cut short by its event limit, or a timeline --capture without a\n"
         "compatible application in front or without an X11 display.\n";
}

std::string documentFileProblem(const std::string& path, std::uintmax_t maxBytes) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) return "no such file";
  if (std::filesystem::is_directory(status)) return "is a folder, not a file";
  if (!std::filesystem::is_regular_file(status)) return "is not a regular file";
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::string("cannot be read: ") + std::strerror(errno);
  ::close(fd);
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size > maxBytes)
    return "is " + std::to_string(size) + " bytes; the reader holds documents of at most " +
           std::to_string(maxBytes) + " bytes";
  return {};
}

CommandLine parseCommandLine(const std::vector<std::string>& args) {
  // The timeline parses its own options.
  if (!args.empty() && args.front() == "--timeline") {
    CommandLine line;
    line.action = CommandLine::Action::Timeline;
    line.timelineArgs.assign(args.begin() + 1, args.end());
    return line;
  }

  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{"h", "help"});
  const QCommandLineOption version("version");
  const QCommandLineOption timeline("timeline");
  const QCommandLineOption capture("capture");
  const QCommandLineOption eventLog("event-log", "", "PATH");
  parser.addOption(capture);
  parser.addOption(eventLog);
  parser.addOption(help);
  parser.addOption(version);
  parser.addOption(timeline);
  QStringList words{"lumetra"};
  for (const std::string& arg : args)
    words << QString::fromLocal8Bit(arg.data(), static_cast<qsizetype>(arg.size()));
  if (!parser.parse(words)) return failure(parser.errorText().toStdString(), UsageStatus);

  const QStringList files = parser.positionalArguments();
  if (parser.isSet(help)) {
    CommandLine line;
    line.action = CommandLine::Action::Help;
    return line;
  }
  if (parser.isSet(timeline)) return failure("--timeline must come first", UsageStatus);
  if (parser.isSet(version)) {
    if (!files.isEmpty()) return failure("--version takes no file", UsageStatus);
    CommandLine line;
    line.action = CommandLine::Action::Version;
    return line;
  }
  const std::string logPath = parser.value(eventLog).toLocal8Bit().toStdString();
  if (parser.isSet(capture)) {
    if (!files.isEmpty()) return failure("--capture takes no file", UsageStatus);
    CommandLine line;
    line.action = CommandLine::Action::Capture;
    line.eventLog = logPath;
    return line;
  }
  // Only the first word says how QuickLaunch was started.
  const CommandLine::Start start = files.isEmpty()              ? CommandLine::Start::Normal
                                   : files.front() == "setup"   ? CommandLine::Start::Setup
                                   : files.front() == "autorun" ? CommandLine::Start::Autorun
                                                                : CommandLine::Start::Normal;
  if (files.isEmpty() || start != CommandLine::Start::Normal) {
    CommandLine line;
    line.action = CommandLine::Action::QuickLaunch;
    line.start = start;
    line.eventLog = logPath;
    return line;
  }
  if (files.size() != 1) return failure("one file at a time", UsageStatus);

  const QByteArray name = files.front().toLocal8Bit();
  const std::string file(name.constData(), static_cast<std::size_t>(name.size()));
  const std::string problem = documentFileProblem(file, acquisition::MaxTextFileBytes);
  if (!problem.empty()) return failure(file + ": " + problem, FileProblemStatus);
  CommandLine line;
  line.action = CommandLine::Action::Read;
  line.file = file;
  line.eventLog = logPath;
  return line;
}

} // namespace shell
