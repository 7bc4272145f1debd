// The timeline reads word-processor documents and PDFs made here directly,
// with their graphic marks, and refuses bad files with a message and status 1.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

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

TEST_F(TimelineDocumentsTest, DocumentsReadWithTheirTextAndGraphics) {
  const std::string table = "<w:tbl><w:tr><w:tc>" + para("North") + "</w:tc></w:tr></w:tbl>";
  const std::string picture = "<w:p><w:r><w:drawing><wp:inline/></w:drawing></w:r></w:p>";
  write("report.docx", docx(para("Sales rose.") + table + para("After.") + picture + para("End.")));
  const struct {
    const char* file;
    std::vector<std::string> shown; // in order
    bool graphic;
  } cases[] = {
      {"report.docx", {R"("Sales rose.")", R"(["After.","End."])"}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const Run r = run(path(c.file));
    EXPECT_EQ(r.status, 0) << r.err;
    std::size_t at = 0;
    for (const std::string& s : c.shown) {
      at = r.out.find(s, at);
      ASSERT_NE(at, std::string::npos) << s << "\n" << r.out;
    }
    EXPECT_EQ(r.out.find("North"), std::string::npos); // tables are cut out
    EXPECT_EQ(r.out.find("Graphic detected") != std::string::npos, c.graphic);
  }
}

TEST_F(TimelineDocumentsTest, BadFilesGiveAMessageAndStatusOne) {
  write("fake.docx", "not a zip");
  const std::pair<const char*, const char*> cases[] = {
      {"fake.docx", "This document is damaged and cannot be read"},
  };
  for (const auto& [file, message] : cases) {
    const Run r = run(path(file));
    EXPECT_EQ(r.status, 1) << file;
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << file;
  }
}

} // namespace
} // namespace shell
