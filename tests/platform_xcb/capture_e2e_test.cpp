// `lumetra --timeline --capture` against a real editor: a private Xvfb with
// jwm, mousepad showing an unsaved buffer typed with xdotool,
// and the user's clipboard (set by this test, with a format of its own) as it
// was once the capture has ended.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <QClipboard>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMimeData>
#include <QProcess>

#include "support/x11_app_test.h"

namespace {

using namespace std::chrono_literals;
using testsupport::waitFor;

const std::string Lumetra = std::string(LUMETRA_BINARY_DIR) + "/bin/lumetra";
constexpr const char* OwnFormat = "application/x-lumetra-test-drawing";
const QByteArray OwnBytes("\x00\x01\x02 drawing \xff", 14);
const QString UserText = "the words the user copied before";

struct TimelineRun {
  int status = -1;
  std::string out, err;
};

class CaptureOnX11 : public testsupport::X11AppTest {
protected:
  static void SetUpTestSuite() {
    startSuite({"mousepad", "xterm", "xdotool"});
    if (!std::filesystem::exists(Lumetra)) skipReason_ = "the program is not built at " + Lumetra;
  }

  void TearDown() override {
    if (!session_) return;
    // Taking the clipboard back ends the helper that kept it.
    QGuiApplication::clipboard()->setText("done");
    pump(300ms);
    for (pid_t group : launched_)
      session_->end(group);
  }

  void pump(std::chrono::milliseconds time) {
    eventually([] { return false; }, time);
  }

  // Starts mousepad, brings its window to the front and types `typed` into
  // its unsaved buffer. With `busFile`, the editor offers its text on the
  // accessibility bus and writes the address of its session bus there.
  ::testing::AssertionResult startEditor(const std::string& typed,
                                         const std::filesystem::path& busFile = {}) {
    std::vector<std::string> before;
    if (!busFile.empty())
      before = {"sh", "-c",
                "unset NO_AT_BRIDGE; echo \"$DBUS_SESSION_BUS_ADDRESS\" > '" + busFile.string() +
                    "'; exec \"$0\" \"$@\""};
    launched_.push_back(session_->launchEditor({}, before));
    const std::string editor = activate("--class mousepad");
    if (editor.empty()) return ::testing::AssertionFailure() << "mousepad showed no window";
    onDisplay("xdotool type --delay 5 '" + typed + "'");
    if (!waitFor([&] { return onDisplay("xdotool getwindowname " + editor).starts_with("*"); }, 5s))
      return ::testing::AssertionFailure() << "mousepad took no text";
    setUserClipboard();
    return ::testing::AssertionSuccess();
  }

  std::string activate(const std::string& what) {
    const std::string window = session_->visibleWindow(what);
    if (!window.empty()) onDisplay("xdotool windowactivate --sync " + window);
    return window;
  }

  // What the user had on the clipboard: text and a format of another program.
  void setUserClipboard() {
    auto* data = new QMimeData;
    data->setText(UserText);
    data->setData(OwnFormat, OwnBytes);
    QGuiApplication::clipboard()->setMimeData(data);
    pump(100ms);
  }

  ::testing::AssertionResult clipboardIsTheUsers() {
    if (eventually([] {
          const QMimeData* data = QGuiApplication::clipboard()->mimeData();
          return data && data->text() == UserText && data->data(OwnFormat) == OwnBytes;
        }))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the clipboard after the capture: "
                                         << QGuiApplication::clipboard()->text().toStdString();
  }

  // The timeline's capture, with this process answering for the clipboard it
  // holds meanwhile. Without `bus` the program finds no accessibility bus and
  // copies with keys.
  TimelineRun capture(const std::string& display = "", const std::string& bus = "") {
    QProcess lumetra;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DBUS_SESSION_BUS_ADDRESS");
    environment.remove("AT_SPI_BUS_ADDRESS");
    if (!bus.empty()) environment.insert("DBUS_SESSION_BUS_ADDRESS", QString::fromStdString(bus));
    environment.insert("DISPLAY",
                       QString::fromStdString(display.empty() ? session_->display() : display));
    environment.insert("HOME", QString::fromStdString(session_->home().string()));
    environment.insert("XDG_DATA_HOME",
                       QString::fromStdString((session_->home() / "data").string()));
    lumetra.setProcessEnvironment(environment);
    lumetra.start(QString::fromStdString(Lumetra),
                  QStringList{"--timeline", "--capture", "--max-events", "200"});
    TimelineRun run;
    if (!lumetra.waitForStarted(5000)) return run;
    waitFor([&] { return lumetra.state() == QProcess::NotRunning; }, 30s,
            [&] {
              QCoreApplication::processEvents();
              lumetra.waitForFinished(5);
            });
    run.out = lumetra.readAllStandardOutput().toStdString();
    run.err = lumetra.readAllStandardError().toStdString();
    if (lumetra.state() == QProcess::NotRunning && lumetra.exitStatus() == QProcess::NormalExit)
      run.status = lumetra.exitCode();
    return run;
  }

  // The words of every frame the reader showed, in order.
  static std::string shownWords(const std::string& timeline) {
    std::string words;
    std::istringstream events(timeline);
    for (std::string event; std::getline(events, event);)
      for (const QJsonValue line :
           QJsonDocument::fromJson(QByteArray::fromStdString(event))["lines"].toArray())
        words += (words.empty() ? "" : " ") + line.toString().toStdString();
    return words;
  }

  std::vector<pid_t> launched_;
};

TEST_F(CaptureOnX11, AnUnsavedBufferGivesTheTypedTextAndTheUsersClipboardBack) {
  ASSERT_TRUE(startEditor("Typed in a hurry. Never saved."));
  const TimelineRun run = capture();
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(shownWords(run.out), "Typed in a hurry. Never saved.");
  EXPECT_TRUE(clipboardIsTheUsers());
}

TEST_F(CaptureOnX11, TheAccessibilityInterfaceGivesTheTextWithoutKeysOrClipboard) {
  if (testsupport::findProgram("dbus-run-session").empty())
    GTEST_SKIP() << "dbus-run-session is not installed (scripts/install-deps installs dbus-x11)";
  const std::filesystem::path busFile = session_->home() / "editor-bus";
  ASSERT_TRUE(startEditor("Read through the accessibility bus.", busFile));
  std::string bus;
  std::ifstream(busFile) >> bus;
  ASSERT_FALSE(bus.empty()) << "the editor's bus address was not written";
  const TimelineRun run = capture("", bus);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(shownWords(run.out), "Read through the accessibility bus.");
  EXPECT_TRUE(QGuiApplication::clipboard()->ownsClipboard()) << "the clipboard was never taken";
}

TEST_F(CaptureOnX11, ATerminalInFrontOrNoDisplayEndsWithStatusThree) {
  launched_.push_back(session_->launch({"xterm", "-T", "shell"}));
  ASSERT_FALSE(activate("--class xterm").empty()) << "xterm showed no window";
  setUserClipboard();
  const TimelineRun terminal = capture();
  EXPECT_EQ(terminal.status, 3);
  EXPECT_NE(terminal.err.find("xterm"), std::string::npos) << terminal.err;
  EXPECT_TRUE(terminal.out.empty()) << terminal.out;
  EXPECT_TRUE(clipboardIsTheUsers());

  const TimelineRun noDisplay = capture(":9999");
  EXPECT_EQ(noDisplay.status, 3);
  EXPECT_NE(noDisplay.err.find("display"), std::string::npos) << noDisplay.err;
}

} // namespace
