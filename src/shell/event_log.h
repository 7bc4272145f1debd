// The running program's event log (`--event-log PATH`): one JSON object a
// line, each with "t", the milliseconds since the log was opened, and
// "event"; every line is flushed at once so that the program can be watched
// from outside while it runs. A log that cannot be written is given up
// silently: the program never fails for its log.
#pragma once

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/canvas.h"

namespace shell {

class EventLog {
public:
  // An empty path gives a log that writes nothing.
  explicit EventLog(const std::string& path);
  ~EventLog();
  EventLog(const EventLog&) = delete;
  EventLog& operator=(const EventLog&) = delete;

  bool enabled() const { return file_ != nullptr; }
  // Writes {"t":T,"event":NAME<fields>}; `fields` is empty or starts with a
  // comma and holds JSON members.
  void write(const std::string& name, const std::string& fields = {});
  // A whole event line made elsewhere (the timeline's events): "t" is put first.
  void writeObject(const std::string& objectWithoutTime);

  void balloon() { write("balloon"); }
  void quicklaunch(bool shown, platform::Rect rect);
  // A document the capture took: its name (code page 1252), kind and length.
  void capture(const std::string& name, int kind, long long length);

  long long elapsedMs() const;

private:
  std::FILE* file_ = nullptr;
  std::chrono::steady_clock::time_point start_;
};

} // namespace shell
