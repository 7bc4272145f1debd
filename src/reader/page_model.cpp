#include "reader/page_model.h"

#include <algorithm>
#include <utility>

#include "engine/char_classes.h"
#include "engine/search.h"
#include "engine/text_engine.h"
#include "engine/text_rules.h"
#include "reader/drawing_column.h"

namespace reader {
namespace {

using engine::HighlightMarker;

bool isPageBlank(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u <= ' ' && c != HighlightMarker;
}

std::string withoutCRs(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

// Fills one column of the page from CurrentPosition.
class ColumnFiller {
public:
  ColumnFiller(PageModel& page, const PageInputs& in, PageColumn& column)
      : page_(page), in_(in), e_(in.engine), column_(column) {
    limit_ = std::clamp(in.linesPerPage, 0, MaxPageLines);
    width_ = in.columnWidth - 10;
    e_.columnTextWidth = width_;
    regular_ = in.columnFont;
    bold_ = regular_;
    bold_.bold = true;
    light_ = regular_;
    light_.bold = false;
  }

  void fill() {
    column_ = {};
    // A line that moves nothing forward ends the page; this bound is a second guard.
    for (int reads = 0;
         reads < 4 * MaxPageLines && roomLeft() && engine::beforeEnd(e_, e_.CurrentPosition);
         ++reads) {
      if (!readOneLine()) break;
    }
  }

private:
  bool roomLeft() const { return static_cast<int>(column_.lines.size()) < limit_; }

  // The font a line is drawn in: headings take the other weight.
  const platform::FontSpec& drawnFont(bool heading) const {
    if (!heading) return regular_;
    return regular_.bold ? light_ : bold_;
  }

  bool readOneLine() {
    const std::int32_t lineStart = e_.CurrentPosition;
    const std::string raw = in_.source.readColumnLine(readingBold_ ? bold_ : regular_);
    if (e_.CurrentPosition <= lineStart) {
      // The reader has nothing more to give from here: what is left is only
      // separators, so the page counts as reaching the end.
      e_.CurrentPosition = static_cast<std::int32_t>(e_.DocumentLength);
      return false;
    }
    const bool startsHeading = e_.HeadingFound && !inHeading_;
    const bool headingLine = e_.HeadingFound || inHeading_;
    if (startsHeading) {
      headingStart_ = lineStart;
      headingFirstSlot_ = column_.lines.size();
    }
    const std::string line = trimPageLine(withoutCRs(raw));

    if (headingLine && !readingBold_ && !regular_.bold && rewrappedAt_ != headingStart_ &&
        in_.measure.textWidth(bold_, line) >= width_) {
      // The heading no longer fits in bold: read it again at the bold width.
      rewrappedAt_ = headingStart_;
      column_.lines.resize(headingFirstSlot_);
      column_.headings.resize(headingFirstSlot_);
      e_.CurrentPosition = headingStart_;
      e_.LineStartPosition = headingStart_;
      readingBold_ = true;
      inHeading_ = true;
      return true;
    }

    page_.lastLineStart = lineStart;
    placeLine(line, headingLine);
    const bool rowBreak = e_.RowBreak;
    inHeading_ = headingLine && !rowBreak;
    if (!inHeading_) readingBold_ = false;

    int breaks = e_.LineBreakCount;
    if (headingLine && rowBreak && breaks == 0) breaks = 2;
    if (in_.settings.GeneralTextRules[engine::RuleIgnoreMultipleReturns] && breaks >= 4) breaks = 3;
    for (int i = 1; i < breaks && roomLeft(); ++i)
      push("", false);

    skipBlanks();
    if (e_.SentenceEnd && anyLineLongerThanTwo()) page_.lastSentenceEnd = e_.CurrentPosition;
    return true;
  }

  // A line wider than the column is cut into slots; what is left when the
  // slots run out goes back to the document.
  void placeLine(const std::string& line, bool heading) {
    const platform::FontSpec& font = drawnFont(heading);
    if (in_.measure.textWidth(font, line) <= width_) {
      push(formatFrameLine(line), heading);
      return;
    }
    std::string rest = line;
    while (!rest.empty()) {
      if (!roomLeft()) {
        giveBack(rest.size());
        return;
      }
      if (in_.measure.textWidth(font, rest) <= width_) {
        push(formatFrameLine(rest), heading);
        return;
      }
      std::size_t taken = 1;
      while (taken < rest.size() &&
             in_.measure.textWidth(font, std::string_view(rest).substr(0, taken + 1)) <= width_ - 5)
        ++taken;
      // Words stay whole where a space lies within the part that fits.
      const std::size_t space = rest.rfind(' ', taken);
      if (space != std::string::npos && space > 0 && taken < rest.size()) taken = space + 1;
      push(formatFrameLine(trimPageLine(rest.substr(0, taken))), heading);
      rest.erase(0, taken);
    }
  }

  void giveBack(std::size_t length) {
    const std::int64_t back =
        static_cast<std::int64_t>(e_.CurrentPosition) - static_cast<std::int64_t>(length);
    // Never behind the start of the line just placed: the page always moves on.
    e_.CurrentPosition =
        static_cast<std::int32_t>(std::max<std::int64_t>(back, page_.lastLineStart + 1));
  }

  void push(std::string line, bool heading) {
    column_.lines.push_back(std::move(line));
    column_.headings.push_back(heading);
  }

  void skipBlanks() {
    const std::string& text = e_.DocumentText;
    while (e_.CurrentPosition >= 1 && static_cast<std::size_t>(e_.CurrentPosition) <= text.size() &&
           engine::beforeEnd(e_, e_.CurrentPosition)) {
      const char c = text[static_cast<std::size_t>(e_.CurrentPosition) - 1];
      if (c != ' ' && c != '\r' && c != '\n') break;
      ++e_.CurrentPosition;
    }
  }

  bool anyLineLongerThanTwo() const {
    return std::any_of(column_.lines.begin(), column_.lines.end(),
                       [](const std::string& l) { return l.size() > 2; });
  }

  static std::string formatFrameLine(const std::string& line) { return formatFrame(line); }

  PageModel& page_;
  const PageInputs& in_;
  engine::EngineState& e_;
  PageColumn& column_;
  int limit_ = 0;
  int width_ = 0;
  platform::FontSpec regular_;
  platform::FontSpec bold_;
  platform::FontSpec light_;
  bool inHeading_ = false;
  bool readingBold_ = false;
  std::int32_t headingStart_ = 0;
  std::size_t headingFirstSlot_ = 0;
  std::int32_t rewrappedAt_ = -1;
};

} // namespace

std::string trimPageLine(std::string_view line) {
  std::size_t end = line.size();
  while (end > 0 && isPageBlank(line[end - 1]))
    --end;
  return std::string(line.substr(0, end));
}

std::string EngineColumnLineSource::readColumnLine(const platform::FontSpec& font) {
  auto& callbacks = engine_.callbacks();
  auto saved = std::exchange(callbacks.currentFont, [font] { return font; });
  std::string line = engine_.readColumnLine();
  callbacks.currentFont = std::move(saved);
  return line;
}

std::int32_t buildPage(PageModel& page, const PageInputs& in) {
  engine::EngineState& e = in.engine;
  if (e.CurrentPosition < 1) e.CurrentPosition = 1;
  page.lastLineStart = 0;
  const int columns = in.columnCount == 2 ? 2 : 1;
  for (int c = 0; c < 2; ++c) {
    if (c < columns) {
      ColumnFiller(page, in, page.columns[static_cast<std::size_t>(c)]).fill();
    } else {
      page.columns[static_cast<std::size_t>(c)] = {};
    }
  }
  const std::int32_t end = e.CurrentPosition;
  page.pageAtEnd = engine::atOrPastEnd(e, e.CurrentPosition);
  if (in.settings.GeneralTextRules[engine::RuleRepeatLastLine] && !page.pageAtEnd &&
      page.lastLineStart > page.pageStart)
    e.CurrentPosition = page.lastLineStart;
  return end;
}

std::int32_t readPageFromPoint(PageModel& page, const PageInputs& in,
                               std::int32_t& lastReadPosition) {
  const std::int32_t end = buildPage(page, in);
  const std::int32_t next = in.engine.CurrentPosition;
  if (in.settings.GeneralTextRules[engine::RuleRepeatLastLine] && next < end &&
      lastReadPosition < next + 60 && lastReadPosition > next)
    lastReadPosition = next;
  return end;
}

namespace {

// Where the page that starts at `from` lets the next page start.
std::int32_t nextPageStart(PageModel& scratch, const PageInputs& in, std::int32_t from) {
  engine::EngineState& e = in.engine;
  e.CurrentPosition = from;
  e.LineStartPosition = from;
  scratch.pageStart = from;
  scratch.pageAtEnd = false;
  buildPage(scratch, in);
  return e.CurrentPosition;
}

bool isWordStart(const std::string& text, std::int32_t p) {
  const auto blank = [](char c) { return engine::isWordSeparator(c) || c == '\0'; };
  const char c = text[static_cast<std::size_t>(p) - 1];
  if (blank(c)) return false;
  return p == 1 || blank(text[static_cast<std::size_t>(p) - 2]);
}

// The engine's positions and heading state, kept across the trial layouts.
struct SavedPositions {
  explicit SavedPositions(engine::EngineState& e)
      : e_(e), current(e.CurrentPosition), frameStart(e.FrameStartPosition),
        lineStart(e.LineStartPosition), lastHeadingCheck(e.LastHeadingCheck),
        wordCounter(e.WordCounter), countWords(e.CountWords),
        paragraphPending(e.NewParagraphPending), headingCandidate(e.HeadingCandidate),
        headingText(e.HeadingText), headingWords(e.HeadingWordCount) {
    e.CountWords = false;
  }
  ~SavedPositions() {
    e_.CurrentPosition = current;
    e_.FrameStartPosition = frameStart;
    e_.LineStartPosition = lineStart;
    e_.LastHeadingCheck = lastHeadingCheck;
    e_.WordCounter = wordCounter;
    e_.CountWords = countWords;
    e_.NewParagraphPending = paragraphPending;
    e_.HeadingCandidate = headingCandidate;
    e_.HeadingText = std::move(headingText);
    e_.HeadingWordCount = headingWords;
  }
  SavedPositions(const SavedPositions&) = delete;
  SavedPositions& operator=(const SavedPositions&) = delete;

  engine::EngineState& e_;
  std::int32_t current, frameStart, lineStart, lastHeadingCheck;
  std::uint32_t wordCounter;
  bool countWords, paragraphPending, headingCandidate;
  std::string headingText;
  std::int32_t headingWords;
};

} // namespace

std::int32_t previousPageStart(PageModel& scratch, const PageInputs& in, std::int32_t start) {
  engine::EngineState& e = in.engine;
  const std::int32_t textEnd = static_cast<std::int32_t>(
      std::min<std::int64_t>(static_cast<std::int64_t>(e.DocumentText.size()), e.DocumentLength));
  const std::int32_t target = std::min(start, textEnd + 1);
  if (target <= 1) return 1;
  const SavedPositions saved(e);

  // A window of text that surely holds more than a page: the page's lines
  // times the characters of the narrowest letter a line could hold.
  const int columns = in.columnCount == 2 ? 2 : 1;
  const int narrow = std::max(in.measure.textWidth(in.columnFont, "i"), 1);
  std::int64_t window = static_cast<std::int64_t>(columns) * std::max(in.linesPerPage, 1) *
                        std::max((in.columnWidth - 10) / narrow, 1);
  std::int32_t low = 1;
  while (true) {
    low = static_cast<std::int32_t>(std::max<std::int64_t>(1, target - window));
    if (low == 1 || nextPageStart(scratch, in, low) < target) break;
    window *= 2;
  }
  if (low == 1 && nextPageStart(scratch, in, 1) >= target) return 1;

  std::vector<std::int32_t> starts;
  for (std::int32_t p = low + 1; p < target; ++p)
    if (isWordStart(e.DocumentText, p)) starts.push_back(p);
  // The earliest word start whose page reaches the target.
  std::size_t lo = 0;
  std::size_t hi = starts.size();
  while (lo < hi) {
    const std::size_t mid = lo + (hi - lo) / 2;
    if (nextPageStart(scratch, in, starts[mid]) >= target)
      hi = mid;
    else
      lo = mid + 1;
  }
  if (lo < starts.size()) return starts[lo];
  return std::max<std::int32_t>(target - 1, 1);
}

bool beginNextPage(PageModel& page, engine::EngineState& engine) {
  if (page.pageAtEnd) return false;
  ++page.pageTurns;
  if (engine.CurrentPosition < 1) engine.CurrentPosition = 1;
  page.pageStart = engine.CurrentPosition;
  engine.FrameStartPosition = engine.CurrentPosition;
  engine.LineStartPosition = engine.CurrentPosition;
  return true;
}

bool beginSamePage(PageModel& page, engine::EngineState& engine) {
  if (engine::atOrPastEnd(engine, page.pageStart) && engine.DocumentLength > 0) return true;
  if (page.pageStart < 1) {
    if (engine.CurrentPosition < 1) engine.CurrentPosition = 1;
    page.pageStart = engine.CurrentPosition;
  } else {
    engine.CurrentPosition = page.pageStart;
  }
  page.pageAtEnd = false;
  return false;
}

void restartShownPage(PageModel& page, const PageInputs& in) {
  if (beginSamePage(page, in.engine)) {
    PageModel scratch;
    page.pageStart = previousPageStart(scratch, in, page.pageStart);
    in.engine.CurrentPosition = page.pageStart;
  }
  page.pageAtEnd = false;
  --page.pageTurns;
}

} // namespace reader
