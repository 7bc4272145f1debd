// The layout state of the reader window: which controls are where in the
// current reading mode, the two fonts built from the settings, the lines a
// frame or a page may hold, full screen and the colours saved around it.
// One value lives beside the other reader state; the layout operations
// (layout_geometry.h, layout_fonts.h) and ReaderWindow, which applies them,
// write it; TForm1 sets full screen and the colours kept around it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/settings_record.h"
#include "platform/canvas.h"
#include "platform/text_measure.h"

namespace reader {

// Every child control of the reader window that the layout places, named as
// the window names it. Rects of controls inside a panel are relative to it.
enum class ControlId : std::uint8_t {
  pnlTopBar,
  imgSingleColumn,
  imgDoubleColumn,
  imgBannerReader,
  imgSentenceReader,
  imgSep,
  imgAutoSkim,
  imgFullScreen,
  pbBanner,
  pnlBanner,
  pbarBanner,
  pbGoToStartB,
  pbGoToEndB,
  pbGoToStartBOld,
  pbGoToEndBOld,
  pbOrangeDot,
  pbHighLight,
  pbColumn,
  pbColumn2,
  pnlColumn,
  pbarColumn,
  pbGoToStartC,
  pbGoToEndC,
  pbGoToStartCOld,
  pbGoToEndCOld,
  pbOrangeDotC,
  pbHighLightC,
  MyStatusBar1,
  imgLumetra,
  lbInfo,
  pbCloseFullScreen,
  lbBlackInfo,
  lbBlackPercent,
  Count
};

inline constexpr std::size_t ControlCount = static_cast<std::size_t>(ControlId::Count);

// The control's component name ("pbBanner").
std::string_view controlName(ControlId id);
// The panel a control lies in, or ControlId::Count for the client area itself.
ControlId controlParent(ControlId id);

// What a control is on screen: a panel holding others, a paint box the
// window draws on, a picture, a text label, one of the custom controls the
// window's logic supplies, or a plain place holder that is never shown.
enum class ControlKind : std::uint8_t { Panel, PaintBox, Picture, Label, Custom, Plain };
ControlKind controlKind(ControlId id);

struct ControlInfo {
  std::string_view name;
  ControlId parent;
  ControlKind kind;
};

struct ControlPlacement {
  platform::Rect rect;
  bool visible = true;
  bool operator==(const ControlPlacement&) const = default;
};

// Which popup menu the window and its paint boxes offer.
enum class PopupMenuKind : std::uint8_t { None, pmBanner, pmColumn };

// What the window frame adds around the client area: a single border, the
// caption and the main menu. Full screen drops all three.
struct FrameMetrics {
  int border = 3;
  int caption = 26;
  int menu = 20;
};

struct FormGeometry {
  // The outer window in screen coordinates, frame included.
  platform::Rect window{0, 0, 619, 745};
  int clientWidth = 613;
  int clientHeight = 696;
  bool bordered = true; // single border, caption and system menu
  bool mainMenuShown = true;
  bool speedMenuShown = true;
  bool wordsPerScreenMenuShown = true;
  int statusPanel2Width = 220;
  PopupMenuKind popup = PopupMenuKind::pmBanner;
  platform::Color windowColor{0, 0, 0};
  std::array<ControlPlacement, ControlCount> controls{};

  ControlPlacement& at(ControlId id) { return controls[static_cast<std::size_t>(id)]; }
  const ControlPlacement& at(ControlId id) const { return controls[static_cast<std::size_t>(id)]; }
};

// The colours of both families as they were before full screen.
struct SavedColours {
  engine::StyleColours banner;
  engine::StyleColours column;
  bool operator==(const SavedColours&) const = default;
};

struct LayoutState {
  FrameMetrics frame;
  FormGeometry geometry;
  platform::Rect workArea{0, 0, 1280, 1024};
  platform::Rect screen{0, 0, 1280, 1024};

  platform::FontSpec bannerFont;
  platform::FontSpec columnFont;
  int bannerPointSize = 24; // the banner size list entry; at most 28 in Sentence mode
  int columnPointSize = 16;
  double lineSpacing = 1.1; // 1.65 with the increased line spacing rule
  int linesPerPage = 0;

  bool fullScreen = false;
  SavedColours savedColours;
};

} // namespace reader
