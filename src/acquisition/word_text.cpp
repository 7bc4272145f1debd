#include "acquisition/word_text.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <unordered_map>
#include <utility>

#include "acquisition/document_error.h"
#include "engine/text_helpers.h"

namespace acquisition {

// ---------------------------------------------------------------------------
// Building

WordDocumentBuilder::WordDocumentBuilder(std::size_t maxTextBytes)
    : maxTextBytes_(
          std::min<std::size_t>(maxTextBytes, std::numeric_limits<std::int32_t>::max() - 1)) {}

void WordDocumentBuilder::append(std::string_view bytes) {
  if (bytes.size() > maxTextBytes_ - doc_.text.size()) throw DocumentError(LargeDocumentMessage);
  doc_.text.append(bytes);
}

void WordDocumentBuilder::openParagraph() {
  if (inParagraph_) return;
  inParagraph_ = true;
  paragraph_ = {};
  paragraph_.span.start = static_cast<std::int32_t>(doc_.text.size());
}

void WordDocumentBuilder::addText(std::string_view text, float points) {
  if (text.empty()) return;
  openParagraph();
  const auto start = static_cast<std::int32_t>(doc_.text.size());
  append(text);
  if (tableDepth_ > 0) return;
  const auto length = static_cast<std::int32_t>(text.size());
  std::vector<SizedRun>& runs = paragraph_.runs;
  if (!runs.empty() && runs.back().points == points &&
      runs.back().span.start + runs.back().span.length == start) {
    runs.back().span.length += length;
  } else {
    runs.push_back({{start, length}, points});
  }
}

void WordDocumentBuilder::addSpecial(char c) {
  openParagraph();
  append(std::string_view(&c, 1));
}

void WordDocumentBuilder::endParagraph(char mark) {
  openParagraph();
  paragraph_.span.length = static_cast<std::int32_t>(doc_.text.size()) - paragraph_.span.start;
  if (tableDepth_ == 0) doc_.paragraphs.push_back(std::move(paragraph_));
  paragraph_ = {};
  inParagraph_ = false;
  append(std::string_view(&mark, 1));
}

void WordDocumentBuilder::endCell() {
  if (inParagraph_) endParagraph();
  append(std::string_view(&CellEndChar, 1));
}

void WordDocumentBuilder::endRow() {
  append(std::string_view(&CellEndChar, 1));
}

void WordDocumentBuilder::beginTable() {
  // A table starts a paragraph of its own.
  if (inParagraph_) endParagraph();
  if (tableDepth_++ == 0) tableStart_ = static_cast<std::int32_t>(doc_.text.size());
}

void WordDocumentBuilder::endTable() {
  if (tableDepth_ == 0) return;
  if (inParagraph_) endParagraph();
  if (--tableDepth_ == 0) {
    const auto end = static_cast<std::int32_t>(doc_.text.size());
    if (end > tableStart_) doc_.tables.push_back({tableStart_, end - tableStart_});
  }
}

bool WordDocumentBuilder::atParagraphStart() const {
  return !inParagraph_;
}

WordDocument WordDocumentBuilder::finish() {
  while (tableDepth_ > 0)
    endTable();
  if (inParagraph_) endParagraph();
  return std::move(doc_);
}

// ---------------------------------------------------------------------------
// Normalising

namespace {

// Replaces every occurrence of `from`, left to right, and moves the marks
// (0-based indexes, ascending) with the text: a mark on a replaced character
// lands on the start of its replacement.
void replaceMapped(std::string& text, std::string_view from, std::string_view to,
                   std::vector<std::size_t>& marks) {
  if (text.find(from) == std::string::npos) return;
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  std::size_t i = 0;
  std::size_t m = 0;
  while (true) {
    const std::size_t hit = text.find(from, i);
    const std::size_t segmentEnd = hit == std::string::npos ? text.size() : hit;
    for (; m < marks.size() && marks[m] < segmentEnd; ++m)
      marks[m] = out.size() + (marks[m] - i);
    out.append(text, i, segmentEnd - i);
    if (hit == std::string::npos) break;
    for (; m < marks.size() && marks[m] < hit + from.size(); ++m)
      marks[m] = out.size();
    out.append(to);
    i = hit + from.size();
  }
  for (; m < marks.size(); ++m)
    marks[m] = out.size();
  text = std::move(out);
}

struct Mark {
  std::size_t index;
  std::int32_t kind;
};

// The text without its tables; a mark 0 where each stood.
std::string cutTables(const WordDocument& doc, std::vector<Mark>& marks) {
  std::string out;
  out.reserve(doc.text.size());
  std::size_t from = 0;
  for (const TextSpan& table : doc.tables) {
    const auto start = static_cast<std::size_t>(table.start);
    if (start < from || start > doc.text.size()) continue; // overlapping or outside: not a table
    out.append(doc.text, from, start - from);
    from = std::min(doc.text.size(), start + static_cast<std::size_t>(table.length));
    if (marks.size() < engine::MaxGraphicPositions) marks.push_back({out.size(), 0});
  }
  out.append(doc.text, from, std::string::npos);
  return out;
}

} // namespace

WordText normaliseWordText(const WordDocument& doc) {
  std::vector<Mark> marks;
  std::string text = cutTables(doc, marks);
  for (std::size_t p = text.find(PictureChar);
       p != std::string::npos && marks.size() < engine::MaxGraphicPositions;
       p = text.find(PictureChar, p + 1)) {
    marks.push_back({p, -1});
  }
  std::stable_sort(marks.begin(), marks.end(),
                   [](const Mark& a, const Mark& b) { return a.index < b.index; });
  std::vector<std::size_t> indexes;
  indexes.reserve(marks.size());
  for (const Mark& m : marks)
    indexes.push_back(m.index);

  const std::string_view cr = "\r";
  const std::string_view steps[][2] = {
      {"\x01", ""}, {"\x15", ""},   {cr, "\r\r"},   {"\n", cr},   {"\x07", cr},
      {" \r", cr},  {"\x0b\r", cr}, {"\r\x0b", cr}, {"\x0b", cr}, {"\x0c", "\r\r\r"},
  };
  for (const auto& step : steps)
    replaceMapped(text, step[0], step[1], indexes);
  std::size_t end = text.size();
  while (end > 0 && static_cast<unsigned char>(text[end - 1]) <= ' ')
    --end;
  text.resize(end);

  WordText out;
  out.graphics.reserve(marks.size());
  const std::size_t last = std::max<std::size_t>(1, text.size());
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const std::size_t position = std::min(indexes[i] + 1, last);
    out.graphics.push_back({static_cast<std::int32_t>(position), marks[i].kind});
  }
  out.text = std::move(text);
  return out;
}

// ---------------------------------------------------------------------------
// Heading font test

namespace {

bool hasText(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) > ' '; });
}

} // namespace

struct HeadingFontTest::Index {
  struct Entry {
    std::string text;
    std::optional<float> smallest; // over the runs holding text
    std::optional<float> first;    // of the first run holding text
  };
  std::vector<Entry> paragraphs; // only those holding text
  std::unordered_map<std::string, std::size_t> byText;
};

HeadingFontTest::HeadingFontTest(const WordDocument& doc) {
  auto index = std::make_shared<Index>();
  const std::string_view all = doc.text;
  for (const ParagraphRuns& p : doc.paragraphs) {
    Index::Entry entry;
    entry.text = engine::collapseWhiteSpace(all.substr(p.span.start, p.span.length));
    if (entry.text.empty()) continue;
    for (const SizedRun& run : p.runs) {
      if (!hasText(all.substr(run.span.start, run.span.length))) continue;
      if (!entry.first) entry.first = run.points;
      entry.smallest = std::min(entry.smallest.value_or(run.points), run.points);
    }
    index->byText.emplace(entry.text, index->paragraphs.size());
    index->paragraphs.push_back(std::move(entry));
  }
  index_ = std::move(index);
}

bool HeadingFontTest::operator()(std::string_view candidate) const {
  const std::string key = engine::collapseWhiteSpace(candidate);
  if (key.empty()) return true;
  const auto& paragraphs = index_->paragraphs;
  std::size_t found = paragraphs.size();
  if (const auto it = index_->byText.find(key); it != index_->byText.end()) {
    found = it->second;
  } else {
    for (std::size_t i = 0; i < paragraphs.size() && found == paragraphs.size(); ++i)
      if (paragraphs[i].text.starts_with(key)) found = i;
  }
  if (found == paragraphs.size()) return true;
  if (found + 1 == paragraphs.size()) return false;
  const auto& heading = paragraphs[found];
  const auto& next = paragraphs[found + 1];
  if (!heading.smallest || !next.first) return false;
  return *heading.smallest > *next.first;
}

} // namespace acquisition
