// The local socket beside the instance lock, through which later starts hand
// their work to the running copy: "capture" (`lumetra --capture`) and
// "open PATH" (`lumetra FILE`), one request a line (UTF-8). Only the same
// user may connect; any other line is dropped.
#pragma once

#include <QLocalServer>
#include <QObject>

#include <filesystem>
#include <functional>
#include <string>

namespace shell {

inline constexpr const char* InstanceSocketName = "LumetraSocket";

// What a request line asks for; `file` is set for "open".
struct InstanceRequest {
  enum class Kind { Capture, Open, Unknown } kind = Kind::Unknown;
  std::string file;
};
InstanceRequest parseInstanceRequest(const std::string& line);

class InstanceServer : public QObject {
public:
  // Listens at `path` (a stale socket file there is replaced: the caller
  // holds the instance lock, so no copy is using it).
  InstanceServer(const std::filesystem::path& path, std::function<void(InstanceRequest)> handle);
  bool listening() const { return server_.isListening(); }

private:
  void accept();
  QLocalServer server_;
  std::function<void(InstanceRequest)> handle_;
};

// Sends one request line to the copy listening at `path`; false when none
// answers within a second.
bool sendInstanceRequest(const std::filesystem::path& path, const std::string& line);

} // namespace shell
