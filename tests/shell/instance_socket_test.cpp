#include "shell/qt/instance_socket.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>

#include <sys/stat.h>

#include <thread>

#include "support/temp_folder.h"

namespace shell {
namespace {

using Kind = InstanceRequest::Kind;

TEST(InstanceSocketTest, OnlyCaptureAndOpenAreRequests) {
  struct Case {
    std::string line;
    Kind kind;
    std::string file;
  };
  const Case cases[] = {
      {"capture", Kind::Capture, ""},
      {"open /home/me/notes.txt", Kind::Open, "/home/me/notes.txt"},
      {"open /a b/c d.txt", Kind::Open, "/a b/c d.txt"},
      {"open ", Kind::Unknown, ""},
      {"Capture", Kind::Unknown, ""},
      {"capture now", Kind::Unknown, ""},
      {"", Kind::Unknown, ""},
      {"quit", Kind::Unknown, ""},
  };
  for (const Case& c : cases) {
    const InstanceRequest request = parseInstanceRequest(c.line);
    EXPECT_EQ(request.kind, c.kind) << c.line;
    EXPECT_EQ(request.file, c.file) << c.line;
  }
}

// Runs the event loop until `done` or a few seconds have passed.
bool spinUntil(const std::function<bool()>& done) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < 3000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

TEST(InstanceSocketTest, RequestsReachTheRunningCopyAndOthersAreDropped) {
  int argc = 1;
  char name[] = "instance_socket_test";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  testsupport::TempFolder folder;
  const auto path = folder / InstanceSocketName;
  std::vector<InstanceRequest> received;
  InstanceServer server(path, [&](InstanceRequest r) { received.push_back(std::move(r)); });
  ASSERT_TRUE(server.listening());
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 077, 0u) << "the socket is open to other users";

  // The client blocks on its own: run it beside the event loop.
  bool sent = false;
  std::thread client([&] {
    sent = sendInstanceRequest(path, "capture") && sendInstanceRequest(path, "bogus") &&
           sendInstanceRequest(path, "open /tmp/x.txt");
  });
  spinUntil([&] { return received.size() == 2; });
  client.join();
  EXPECT_TRUE(sent);
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[0].kind, Kind::Capture);
  EXPECT_EQ(received[1].kind, Kind::Open);
  EXPECT_EQ(received[1].file, "/tmp/x.txt");
  EXPECT_FALSE(sendInstanceRequest(folder / "nobody", "capture")) << "no copy runs there";
}

} // namespace
} // namespace shell
