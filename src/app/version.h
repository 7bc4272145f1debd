// The line `lumetra --version` prints, the same from both programs.
#pragma once

#include <cstdio>

inline void printVersion() {
  std::printf("Lumetra %s\n", LUMETRA_VERSION);
}
