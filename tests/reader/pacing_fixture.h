// A fresh TForm1 on the virtual clock with a view and an observer that record.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "acquisition/acquisition_state.h"
#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"
#include "engine/text_helpers.h"
#include "platform/fake_desktop.h"
#include "platform/fixed_width_measure.h"
#include "platform/virtual_clock.h"
#include "reader/fade_state.h"
#include "reader/headless_view.h"
#include "reader/reading_state.h"
#include "reader/tform1.h"

namespace reader::testing {

// The non-empty frame lines as the strip draws them: CR and TAB removed, trimmed.
inline std::vector<std::string> shownLines(const engine::EngineState& es) {
  std::vector<std::string> out;
  for (const std::string& line : es.FrameLines) {
    std::string kept =
        engine::trim(engine::replaceAll(engine::replaceAll(line, "\r", ""), "\t", ""));
    if (!kept.empty()) out.push_back(std::move(kept));
  }
  return out;
}

struct Draw {
  std::int64_t t;
  int level;
  std::vector<std::string> lines; // non-empty frame lines at the time
};

// Lays out and builds pages as the window does (fixed-width text).
class RecordingView : public HeadlessView {
public:
  RecordingView(const platform::VirtualClock& clock, const ReaderContext& context,
                const platform::TextMeasure& measure)
      : HeadlessView(context, measure), clock_(clock), es_(context.engine),
        settings_(context.settings) {}

  void drawFrame(int fadeLevel) override {
    draws.push_back({clock_.nowMs(), fadeLevel, shownLines(es_)});
  }
  void clearFrame() override { ++clears; }
  void displayOnActivate() override {
    ++fullRedraws;
    drawFrame(10);
  }
  void drawEndOfDocument() override { ++endTexts; }
  // The strip holds ten lines of the banner font.
  int linesInFrame() const override {
    if (settings_.ReadingMode == engine::ReadingModeKind::Sentence) return 4;
    return std::min<int>(settings_.LinesPerScreen, 10);
  }
  void useCondensedFont() override { ++condensed; }
  void drawCondensedFrame(bool forward) override {
    condensedDraws.push_back(forward);
    drawFrame(10);
  }
  void drawPage(int fadeLevel) override { pageDraws.push_back({clock_.nowMs(), fadeLevel}); }
  void setInfoText(const std::string& text) override { hints.push_back(text); }
  void setStatusText(int panel, const std::string& text) override {
    if (panel == 1) messages.push_back(text);
    if (panel == 3) positions.push_back(text);
  }
  void showProgress(std::int64_t, int bar) override { bars.push_back(bar); }
  void setMarkHint(ControlId mark, const std::string& hint, bool hand) override {
    markHints.push_back({mark, hint, hand});
  }
  void showHighlight(ControlId highlight, bool shown) override {
    highlights.push_back({highlight, shown});
  }
  void showFindBar(bool shown) override { findBar = shown; }
  void drawFindFrame() override { ++findDraws; }
  void pageShown() override { ++pagesShown; }

  std::string hint() const { return hints.empty() ? std::string() : hints.back(); }
  std::string status() const { return messages.empty() ? std::string() : messages.back(); }
  std::vector<Draw> drawsFrom(std::int64_t from) const {
    std::vector<Draw> out;
    std::copy_if(draws.begin(), draws.end(), std::back_inserter(out),
                 [&](const Draw& d) { return d.t >= from; });
    return out;
  }

  using Timed = std::pair<std::int64_t, int>;                // time, fade level
  using MarkHint = std::tuple<ControlId, std::string, bool>; // mark, hint, hand cursor

  std::vector<Draw> draws;
  std::vector<Timed> pageDraws;
  int clears = 0, fullRedraws = 0, endTexts = 0, condensed = 0, findDraws = 0, pagesShown = 0;
  std::vector<bool> condensedDraws;
  std::vector<std::string> hints, messages, positions;
  std::vector<int> bars;
  std::vector<std::pair<ControlId, bool>> highlights;
  std::vector<MarkHint> markHints;
  bool findBar = false;

private:
  const platform::VirtualClock& clock_;
  const engine::EngineState& es_;
  const engine::SettingsRecord& settings_;
};

struct FrameEvent {
  std::int64_t t;
  std::int32_t start, end;
  std::vector<std::string> lines;
  std::int32_t words;
  int interval;
  bool heading;
};

class RecordingObserver : public ReadingObserver {
public:
  RecordingObserver(const platform::VirtualClock& clock, const engine::EngineState& es)
      : clock_(clock), es_(es) {}
  void frameShown(std::int32_t words, int interval) override {
    frames.push_back({clock_.nowMs(), es_.FrameStartPosition, es_.CurrentPosition, shownLines(es_),
                      words, interval, es_.HeadingIcon});
  }
  void pauseStarted(int interval) override { pauses.push_back(interval); }
  void documentEnded() override { ends.push_back(clock_.nowMs()); }

  std::vector<FrameEvent> frames;
  std::vector<int> pauses; // their intervals
  std::vector<std::int64_t> ends;

private:
  const platform::VirtualClock& clock_;
  const engine::EngineState& es_;
};

// Hands out the clock's timers and keeps a hand on each.
struct TimerTap : platform::TimerFactory {
  explicit TimerTap(platform::VirtualClock& clock) : clock(clock) {}
  std::unique_ptr<platform::Timer> createTimer() override {
    auto timer = clock.createTimer();
    made.push_back(timer.get());
    return timer;
  }
  std::int64_t nowMs() const override { return clock.nowMs(); }
  platform::VirtualClock& clock;
  std::vector<platform::Timer*> made;
};

// The defaults of the settings record (no rule on).
struct PacingFixture {
  platform::VirtualClock clock;
  engine::SettingsRecord settings;
  engine::EngineState es;
  platform::FixedWidthMeasure measure{10, 20};
  engine::TextEngine engine{es, settings, measure};
  ReadingState rs;
  FadeState fade;
  WindowParts parts;
  platform::FakeDesktop desktop;
  acquisition::AcquisitionState acquisition;
  RecordingView view{clock, ReaderContext::of(engine, rs, fade, parts, desktop, acquisition),
                     measure};
  RecordingObserver observer{clock, es};
  std::vector<std::int32_t> savedPositions;
  int restores = 0;
  std::vector<int> graphicIndexes;
  TimerTap timers{clock};
  TForm1 form{ReaderContext::of(engine, rs, fade, parts, desktop, acquisition), timers, view,
              DocumentPlace{[this](std::int32_t p) { savedPositions.push_back(p); },
                            [this] { ++restores; },
                            [this](int index) { graphicIndexes.push_back(index); }}};

  // In the order TForm1 makes them.
  platform::Timer& tmRead() { return *timers.made.at(0); }
  platform::Timer& tmFadeIn() { return *timers.made.at(1); }
  platform::Timer& tmFade() { return *timers.made.at(3); }
  platform::Timer& tmHideInfo() { return *timers.made.at(6); }
  platform::Timer& tmFocus() { return *timers.made.at(7); }

  PacingFixture() { form.setObserver(&observer); }
  // One line of three words at `wpm`, `text` loaded.
  PacingFixture(int wpm, const std::string& text) : PacingFixture() {
    banner(wpm, 1, 3);
    load(text);
  }

  void banner(int wpm, int lines, int words) {
    settings.ReadingMode = engine::ReadingModeKind::Banner;
    settings.WordsPerMinute = static_cast<std::int16_t>(wpm);
    settings.LinesPerScreen = static_cast<std::uint8_t>(lines);
    settings.WordsPerScreen = static_cast<std::uint8_t>(words);
    settings.SpeedSettingsSelection = engine::SpeedSelection::Custom;
    rs.SentenceMode = false;
  }
  void sentence(int wpm) {
    settings.ReadingMode = engine::ReadingModeKind::Sentence;
    settings.WordsPerMinute = static_cast<std::int16_t>(wpm);
    rs.SentenceMode = true;
  }
  // Sentence mode at `wpm`, else a banner of `lines` lines of `words` words.
  void pace(bool sentenceMode, int wpm, int lines = 1, int words = 3) {
    sentenceMode ? sentence(wpm) : banner(wpm, lines, words);
  }
  void rules(const std::vector<int>& on) {
    for (int r : on)
      settings.GeneralTextRules[r] = true;
  }
  // As the hand-over does, with a wide strip.
  void load(const std::string& text) {
    engine::setDocumentText(es, text);
    es.bannerTextWidth = 5670;
    es.columnTextWidth = 5670;
  }
  // Starts reading at once: the first frame is read and drawn.
  void start() {
    form.beginReading();
    form.tmReadTimer();
  }
  void press(Key key) {
    form.FormKeyDown({key});
    form.FormKeyUp({key});
  }
  void readAll() {
    start();
    clock.runUntil([&] { return !observer.ends.empty(); }, 600000);
  }
  int timing(std::int32_t words) {
    form.setFrameTiming(words);
    return tmRead().Interval();
  }
};

} // namespace reader::testing
