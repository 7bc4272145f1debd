#include "shell/event_log.h"

#include "shell/timeline.h"

namespace shell {

EventLog::EventLog(const std::string& path) : start_(std::chrono::steady_clock::now()) {
  if (!path.empty()) file_ = std::fopen(path.c_str(), "ae");
}

EventLog::~EventLog() {
  if (file_ != nullptr) std::fclose(file_);
}

long long EventLog::elapsedMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start_)
      .count();
}

void EventLog::write(const std::string& name, const std::string& fields) {
  writeObject("{\"event\":" + jsonString(name) + fields + "}");
}

void EventLog::writeObject(const std::string& objectWithoutTime) {
  if (file_ == nullptr) return;
  std::string line = "{\"t\":" + std::to_string(elapsedMs());
  const std::string rest = objectWithoutTime.size() > 2 ? objectWithoutTime.substr(1) : "}";
  line += (rest == "}" ? "" : ",") + rest + "\n";
  if (std::fputs(line.c_str(), file_) < 0 || std::fflush(file_) != 0) {
    std::fclose(file_);
    file_ = nullptr;
  }
}

void EventLog::quicklaunch(bool shown, platform::Rect rect) {
  write("quicklaunch", std::string(",\"shown\":") + (shown ? "true" : "false") + ",\"rect\":[" +
                           std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
                           std::to_string(rect.width) + "," + std::to_string(rect.height) + "]");
}

void EventLog::capture(const std::string& name, int kind, long long length) {
  write("capture", ",\"name\":" + jsonString(name) + ",\"kind\":" + std::to_string(kind) +
                       ",\"length\":" + std::to_string(length));
}

} // namespace shell
