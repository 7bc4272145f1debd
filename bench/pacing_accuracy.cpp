// Pacing accuracy on real Qt timers: TForm1 reads a generated text off screen
// at 300, 1000 and 3000 words per minute, and every frame's actual start is
// compared with the time it was due: the previous frame's start plus the
// time that frame was meant to stay (its interval, plus ten fade steps when
// frames fade, at 500 wpm and below). Prints, per speed, the mean and the
// 99th percentile of the per-frame error and the drift over the whole run.
//
// Usage: pacing_accuracy [frames per speed, default 200]
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"
#include "platform/fixed_width_measure.h"
#include "platform/qt/qt_timer.h"
#include "reader/fade_state.h"
#include "reader/reader_view.h"
#include "reader/reading_state.h"
#include "reader/silent_view.h"
#include "reader/tform1.h"
#include "reader/words_per_screen.h"

namespace {

using NullView = reader::SilentView;

struct FrameRecord {
  double startMs;  // when the frame was drawn
  double periodMs; // how long it was meant to stay
};

class FrameClock : public reader::ReadingObserver {
public:
  FrameClock(const QElapsedTimer& clock, const reader::TForm1& form,
             const engine::SettingsRecord& settings, std::size_t wanted)
      : clock_(clock), form_(form), settings_(settings), wanted_(wanted) {}

  void frameShown(std::int32_t, int interval) override {
    const int step = form_.fadeStepLength();
    const bool fades = settings_.WordsPerMinute <= 500 && step > 1;
    frames.push_back({clock_.nsecsElapsed() / 1e6, interval + (fades ? 10.0 * step : 0.0)});
    if (frames.size() >= wanted_) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  }
  void pauseStarted(int) override {}
  void documentEnded() override { QTimer::singleShot(0, qApp, &QCoreApplication::quit); }

  std::vector<FrameRecord> frames;

private:
  const QElapsedTimer& clock_;
  const reader::TForm1& form_;
  const engine::SettingsRecord& settings_;
  std::size_t wanted_;
};

std::string generatedText(std::size_t words) {
  static const char* const Sentences[] = {
      "The river ran quietly past the old mill and the sleeping town.",
      "Nobody noticed the lantern.",
      "By morning the fog had lifted from the fields, and the road lay open to the hills.",
      "She read on, page after page, until the candle guttered.",
      "Then the bells began to ring across the valley."};
  std::string text;
  std::size_t count = 0;
  for (std::size_t i = 0; count < words; ++i) {
    const std::string sentence = Sentences[i % 5];
    text += sentence + ' ';
    count += static_cast<std::size_t>(std::count(sentence.begin(), sentence.end(), ' ')) + 1;
  }
  return text;
}

struct Figures {
  std::size_t frames = 0;
  double meanError = 0, meanAbsError = 0, p99AbsError = 0, maxAbsError = 0, drift = 0,
         meanPeriod = 0;
};

Figures summarise(const std::vector<FrameRecord>& frames) {
  Figures f;
  f.frames = frames.size();
  if (frames.size() < 2) return f;
  std::vector<double> errors;
  double due = frames[0].startMs;
  for (std::size_t k = 1; k < frames.size(); ++k) {
    const double error = frames[k].startMs - (frames[k - 1].startMs + frames[k - 1].periodMs);
    errors.push_back(error);
    due += frames[k - 1].periodMs;
    f.meanPeriod += frames[k - 1].periodMs;
  }
  f.meanPeriod /= static_cast<double>(errors.size());
  f.drift = frames.back().startMs - due;
  std::vector<double> magnitudes;
  for (double e : errors) {
    f.meanError += e;
    magnitudes.push_back(std::abs(e));
  }
  f.meanError /= static_cast<double>(errors.size());
  for (double m : magnitudes)
    f.meanAbsError += m;
  f.meanAbsError /= static_cast<double>(magnitudes.size());
  std::sort(magnitudes.begin(), magnitudes.end());
  const std::size_t p99 =
      static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(magnitudes.size()))) - 1;
  f.p99AbsError = magnitudes[std::min(p99, magnitudes.size() - 1)];
  f.maxAbsError = magnitudes.back();
  return f;
}

Figures runAt(int wpm, std::size_t wanted) {
  engine::SettingsRecord settings;
  settings.GeneralTextRules.fill(false);
  settings.HeadingMaxWords = 8;
  settings.ReadingMode = engine::ReadingModeKind::Banner;
  settings.WordsPerMinute = static_cast<std::int16_t>(wpm);
  settings.SpeedSettingsSelection = engine::SpeedSelection::Automatic;
  reader::SetWPSLPS(settings, reader::buildAutomaticTable());

  engine::EngineState es;
  engine::setDocumentText(es, generatedText((wanted + 10) * 16));
  es.bannerTextWidth = 567;
  const platform::FixedWidthMeasure measure(10, 20);
  engine::TextEngine engine(es, settings, measure);

  platform::QtTimerFactory timers;
  reader::ReadingState reading;
  reader::FadeState fade;
  NullView view;
  view.lines = settings.LinesPerScreen;
  reader::WindowParts parts;
  reader::TForm1 form(reader::ReaderContext::of(engine, reading, fade, parts), timers, view);
  QElapsedTimer clock;
  clock.start();
  FrameClock frames(clock, form, settings, wanted);
  form.setObserver(&frames);

  QTimer::singleShot(0, [&] {
    form.beginReading();
    form.tmReadTimer();
  });
  QApplication::exec();
  form.FormClose();
  std::printf("  %4d wpm, %d x %d:", wpm, settings.LinesPerScreen, settings.WordsPerScreen);
  return summarise(frames.frames);
}

} // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const std::size_t wanted = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 200;
  QApplication app(argc, argv);
  std::printf(
      "Pacing accuracy on Qt timers, %zu frames per speed (errors in ms; positive = late)\n",
      wanted);
  for (int wpm : {300, 1000, 3000}) {
    const Figures f = runAt(wpm, std::max<std::size_t>(wanted, 2));
    std::printf(" %zu frames, mean period %.1f, error mean %+.3f, mean |error| %.3f, "
                "p99 |error| %.3f, max |error| %.3f, drift %+.1f over the run\n",
                f.frames, f.meanPeriod, f.meanError, f.meanAbsError, f.p99AbsError, f.maxAbsError,
                f.drift);
  }
  return 0;
}
