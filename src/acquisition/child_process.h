// Running a helper program (a converter such as antiword) without a shell:
// the arguments reach it one by one, whatever they hold, its standard input
// is empty and its error output is dropped. Its standard output is collected
// up to a bound, and a program that outlives its time limit is killed, so a
// stuck or hostile converter never hangs the reader or fills the memory.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace acquisition {

struct ChildLimits {
  std::chrono::milliseconds time{10000};
  std::size_t maxOutputBytes = 128u << 20;
};

struct ChildOutcome {
  bool started = false;  // false when the program could not be run
  bool finished = false; // false when it was killed (time or output bound)
  int exitStatus = -1;   // its exit status when it finished normally
  std::string output;    // what it wrote to its standard output
  bool succeeded() const { return finished && exitStatus == 0; }
};

// Runs argv[0] (looked up on PATH) with the other elements as its arguments.
ChildOutcome runProgram(const std::vector<std::string>& argv, const ChildLimits& limits = {});

} // namespace acquisition
