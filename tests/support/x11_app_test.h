// A suite sharing one private X11 session and a QGuiApplication on it, started
// by startSuite() in SetUpTestSuite(); skipped, with the reason, when it cannot.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include <QGuiApplication>

#include "support/x11_session.h"

namespace testsupport {

class X11AppTest : public ::testing::Test {
protected:
  static void startSuite(std::initializer_list<const char*> tools) {
    skipReason_.clear();
    session_ = std::make_unique<X11Session>();
    if (auto failure = session_->start("jwm", tools)) {
      skipReason_ = *failure;
      session_.reset();
      return;
    }
    qputenv("DISPLAY", session_->display().c_str());
    qputenv("QT_QPA_PLATFORM", "xcb");
    static int argc = 1;
    static char name[] = "platform_xcb_tests";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
  }

  static void TearDownTestSuite() {
    app_.reset();
    session_.reset();
  }

  void SetUp() override {
    if (!skipReason_.empty()) GTEST_SKIP() << "X11 test skipped: " << skipReason_;
  }

  static std::string onDisplay(const std::string& command) { return session_->run(command); }
  // Waits for `done`, handling this program's Qt events between looks.
  static bool eventually(const std::function<bool()>& done,
                         std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    return waitFor(done, limit, [] { QCoreApplication::processEvents(); });
  }

  static inline std::string skipReason_;
  static inline std::unique_ptr<X11Session> session_;
  static inline std::unique_ptr<QGuiApplication> app_;
};

} // namespace testsupport
