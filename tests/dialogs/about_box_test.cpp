#include "dialogs/about_box.h"

#include <gtest/gtest.h>

#include <string>

namespace dialogs {
namespace {

TEST(AboutBox, TheVersionLabelShowsThreeNumbersOrNone) {
  struct Case {
    const char* version;
    const char* label;
  };
  for (const Case& c : {Case{"0.1.0", "Lumetra v0.1.0"}, Case{"2.5.1.7", "Lumetra v2.5.1"},
                        Case{"3", "Lumetra v3.0.0"}, Case{"1.4-beta", "Lumetra v1.4.0"},
                        Case{"", "Lumetra v"}, Case{"x", "Lumetra v"}})
    EXPECT_EQ(aboutVersionLabel(c.version), c.label) << c.version;
  EXPECT_EQ(aboutVersionLabel(programVersion()), std::string("Lumetra v") + LUMETRA_VERSION);
}

} // namespace
} // namespace dialogs
