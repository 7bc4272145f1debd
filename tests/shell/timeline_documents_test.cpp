// The timeline reads word-processor documents made here directly, with their
// graphic marks, and refuses bad files with a message and status 1.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "document_files.h"
#include "shell/timeline.h"

namespace shell {
namespace {

using acquisition::testing::docx;
using acquisition::testing::odt;

class TimelineDocumentsTest : public acquisition::testing::DocumentFolderTest {
protected:
  struct Run {
    int status;
    std::string out, err;
  };
  static Run run(const std::string& file) {
    std::ostringstream out, err;
    // A late command turns on the status events, which show the graphic marks.
    const int status = runTimeline({"--layout", "3x6", "--at", "600000:Escape", file}, out, err);
    return {status, out.str(), err.str()};
  }
};

std::string para(const std::string& text) {
  return "<w:p><w:r><w:t>" + text + "</w:t></w:r></w:p>";
}

TEST_F(TimelineDocumentsTest, AWordDocumentIsReadWithoutItsTablesAndWithItsGraphics) {
  const std::string table = "<w:tbl><w:tr><w:tc>" + para("North") + "</w:tc></w:tr></w:tbl>";
  const std::string picture = "<w:p><w:r><w:drawing><wp:inline/></w:drawing></w:r></w:p>";
  const Run r = run(write(
      "report.docx", docx(para("Sales rose.") + table + para("After.") + picture + para("End."))));
  EXPECT_EQ(r.status, 0) << r.err;
  const std::size_t sales = r.out.find(R"("Sales rose.")");
  ASSERT_NE(sales, std::string::npos) << r.out;
  EXPECT_NE(r.out.find(R"(["After.","End."])", sales), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("North"), std::string::npos);
  EXPECT_NE(r.out.find("Graphic detected"), std::string::npos);
}

TEST_F(TimelineDocumentsTest, ADamagedDocumentGivesItsMessageAndStatusOne) {
  const Run r = run(write("fake.docx", "not a zip"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("This document is damaged and cannot be read"), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "");
}

} // namespace
} // namespace shell
