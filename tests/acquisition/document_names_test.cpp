#include "acquisition/document_names.h"

#include <gtest/gtest.h>

namespace acquisition {
namespace {

struct CapturedCase {
  const char* application;
  engine::SourceKind kind;
  const char* name;
  bool captured;
};

class CapturedDocumentTest : public ::testing::TestWithParam<CapturedCase> {};

TEST_P(CapturedDocumentTest, DecidesByApplicationAndName) {
  const CapturedCase& c = GetParam();
  AcquisitionState state;
  state.SourceApplication = c.application;
  state.SourceKind = c.kind;
  EXPECT_EQ(isCapturedDocument(state, c.name), c.captured) << c.application << " / " << c.name;
}

using K = engine::SourceKind;

INSTANTIATE_TEST_SUITE_P(
    Names, CapturedDocumentTest,
    ::testing::Values(
        // Mail is always a capture.
        CapturedCase{"outlook", K::Outlook, "Outlook Document 123", true},
        CapturedCase{"msimn", K::OutlookExpress, "Outlook Express Document 77", true},
        CapturedCase{"OUTLOOK", K::Outlook, "Outlook Document 9", true},
        // Editors: only the window without a file.
        CapturedCase{"notepad", K::PlainText, "Lumetra Special Document", true},
        CapturedCase{"wordpad", K::PlainText, "Lumetra Special Document", true},
        CapturedCase{"notepad", K::PlainText, "/home/ann/notes.txt", false},
        CapturedCase{"notepad", K::PlainText, "lumetra special document", false},
        // Word: a file, unless the source is an Outlook message.
        CapturedCase{"winword", K::Word, "/home/ann/report.doc", false},
        CapturedCase{"winword", K::Outlook, "/home/ann/report.doc", true},
        // Web pages are named after their window handle.
        CapturedCase{"iexplore", K::WebPage, "Internet Explorer Document 4711", true},
        CapturedCase{"iexplore", K::WebPage, "Internet Explorer Document", false},
        CapturedCase{"iexplore", K::WebPage, "", false},
        // Anything else is a file.
        CapturedCase{"acrord32", K::Pdf, "/home/ann/paper.pdf", false},
        CapturedCase{"", K::PlainText, "Outlook Document 123", false}));

TEST(CapturedDocument, StoresTheApplicationNameLowerCased) {
  AcquisitionState state;
  state.SourceApplication = "WinWord";
  isCapturedDocument(state, "x.doc");
  EXPECT_EQ(state.SourceApplication, "winword");
}

struct SourceCase {
  const char* name;
  const char* application;
  bool matches;
};

class SourceMatchesFileTest : public ::testing::TestWithParam<SourceCase> {};

TEST_P(SourceMatchesFileTest, ChecksTheExtensionAgainstTheApplication) {
  const SourceCase& c = GetParam();
  EXPECT_EQ(sourceMatchesFile(c.name, c.application), c.matches)
      << c.name << " / " << c.application;
}

INSTANTIATE_TEST_SUITE_P(Extensions, SourceMatchesFileTest,
                         ::testing::Values(SourceCase{"/docs/letter.doc", "winword", true},
                                           SourceCase{"/docs/letter.doc", "notepad", false},
                                           SourceCase{"/docs/LETTER.DOC", "wordpad", false},
                                           SourceCase{"/docs/notes.txt", "notepad", true},
                                           SourceCase{"/docs/notes.txt", "wordpad", true},
                                           SourceCase{"/docs/notes.txt", "winword", true},
                                           SourceCase{"/docs/notes.TXT", "acrord32", false},
                                           SourceCase{"/docs/paper.pdf", "acrord32", true},
                                           SourceCase{"/docs/paper.pdf", "acrobat", true},
                                           SourceCase{"/docs/paper.pdf", "notepad", false},
                                           // Other extensions and capture names pass.
                                           SourceCase{"/docs/letter.docx", "notepad", true},
                                           SourceCase{"/docs/readme.md", "notepad", true},
                                           SourceCase{"Outlook Document 123", "outlook", true},
                                           SourceCase{"Lumetra Special Document", "notepad", true},
                                           // A dot in a folder name is not an extension.
                                           SourceCase{"/docs/old.doc/readme", "notepad", true}));

TEST(LowerExtension, TakesTheLastDotOfTheLastComponent) {
  EXPECT_EQ(lowerExtension("/a/b/Notes.TXT"), ".txt");
  EXPECT_EQ(lowerExtension("/a/b.c/notes"), "");
  EXPECT_EQ(lowerExtension("archive.tar.GZ"), ".gz");
  EXPECT_EQ(lowerExtension("noext"), "");
  EXPECT_EQ(lowerExtension(""), "");
}

} // namespace
} // namespace acquisition
