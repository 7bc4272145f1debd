// One copy per session: the lock a running copy holds, the socket the others
// give it their requests through, and the marker a second start leaves.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <fstream>
#include <thread>

#include "shell/instance_lock.h"
#include "shell/qt/instance_socket.h"
#include "support/qt_app.h"
#include "support/temp_folder.h"
#include "support/x11_session.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

TEST(InstanceLockTest, OneHolderAtATimeFreedWhenItGoesAndAnErrorWhereNoneCanBe) {
  testsupport::TempFolder folder;
  const fs::path path = folder / InstanceLockName;
  {
    auto first = InstanceLock::acquire(path);
    ASSERT_NE(first, nullptr);
    // flock locks belong to the open file: another open in this process is
    // refused too (a second program is the end-to-end test's second start).
    EXPECT_EQ(InstanceLock::acquire(path), nullptr);
  }
  EXPECT_NE(InstanceLock::acquire(path), nullptr) << "the lock outlived its holder";
  EXPECT_THROW(InstanceLock::acquire(folder / "gone" / InstanceLockName), std::runtime_error);
}

// Leaving and removing the marker is the end-to-end test's; here the edges.
TEST(MarkerFileTest, AMarkerThereIsKeptAndAMissingFolderRefusesOne) {
  testsupport::TempFolder program, settings;
  EXPECT_EQ(markerFilePath(program.path(), true, settings.path()), program / MarkerFileName);
  EXPECT_EQ(markerFilePath(program.path(), false, settings.path()), settings / MarkerFileName);
  const fs::path marker = program / MarkerFileName;
  std::ofstream(marker) << "x";
  EXPECT_TRUE(leaveMarker(marker));
  EXPECT_EQ(fs::file_size(marker), 1u) << "a marker with content is left alone";
  removeMarker(marker);
  removeMarker(marker); // gone already: nothing happens
  EXPECT_FALSE(markerExists(marker));
  EXPECT_FALSE(leaveMarker(program / "no-such-folder" / MarkerFileName));
}

using Kind = InstanceRequest::Kind;

TEST(InstanceSocketTest, CaptureAndOpenReachTheRunningCopyAndOtherLinesAreDropped) {
  testsupport::qtApp();
  testsupport::TempFolder folder;
  const auto path = folder / InstanceSocketName;
  std::vector<InstanceRequest> received;
  InstanceServer server(path, [&](InstanceRequest r) { received.push_back(std::move(r)); });
  ASSERT_TRUE(server.listening());
  EXPECT_EQ(fs::status(path).permissions() & (fs::perms::group_all | fs::perms::others_all),
            fs::perms::none)
      << "the socket is open to other users";

  // The client blocks on its own: run it beside the event loop. Only capture
  // and open are requests; the rest of an open line is the file.
  bool sent = true;
  std::thread client([&] {
    for (const char* line :
         {"capture", "bogus", "open ", "Capture", "capture now", "open /a b.txt"})
      sent = sendInstanceRequest(path, line) && sent;
  });
  testsupport::waitFor([&] { return received.size() >= 2; }, std::chrono::seconds(3),
                       [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 20); });
  client.join();
  EXPECT_TRUE(sent);
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(std::tuple(received[0].kind, received[1].kind, received[1].file),
            std::tuple(Kind::Capture, Kind::Open, std::string("/a b.txt")));
  EXPECT_FALSE(sendInstanceRequest(folder / "nobody", "capture")) << "no copy runs there";
}

} // namespace
} // namespace shell
