#include "reader/colour_schemes.h"

namespace reader {

const std::array<ColourScheme, ColourSchemeCount> ColourSchemes = {{
    {"&Gray text on Black", "GrayonBlack1", {192, 192, 192}, {0, 0, 0}},
    {"&Yellow text on Black", "YellowonBlack1", {255, 255, 0}, {0, 0, 0}},
    {"&White text on Black", "WhiteonBlack1", {255, 255, 255}, {0, 0, 0}},
    {"G&ray text on White", "GrayonWhite1", {128, 128, 128}, {255, 255, 255}},
    {"&Black text on White", "BlacktextonWhite1", {0, 0, 0}, {255, 255, 255}},
    {"&Dark Red text on Gray", "DarkRedtextonGray1", {128, 0, 0}, {211, 211, 211}},
    {"Gray text on &Navy", "GraytextonNavy1", {192, 192, 192}, {0, 0, 94}},
}};

void applyColourScheme(engine::SettingsRecord& settings, SchemeId scheme) {
  const auto index = static_cast<std::size_t>(scheme);
  if (index >= ColourSchemes.size()) return;
  const ColourScheme& s = ColourSchemes[index];
  settings.Banner.setColours({s.text, s.background});
  settings.Column.setColours({s.text, s.background});
}

SchemeId checkedColourScheme(const engine::SettingsRecord& settings) {
  const platform::Color back = settings.Banner.BackgroundColor;
  const platform::Color text = settings.Banner.TextColor;
  if (back == platform::Color{0, 0, 0}) {
    if (text == Silver) return SchemeId::GrayonBlack1;
    if (text == platform::Color{255, 255, 0}) return SchemeId::YellowonBlack1;
    return SchemeId::WhiteonBlack1;
  }
  if (back == platform::Color{255, 255, 255}) {
    return text == platform::Color{128, 128, 128} ? SchemeId::GrayonWhite1
                                                  : SchemeId::BlacktextonWhite1;
  }
  if (back == platform::Color{211, 211, 211}) return SchemeId::DarkRedtextonGray1;
  return SchemeId::GraytextonNavy1;
}

platform::Color fadeLevelColor(platform::Color text, platform::Color background, int level) {
  if (level <= 0) return background;
  if (level >= 10) return text;
  const int a = level * 255 / 10;
  auto blend = [a](std::uint8_t back, std::uint8_t fore) {
    return static_cast<std::uint8_t>(((255 - a) * back + a * fore) / 256);
  };
  return {blend(background.r, text.r), blend(background.g, text.g), blend(background.b, text.b)};
}

platform::Color dimmedColor(platform::Color columnBackground) {
  return columnBackground == platform::Color{128, 128, 128} ? Silver : platform::Color{95, 95, 95};
}

platform::Color columnOutlineColor(platform::Color columnBackground) {
  return columnBackground == platform::Color{128, 128, 128} ? Silver
                                                            : platform::Color{128, 128, 128};
}

} // namespace reader
