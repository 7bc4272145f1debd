// Navigation: the frames the engine reads by itself (skipping forward,
// stepping back), the jumps to the start, the end and the paragraphs.
#include <algorithm>

#include "engine/char_classes.h"
#include "engine/text_engine.h"
#include "engine/text_helpers.h"

namespace engine {

namespace {

// How far the sentence step back looks for the previous sentence boundary.
constexpr std::int32_t MaxSentenceStepBack = 4096;

} // namespace

bool TextEngine::readFrameQuietly() {
  EngineState& s = state_;
  const std::int32_t start = s.CurrentPosition;
  s.FrameStartPosition = s.CurrentPosition;
  s.LineStartPosition = s.CurrentPosition;
  s.SentenceEnd = s.RowBreak = s.HeadingFound = false;
  s.LineIndex = 0;
  s.FrameWordCount = 0;
  for (auto& l : s.FrameLines)
    l.clear();
  if (!beforeEnd(s, s.CurrentPosition) || s.CurrentPosition >= scanLength()) return false;
  if (isSentenceMode()) {
    readSentenceLine();
  } else {
    const std::uint8_t lines = framesLines();
    const auto perLine = static_cast<std::uint8_t>(std::clamp<int>(settings_.WordsPerScreen, 1, 6));
    s.FrameText.clear();
    while (s.LineIndex < lines && !s.HeadingFound && beforeEnd(s, s.CurrentPosition) &&
           s.CurrentPosition < scanLength()) {
      const std::int32_t lineStart = s.CurrentPosition;
      std::string line = readBannerLine(perLine, {});
      line = replaceAll(line, "\r", "");
      if (!s.FrameText.empty()) s.FrameText += '\r';
      s.FrameText += line;
      s.FrameLines[s.LineIndex] = std::move(line);
      ++s.LineIndex;
      if (s.CurrentPosition <= lineStart) break;
      if (s.SentenceEnd || s.RowBreak) {
        s.LineStartPosition = s.CurrentPosition;
        if (s.HeadingFound) break;
        s.SentenceEnd = s.RowBreak = false;
      }
    }
  }
  return s.CurrentPosition > start;
}

bool TextEngine::nextFrames(std::uint8_t count) {
  const SettingsPin pin(*this);
  EngineState& s = state_;
  const bool counting = s.CountWords;
  const bool wasQuiet = quiet_;
  quiet_ = true;
  s.CountWords = false;
  for (int i = 0; i < count; ++i) {
    if (i + 1 == count && count == 1) s.CountWords = counting;
    if (!readFrameQuietly()) break;
  }
  if (count != 1 && count != 0) {
    // Show the last frame read: rebuild it from its start.
    s.CurrentPosition = s.FrameStartPosition;
    s.CountWords = counting;
    readFrameQuietly();
  }
  s.CountWords = counting;
  quiet_ = wasQuiet;
  s.HeadingIcon = s.HeadingFound;
  return static_cast<std::int64_t>(s.DocumentLength) - s.CurrentPosition + 1 >= 2 &&
         s.CurrentPosition < scanLength();
}

void TextEngine::goToStart() {
  EngineState& s = state_;
  s.CurrentPosition = 1;
  s.LineStartPosition = 1;
  s.LastHeadingCheck = 1;
  s.NewParagraphPending = false;
  if (callbacks_.setFrameTiming) callbacks_.setFrameTiming(0);
}

void TextEngine::goToEnd() {
  const SettingsPin pin(*this);
  EngineState& s = state_;
  const std::int32_t end = endPosition();
  if (s.DocumentLength >= 5000) {
    s.CurrentPosition =
        std::max<std::int32_t>(1, static_cast<std::int32_t>(s.DocumentLength) - 500);
    // Resume at the start of a word.
    const std::string& t = s.DocumentText;
    std::int32_t p = s.CurrentPosition;
    while (p <= end && p > 1 && !isWordSeparator(t[p - 2]) && p - s.CurrentPosition < MaxWordScan)
      ++p;
    while (p <= end && isWordSeparator(t[p - 1]))
      ++p;
    if (p < end) s.CurrentPosition = p;
  }
  std::int32_t lastStart = s.FrameStartPosition;
  bool any = false;
  const bool counting = s.CountWords;
  s.CountWords = false;
  while (true) {
    const std::int32_t before = s.CurrentPosition;
    const bool more = nextFrames(1);
    if (s.CurrentPosition > before) {
      lastStart = s.FrameStartPosition;
      any = true;
    }
    if (!more || s.CurrentPosition <= before) break;
  }
  s.CountWords = counting;
  if (any) s.FrameStartPosition = lastStart;
  s.CurrentPosition = s.FrameStartPosition;
  s.LineStartPosition = s.CurrentPosition;
  if (callbacks_.setFrameTiming) callbacks_.setFrameTiming(0);
}

bool TextEngine::nextParagraph() {
  const SettingsPin pin(*this);
  EngineState& s = state_;
  const std::string& t = s.DocumentText;
  const std::int32_t len = scanLength();
  const std::int32_t from = s.CurrentPosition;
  std::int32_t p = std::clamp<std::int32_t>(from, 1, std::max<std::int32_t>(len, 1));
  if (isSentenceMode())
    while (p > 1 && isWordSeparator(t[p - 2]))
      --p;
  while (true) {
    const std::int64_t hit = findFromCaseInsensitive(t, "\r\r", p);
    if (hit == 0) return false;
    // The paragraph begins after the run of line breaks and spaces.
    std::int64_t q = hit + 2;
    while (q <= len && (isLineBreakChar(t[q - 1]) || t[q - 1] == ' '))
      ++q;
    if (q > from) {
      if (q >= s.TextLength || q >= len) return false;
      s.CurrentPosition = static_cast<std::int32_t>(q);
      s.FrameStartPosition = s.CurrentPosition;
      s.LineStartPosition = s.CurrentPosition;
      if (callbacks_.setFrameTiming) callbacks_.setFrameTiming(0);
      return true;
    }
    p = static_cast<std::int32_t>(hit + 1);
  }
}

void TextEngine::previousParagraph() {
  const SettingsPin pin(*this);
  EngineState& s = state_;
  if (atOrPastEnd(s, s.CurrentPosition)) return;
  const std::string& t = s.DocumentText;
  const std::int32_t len = scanLength();
  std::int64_t limit = std::min<std::int64_t>(s.FrameStartPosition, len);
  std::int32_t target = 1;
  while (limit > 1) {
    const std::int64_t hit = lastOccurrenceBefore(t, "\r\r", limit);
    if (hit == 0) break;
    std::int64_t q = hit + 2;
    while (q <= len && (isLineBreakChar(t[q - 1]) || t[q - 1] == ' '))
      ++q;
    if (q < s.FrameStartPosition) {
      target = static_cast<std::int32_t>(q);
      break;
    }
    limit = hit; // the pair opens the current frame: look before it
  }
  s.CurrentPosition = target;
  s.FrameStartPosition = target;
  s.LineStartPosition = target;
  if (callbacks_.setFrameTiming) callbacks_.setFrameTiming(0);
}

// Reads forward from `from` without counting, line by line as the banner
// reader wraps, the first line opening with "... ", up to `to`. Returns the
// number of lines; their starts go to lineStarts when asked.
int TextEngine::rebuildFrame(std::int32_t from, std::int32_t to,
                             std::vector<std::int32_t>* lineStarts, int maxLines) {
  EngineState& s = state_;
  const auto perLine = static_cast<std::uint8_t>(std::clamp<int>(settings_.WordsPerScreen, 1, 6));
  s.CurrentPosition = from;
  s.LineStartPosition = from;
  s.LineIndex = 0;
  s.FrameWordCount = 0;
  for (auto& l : s.FrameLines)
    l.clear();
  s.FrameText.clear();
  stopAt_ = to;
  int lines = 0;
  std::string prefix = std::string(PreviousFrameMark) + " ";
  while (s.CurrentPosition < to && s.CurrentPosition < scanLength() && lines <= maxLines) {
    const std::int32_t start = s.CurrentPosition;
    if (lineStarts) lineStarts->push_back(start);
    std::string line = readBannerLine(perLine, lines == 0 ? std::string_view(prefix) : "");
    if (lines < MaxFrameLines) {
      s.FrameLines[lines] = line;
      if (lines > 0) s.FrameText += '\r';
      s.FrameText += line;
    }
    ++lines;
    s.LineIndex = static_cast<std::uint8_t>(std::min(lines, 255));
    if (s.CurrentPosition <= start) break;
  }
  stopAt_ = 0;
  s.SentenceEnd = s.RowBreak = s.HeadingFound = false;
  return lines;
}

void TextEngine::previousBannerFrame() {
  EngineState& s = state_;
  const std::string& t = s.DocumentText;
  const std::int32_t len = scanLength();
  std::int32_t target = s.PreviousFrameStart > 0 ? s.PreviousFrameStart : s.FrameStartPosition;
  target = std::clamp<std::int32_t>(target, 1, std::max<std::int32_t>(len, 1));
  const int lif = framesLines();
  const bool counting = s.CountWords;
  quiet_ = true;
  s.CountWords = false;

  auto stepBack = [&](std::int32_t q) {
    std::int32_t steps = 0;
    while (q > 1 && isTrimmable(t[q - 2]))
      --q;
    while (q > 1 && !isTrimmable(t[q - 2]) && steps++ < MaxWordScan)
      --q;
    return q;
  };

  auto fits = [&](std::int32_t from) { return rebuildFrame(from, target, nullptr, lif) <= lif; };
  std::int32_t best = -1;
  std::int32_t q = target;
  while (q > 1) {
    const std::int32_t candidate = stepBack(q);
    if (!fits(candidate)) {
      if (best < 0) {
        // Even one word back is too much (a word longer than the frame):
        // the earliest start inside it whose lines still fit.
        std::int32_t lo = candidate + 1;
        std::int32_t hi = target - 1;
        best = hi;
        while (lo <= hi) {
          const std::int32_t mid = lo + (hi - lo) / 2;
          if (fits(mid)) {
            best = mid;
            hi = mid - 1;
          } else {
            lo = mid + 1;
          }
        }
      }
      break;
    }
    best = candidate;
    q = candidate;
  }
  if (best < 0) best = 1;
  // Start on a word.
  while (best < target && best <= len && isTrimmable(t[best - 1]))
    ++best;

  s.CountWords = counting;
  if (best < target) {
    rebuildFrame(best, target, nullptr, MaxFrameLines);
  } else {
    // Nothing before the old start: show the first frame again.
    s.CurrentPosition = 1;
    readFrameQuietly();
    best = 1;
  }
  quiet_ = false;
  s.CountWords = counting;
  s.PreviousFrameStart = best;
  s.FrameStartPosition = best;
  s.LineStartPosition = best;
  s.HeadingIcon = s.HeadingFound = false;
  if (best < target) s.CurrentPosition = target;
}

void TextEngine::previousSentence() {
  EngineState& s = state_;
  const std::string& t = s.DocumentText;
  const std::int32_t len = scanLength();
  const std::int32_t old = std::clamp<std::int32_t>(s.FrameStartPosition, 1, std::max(len, 1));
  auto boundary = [](char c) { return isStopPunctuation(c) || isLineBreakChar(c); };

  // Two sentence boundaries back, so that reading forward starts on a true
  // sentence start.
  std::int32_t q = old - 1;
  // How far back to look grows with what a frame can hold, so that narrow
  // frames do not read thousands of frames to find their way back.
  const double charWidth = std::max(1.0, textWidth("n"));
  const double perLine = std::max(1.0, s.bannerTextWidth / charWidth);
  const auto reach = static_cast<std::int32_t>(
      std::clamp(perLine * framesLines() * 16.0, 64.0, static_cast<double>(MaxSentenceStepBack)));
  const std::int32_t floor = std::max<std::int32_t>(1, old - reach);
  for (int round = 0; round < 2 && q >= 1; ++round) {
    while (q >= floor && (boundary(t[q - 1]) || t[q - 1] == ' '))
      --q;
    while (q >= floor && !boundary(t[q - 1]))
      --q;
  }
  std::int32_t start = std::max<std::int32_t>(q + 1, 1);
  while (start < old && start <= len && isTrimmable(t[start - 1]))
    ++start;
  if (start >= old) start = 1;

  const bool counting = s.CountWords;
  quiet_ = true;
  s.CountWords = false;
  stopAt_ = old;
  s.CurrentPosition = start;
  std::int32_t shown = start;
  int guard = 0;
  while (s.CurrentPosition < old && s.CurrentPosition < len && guard++ < 100000) {
    const std::int32_t frameStart = s.CurrentPosition;
    readSentenceLine();
    shown = frameStart;
    if (s.CurrentPosition <= frameStart) break;
  }
  quiet_ = false;
  s.CountWords = counting;
  // The sentence shown is read once more, counted and timed like any other.
  s.CurrentPosition = shown;
  if (shown >= old) stopAt_ = 0;
  readSentenceLine();
  stopAt_ = 0;
  s.PreviousFrameStart = shown;
}

void TextEngine::previousFrame() {
  const SettingsPin pin(*this);
  if (isSentenceMode())
    previousSentence();
  else
    previousBannerFrame();
}

} // namespace engine
