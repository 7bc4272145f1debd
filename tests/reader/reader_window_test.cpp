// ReaderWindow on a recording surface: what the handlers' requests turn into
// on screen (geometry, pictures, labels, drawing), and the user's colours
// kept through full screen.
#include "reader/reader_window.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "engine/text_engine.h"
#include "platform/fixed_width_measure.h"
#include "platform/recording_canvas.h"
#include "platform/virtual_clock.h"
#include "reader/hints.h"
#include "reader/tform1.h"

namespace reader::testing {
namespace {

using engine::ReadingModeKind;

class RecordingSurface : public WindowSurface {
public:
  void applyGeometry(const FormGeometry& g) override {
    geometry = g;
    ++placements;
  }
  void paint(ControlId box, const std::function<void(platform::Canvas&)>& draw) override {
    auto& canvas = canvases[box];
    canvas = std::make_unique<platform::RecordingCanvas>(measure_);
    draw(*canvas);
  }
  void setLabelText(ControlId label, const std::string& text) override { labels[label] = text; }
  void setLabelColor(ControlId, platform::Color) override {}
  void setPicture(ControlId image, const std::string& name) override { pictures[image] = name; }
  void attachControl(ControlId id, controls::Control&) override { ++attached[id]; }
  void detachControls() override { attached.clear(); }
  const platform::TextMeasure& measure() const override { return measure_; }
  void closeWindow() override { closed = true; }

  // The texts drawn on a paint box by its last paint.
  std::string drawnText(ControlId box) const {
    std::string text;
    const auto found = canvases.find(box);
    if (found == canvases.end()) return text;
    for (const platform::DrawOp& op : found->second->opsOfKind(platform::DrawOp::Kind::Text))
      text += op.text + ' ';
    return text;
  }

  FormGeometry geometry;
  int placements = 0;
  std::map<ControlId, std::unique_ptr<platform::RecordingCanvas>> canvases;
  std::map<ControlId, std::string> labels, pictures;
  std::map<ControlId, int> attached;
  bool closed = false;

private:
  platform::FixedWidthMeasure measure_{8, 16};
};

struct Window {
  explicit Window(ReadingModeKind mode) {
    settings.GeneralTextRules.fill(false);
    settings.ReadingMode = mode;
    settings.ColumnNumber = mode == ReadingModeKind::Double ? 2 : 1;
    settings.WordsPerMinute = 300;
    settings.SpeedSettingsSelection = engine::SpeedSelection::Custom;
    settings.LinesPerScreen = 1;
    settings.WordsPerScreen = 3;
    engine::setDocumentText(state, "The keeper climbed the stairs. He lit the lamp at dusk.");
    parts.layout.workArea = {0, 0, 1280, 994};
    parts.layout.screen = {0, 0, 1280, 1024};
    form.FormShow();
  }
  engine::SettingsRecord settings;
  engine::EngineState state;
  platform::FixedWidthMeasure measure{8, 16};
  engine::TextEngine engine{state, settings, measure};
  ReadingState reading;
  FadeState fade;
  WindowParts parts;
  platform::VirtualClock clock;
  RecordingSurface surface;
  ReaderContext context = ReaderContext::of(engine, reading, fade, parts);
  ReaderWindow view{context, surface};
  TForm1 form{context, clock, view};
};

TEST(ReaderWindow, EachModeShowsItsControlsItsSelectedButtonAndItsText) {
  struct Case {
    ReadingModeKind mode;
    ControlId box, hidden, button;
    const char* picture;
  };
  const Case cases[] = {
      {ReadingModeKind::Banner, ControlId::pbBanner, ControlId::pbColumn,
       ControlId::imgBannerReader, "banner_selected"},
      {ReadingModeKind::Sentence, ControlId::pbBanner, ControlId::pbColumn,
       ControlId::imgSentenceReader, "sentence_selected"},
      {ReadingModeKind::Single, ControlId::pbColumn, ControlId::pbBanner,
       ControlId::imgSingleColumn, "column_selected"},
      {ReadingModeKind::Double, ControlId::pbColumn, ControlId::pbBanner,
       ControlId::imgDoubleColumn, "double_selected"},
  };
  for (const Case& c : cases) {
    Window w(c.mode);
    const char* name = c.picture;
    EXPECT_TRUE(w.surface.geometry.at(c.box).visible) << name;
    EXPECT_FALSE(w.surface.geometry.at(c.hidden).visible) << name;
    EXPECT_EQ(w.surface.pictures[c.button], c.picture);
    EXPECT_EQ(w.surface.attached[ControlId::MyStatusBar1], 1) << name;
    if (c.box == ControlId::pbColumn) {
      w.form.readCurrentFrame();
      EXPECT_NE(w.surface.drawnText(ControlId::pbColumn).find("keeper"), std::string::npos) << name;
    } else {
      w.form.beginReading();
      w.form.tmReadTimer();
      EXPECT_NE(w.surface.drawnText(ControlId::pbBanner).find("keeper"), std::string::npos)
          << name << ": " << w.surface.drawnText(ControlId::pbBanner);
    }
  }
}

TEST(ReaderWindow, FullScreenHidesTheBordersAndTheHintMovesToTheBlackLabel) {
  Window w(ReadingModeKind::Banner);
  w.form.enterFullScreen();
  EXPECT_FALSE(w.surface.geometry.bordered);
  EXPECT_FALSE(w.surface.geometry.mainMenuShown);
  EXPECT_EQ(w.surface.geometry.window.width, 1280);
  EXPECT_TRUE(w.surface.geometry.at(ControlId::lbBlackInfo).visible);
  EXPECT_EQ(w.surface.labels[ControlId::lbBlackInfo], HintEscape);
  w.form.leaveFullScreen();
  EXPECT_TRUE(w.surface.geometry.bordered);
  EXPECT_FALSE(w.surface.geometry.at(ControlId::lbBlackInfo).visible);
}

// Full screen lends its silver-on-black colours to the settings while it
// lasts; whatever is saved meanwhile, and whatever stays after a close in
// full screen, is the user's own scheme.
TEST(ReaderWindow, TheUsersColoursAreWhatIsSavedAndKeptThroughFullScreen) {
  Window w(ReadingModeKind::Double);
  w.settings.BannerTextColor = {255, 255, 0};
  w.settings.BannerBackgroundColor = {0, 0, 128};
  w.settings.ColumnTextColor = {10, 20, 30};
  w.settings.ColumnBackgroundColor = {200, 200, 200};
  const engine::SettingsRecord user = w.settings;
  const auto colours = [](const engine::SettingsRecord& s) {
    return std::array{s.BannerTextColor, s.BannerBackgroundColor, s.ColumnTextColor,
                      s.ColumnBackgroundColor};
  };
  w.form.enterFullScreen();
  ASSERT_NE(colours(w.settings), colours(user)) << "full screen shows its own colours";
  std::array<platform::Color, 4> saved{};
  w.form.withUserColours([&] { saved = colours(w.settings); });
  EXPECT_EQ(saved, colours(user));
  EXPECT_NE(colours(w.settings), colours(user)) << "still full screen after the save";

  w.form.FormClose();
  EXPECT_EQ(colours(w.settings), colours(user));
  EXPECT_FALSE(w.parts.layout.fullScreen);
}

TEST(ReaderWindow, EscapeOutsideFullScreenClosesTheWindow) {
  Window w(ReadingModeKind::Banner);
  EXPECT_TRUE(w.form.FormKeyDown({Key::Escape}));
  EXPECT_TRUE(w.surface.closed);
}

} // namespace
} // namespace reader::testing
