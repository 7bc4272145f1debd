// The form in which every document reader hands a word-processor or PDF
// document over: the whole text in code page 1252 with the word processor's
// special characters (1 a picture, 7 the end of a table cell, 11 a manual line
// break, 12 a page or section break, 21 the end of a field, CR the end of a
// paragraph), where the tables stand in it, and the font size of every run of
// text outside the tables. From this form normaliseWordText makes the text the
// engine reads, with the tables cut out and the places of tables and pictures
// recorded as graphic marks, and HeadingFontTest answers whether a heading
// candidate is set larger than the text after it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_state.h"

namespace acquisition {

inline constexpr char PictureChar = '\x01';
inline constexpr char CellEndChar = '\x07';
inline constexpr char TabChar = '\t';
inline constexpr char LineBreakChar = '\x0b';
inline constexpr char PageBreakChar = '\x0c';
inline constexpr char ParagraphEndChar = '\r';
inline constexpr char FieldEndChar = '\x15';

// A stretch of WordDocument::text, 0-based.
struct TextSpan {
  std::int32_t start = 0;
  std::int32_t length = 0;
  bool operator==(const TextSpan&) const = default;
};

// Text set in one font size.
struct SizedRun {
  TextSpan span;
  float points = 0;
  bool operator==(const SizedRun&) const = default;
};

// A paragraph outside the tables: where it stands in the text (without its
// end mark) and its runs, in order.
struct ParagraphRuns {
  TextSpan span;
  std::vector<SizedRun> runs;
};

struct WordDocument {
  std::string text;
  // The tables that stand directly in the text (not in another table), in
  // order; a table's span covers all of its rows.
  std::vector<TextSpan> tables;
  std::vector<ParagraphRuns> paragraphs;
};

// Builds a WordDocument while a reader walks its file. Text past maxTextBytes
// is refused with DocumentError.
class WordDocumentBuilder {
public:
  explicit WordDocumentBuilder(std::size_t maxTextBytes);

  // Text of a run (code page 1252, no special characters) in `points`.
  void addText(std::string_view text, float points);
  // One special character inside a paragraph (tab, line break, page break,
  // picture, field end).
  void addSpecial(char c);
  // Ends the paragraph with CR (or with a page break for the end of a section).
  void endParagraph(char mark = ParagraphEndChar);
  // A cell ends with the cell mark, and so does a row.
  void endCell();
  void endRow();
  void beginTable();
  void endTable();

  // True while nothing has been added since the last paragraph end.
  bool atParagraphStart() const;
  std::size_t size() const { return doc_.text.size(); }
  WordDocument finish();

private:
  void append(std::string_view bytes);
  void openParagraph();

  std::size_t maxTextBytes_;
  WordDocument doc_;
  int tableDepth_ = 0;
  std::int32_t tableStart_ = 0;
  bool inParagraph_ = false;
  ParagraphRuns paragraph_;
};

// The text the engine reads, with the places of tables and pictures.
struct WordText {
  std::string text;
  std::vector<engine::GraphicPosition> graphics;
};

// The tables are cut out of the text and each leaves a mark 0 where it stood;
// each picture character leaves a mark -1; the marks are sorted (at most
// engine::MaxGraphicPositions, tables first). Then, in this order: picture
// and field-end characters go; CR becomes CR CR; LF becomes CR; the cell
// mark becomes CR; space-CR becomes CR; line break followed by CR, and CR
// followed by line break, become CR; any other line break becomes CR; a page
// break becomes CR CR CR; the end is trimmed. Marks follow the text through
// every step: a mark's position (1-based) is where the character after the
// table or picture ends up in the final text.
WordText normaliseWordText(const WordDocument& doc);

// The heading font test of a word-processor document: true when the
// paragraph holding `candidate` is set in a larger font than the paragraph
// with text after it. The candidate's paragraph is found by its text (runs of
// white space and control characters counting as one space, the ends
// trimmed): the first paragraph equal to it, else the first that begins with
// it. A candidate found nowhere is kept (true); one with no text after it is
// dropped (false). Copies share the document's index.
class HeadingFontTest {
public:
  explicit HeadingFontTest(const WordDocument& doc);
  bool operator()(std::string_view candidate) const;

private:
  struct Index;
  std::shared_ptr<const Index> index_;
};

} // namespace acquisition
