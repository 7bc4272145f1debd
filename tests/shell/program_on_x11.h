// The built programs copied into the home folder of an X11 session.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "support/x11_session.h"

namespace shell {

class ProgramOnX11 : public ::testing::Test {
protected:
  // Skips without one of the tools or without a session.
  void startSession(std::initializer_list<const char*> tools, const std::string& windowManager) {
    if (const auto why = x11.start(windowManager, tools))
      GTEST_SKIP() << "no X11 session: " << *why;
    app = x11.home() / "app";
    std::filesystem::create_directories(app);
    for (const char* program : {"lumetra", "lumetra-desktop", "lumetra-documents.so"})
      std::filesystem::copy_file(std::filesystem::path(LUMETRA_BINARY_DIR) / "bin" / program,
                                 app / program);
  }
  std::string on(const std::string& command) { return x11.run(command); }

  testsupport::X11Session x11;
  std::filesystem::path app;
};

} // namespace shell
