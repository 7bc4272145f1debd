#include "reader/layout_geometry.h"

#include <array>

namespace reader {
namespace {

using engine::ReadingModeKind;
using platform::Rect;

constexpr int TopBarHeight = 58;
constexpr int StatusBarHeight = 20;
constexpr int BannerTop = 74;
constexpr int BannerWidth = 577;
constexpr int BannerHeight = 218;
constexpr int BannerPanelTop = 298;
constexpr int BannerPanelWidth = 600;
constexpr int BannerPanelHeight = 25;
constexpr int ColumnTop = 72;
constexpr int ColumnPanelTop = 68;
constexpr int ColumnPanelWidth = 16;
constexpr int BottomReserve = 31; // status bar and margin under the columns
constexpr int HintWidth = 270;
constexpr int HintHeight = 17;
constexpr int CloseFullScreenWidth = 164;
constexpr int CloseFullScreenHeight = 32;
constexpr int BlackLabelHeight = 16;

// Every control of the window: its component name, the control it lies on
// (Count: the client area) and its kind, in ControlId order.
constexpr std::array<ControlInfo, ControlCount> Controls = {{
    {"pnlTopBar", ControlId::Count, ControlKind::Panel},
    {"imgSingleColumn", ControlId::pnlTopBar, ControlKind::Picture},
    {"imgDoubleColumn", ControlId::pnlTopBar, ControlKind::Picture},
    {"imgBannerReader", ControlId::pnlTopBar, ControlKind::Picture},
    {"imgSentenceReader", ControlId::pnlTopBar, ControlKind::Picture},
    {"imgSep", ControlId::pnlTopBar, ControlKind::Picture},
    {"imgAutoSkim", ControlId::pnlTopBar, ControlKind::Picture},
    {"imgFullScreen", ControlId::pnlTopBar, ControlKind::Picture},
    {"pbBanner", ControlId::Count, ControlKind::PaintBox},
    {"pnlBanner", ControlId::Count, ControlKind::Panel},
    {"pbarBanner", ControlId::pnlBanner, ControlKind::Custom},
    {"pbGoToStartB", ControlId::pnlBanner, ControlKind::Custom},
    {"pbGoToEndB", ControlId::pnlBanner, ControlKind::Custom},
    {"pbGoToStartBOld", ControlId::pnlBanner, ControlKind::Plain},
    {"pbGoToEndBOld", ControlId::pnlBanner, ControlKind::Plain},
    {"pbOrangeDot", ControlId::pnlBanner, ControlKind::Custom},
    {"pbHighLight", ControlId::pnlBanner, ControlKind::Picture},
    {"pbColumn", ControlId::Count, ControlKind::PaintBox},
    {"pbColumn2", ControlId::Count, ControlKind::PaintBox},
    {"pnlColumn", ControlId::Count, ControlKind::Panel},
    {"pbarColumn", ControlId::pnlColumn, ControlKind::Custom},
    {"pbGoToStartC", ControlId::pnlColumn, ControlKind::Custom},
    {"pbGoToEndC", ControlId::pnlColumn, ControlKind::Custom},
    {"pbGoToStartCOld", ControlId::pnlColumn, ControlKind::Plain},
    {"pbGoToEndCOld", ControlId::pnlColumn, ControlKind::Plain},
    {"pbOrangeDotC", ControlId::pnlColumn, ControlKind::Custom},
    {"pbHighLightC", ControlId::pnlColumn, ControlKind::Picture},
    {"MyStatusBar1", ControlId::Count, ControlKind::Custom},
    {"imgLumetra", ControlId::MyStatusBar1, ControlKind::Picture},
    {"lbInfo", ControlId::MyStatusBar1, ControlKind::Label},
    {"pbCloseFullScreen", ControlId::Count, ControlKind::Picture},
    {"lbBlackInfo", ControlId::Count, ControlKind::Label},
    {"lbBlackPercent", ControlId::Count, ControlKind::Label},
}};

int floorDiv(int a, int b) {
  int q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

void place(FormGeometry& g, ControlId id, Rect rect, bool visible) {
  g.at(id) = ControlPlacement{rect, visible};
}

void setVisible(FormGeometry& g, ControlId id, bool visible) {
  g.at(id).visible = visible;
}

// The bar, its marks and the dot's track inside pnlBanner (fixed, as designed).
void placeBannerPanelChildren(FormGeometry& g) {
  place(g, ControlId::pbarBanner, {19, 8, 557, 6}, true);
  place(g, ControlId::pbGoToStartB, {9, 6, 8, 10}, true);
  place(g, ControlId::pbGoToEndB, {580, 6, 8, 10}, true);
  place(g, ControlId::pbGoToStartBOld, {13, 4, 6, 14}, false);
  place(g, ControlId::pbGoToEndBOld, {576, 4, 6, 14}, false);
  place(g, ControlId::pbOrangeDot, {13, 5, 12, 12}, true);
  place(g, ControlId::pbHighLight, {5, 3, 15, 16}, false);
}

// The vertical bar and its marks inside pnlColumn of the given height.
void placeColumnPanelChildren(FormGeometry& g, int panelHeight) {
  const int barTop = 8;
  const int barHeight = panelHeight - 15 > 0 ? panelHeight - 15 : 0;
  place(g, ControlId::pbarColumn, {5, barTop, 6, barHeight}, true);
  place(g, ControlId::pbGoToStartC, {3, 0, 10, 8}, true);
  place(g, ControlId::pbGoToEndC, {3, barTop + barHeight - 5, 10, 8}, true);
  place(g, ControlId::pbGoToStartCOld, {2, 2, 12, barTop - 2}, false);
  place(g, ControlId::pbGoToEndCOld, {2, barTop + barHeight, 12, 6}, false);
  place(g, ControlId::pbOrangeDotC, {2, barTop - 6, 12, 12}, true);
  place(g, ControlId::pbHighLightC, {0, 0, 15, 16}, false);
}

void placeStatusBar(FormGeometry& g, bool visible) {
  place(g, ControlId::MyStatusBar1,
        {0, g.clientHeight - StatusBarHeight, g.clientWidth, StatusBarHeight}, visible);
  place(g, ControlId::imgLumetra, {2, 2, 16, 16}, visible);
  // The hint lies on the status bar, centred in the window.
  const bool hintShown = g.at(ControlId::lbInfo).visible;
  place(g, ControlId::lbInfo, {floorDiv(g.clientWidth - HintWidth, 2), 2, HintWidth, HintHeight},
        hintShown);
}

void placeButtons(FormGeometry& g, int fullScreenButtonLeft) {
  const std::array<int, 6> lefts = {1, 57, 112, 167, 222, 237};
  const std::array<ControlId, 6> ids = {ControlId::imgSingleColumn, ControlId::imgDoubleColumn,
                                        ControlId::imgBannerReader, ControlId::imgSentenceReader,
                                        ControlId::imgSep,          ControlId::imgAutoSkim};
  const std::array<int, 6> widths = {57, 57, 57, 57, 9, 61};
  const std::array<int, 6> heights = {57, 57, 57, 57, 58, 57};
  for (std::size_t i = 0; i < ids.size(); ++i)
    place(g, ids[i], {lefts[i], 0, widths[i], heights[i]}, true);
  place(g, ControlId::imgFullScreen, {fullScreenButtonLeft, 0, 61, 57}, true);
}

} // namespace

std::string_view controlName(ControlId id) {
  const auto index = static_cast<std::size_t>(id);
  return index < Controls.size() ? Controls[index].name : std::string_view{};
}

ControlId controlParent(ControlId id) {
  const auto index = static_cast<std::size_t>(id);
  return index < Controls.size() ? Controls[index].parent : ControlId::Count;
}

ControlKind controlKind(ControlId id) {
  const auto index = static_cast<std::size_t>(id);
  return index < Controls.size() ? Controls[index].kind : ControlKind::Plain;
}

void updateClientSize(FormGeometry& g, const FrameMetrics& frame) {
  if (g.bordered) {
    g.clientWidth = g.window.width - 2 * frame.border;
    g.clientHeight =
        g.window.height - frame.caption - frame.border - (g.mainMenuShown ? frame.menu : 0);
  } else {
    g.clientWidth = g.window.width;
    g.clientHeight = g.window.height - (g.mainMenuShown ? frame.menu : 0);
  }
  if (g.clientWidth < 0) g.clientWidth = 0;
  if (g.clientHeight < 0) g.clientHeight = 0;
}

FormGeometry designedGeometry(const FrameMetrics& frame) {
  FormGeometry g;
  g.clientWidth = 613;
  g.clientHeight = 696;
  g.window = {0, 0, g.clientWidth + 2 * frame.border,
              g.clientHeight + frame.caption + frame.menu + frame.border};
  place(g, ControlId::pnlTopBar, {0, 0, 697, TopBarHeight}, true);
  placeButtons(g, 552);
  place(g, ControlId::pbBanner,
        {floorDiv(g.clientWidth - BannerWidth, 2), BannerTop, BannerWidth, BannerHeight}, true);
  place(g, ControlId::pnlBanner,
        {floorDiv(g.clientWidth - BannerPanelWidth, 2), BannerPanelTop, BannerPanelWidth,
         BannerPanelHeight},
        true);
  placeBannerPanelChildren(g);
  place(g, ControlId::pbColumn, {7, ColumnTop, 285, 593}, false);
  place(g, ControlId::pbColumn2, {320, ColumnTop, 285, 593}, false);
  place(g, ControlId::pnlColumn, {200, ColumnPanelTop, ColumnPanelWidth, 601}, false);
  placeColumnPanelChildren(g, 601);
  place(g, ControlId::lbInfo, {0, 2, HintWidth, HintHeight}, true);
  placeStatusBar(g, true);
  place(g, ControlId::pbCloseFullScreen, {30, 0, CloseFullScreenWidth, CloseFullScreenHeight},
        false);
  place(g, ControlId::lbBlackInfo, {0, 0, 300, BlackLabelHeight}, false);
  place(g, ControlId::lbBlackPercent, {0, 0, 48, BlackLabelHeight}, false);
  return g;
}

void centreWindowInWorkArea(LayoutState& layout) {
  auto& w = layout.geometry.window;
  w.left = layout.workArea.left + floorDiv(layout.workArea.width - w.width, 2);
}

void arrangeGeometry(LayoutState& layout, ReadingModeKind mode) {
  FormGeometry& g = layout.geometry;
  const bool banner = isBannerMode(mode);
  const bool single = mode == ReadingModeKind::Single;

  g.popup = banner ? PopupMenuKind::pmBanner : PopupMenuKind::pmColumn;
  g.speedMenuShown = banner;
  g.wordsPerScreenMenuShown = mode == ReadingModeKind::Banner;

  if (!layout.fullScreen) {
    g.window.width = banner ? 620 : single ? 420 : 620;
    g.window.height = banner ? 400 : layout.workArea.height;
    if (!single) centreWindowInWorkArea(layout);
    g.window.top = 0;
    updateClientSize(g, layout.frame);
  } else {
    g.window.top = 0;
  }

  placeButtons(g, single ? 352 : 552);

  g.at(ControlId::pbBanner) = {
      {floorDiv(g.clientWidth - BannerWidth, 2), BannerTop, BannerWidth, BannerHeight}, banner};
  g.at(ControlId::pnlBanner) = {{floorDiv(g.clientWidth - BannerPanelWidth, 2), BannerPanelTop,
                                 BannerPanelWidth, BannerPanelHeight},
                                banner};
  placeBannerPanelChildren(g);

  const int columnHeight = g.clientHeight - BottomReserve - ColumnTop;
  const int panelHeight = g.clientHeight - BottomReserve - ColumnPanelTop;
  if (banner) {
    setVisible(g, ControlId::pbColumn, false);
    setVisible(g, ControlId::pbColumn2, false);
    g.at(ControlId::pnlColumn) = {
        {200, ColumnPanelTop, ColumnPanelWidth, g.at(ControlId::pnlColumn).rect.height}, false};
  } else {
    const int columnWidth = single ? 378 : 285;
    place(g, ControlId::pbColumn, {7, ColumnTop, columnWidth, columnHeight}, true);
    place(g, ControlId::pnlColumn,
          {single ? 391 : 298, ColumnPanelTop, ColumnPanelWidth, panelHeight}, true);
    place(g, ControlId::pbColumn2, {320, ColumnTop, 285, columnHeight}, !single);
    placeColumnPanelChildren(g, panelHeight);
  }

  g.statusPanel2Width = single ? 20 : 220;
  if (!layout.fullScreen) placeStatusBar(g, true);
}

void fullScreenGeometry(LayoutState& layout, ReadingModeKind mode, int blackInfoWidth,
                        int blackPercentWidth) {
  FormGeometry& g = layout.geometry;
  const Rect& screen = layout.screen;
  g.bordered = false;
  g.mainMenuShown = false;
  g.popup = PopupMenuKind::None;
  g.window = screen;
  g.clientWidth = screen.width;
  g.clientHeight = screen.height;

  setVisible(g, ControlId::pnlTopBar, false);
  setVisible(g, ControlId::pnlBanner, false);
  setVisible(g, ControlId::MyStatusBar1, false);

  if (!isBannerMode(mode)) {
    setVisible(g, ControlId::pbBanner, false);
    Rect& c1 = g.at(ControlId::pbColumn).rect;
    Rect& panel = g.at(ControlId::pnlColumn).rect;
    Rect& c2 = g.at(ControlId::pbColumn2).rect;
    const int top = floorDiv(screen.height - c1.height, 2);
    if (mode == engine::ReadingModeKind::Double) {
      c1.left = floorDiv(screen.width - c1.width - panel.width - c2.width - 10, 2);
      panel.left = c1.right() + 5;
      c2.left = panel.right() + 5;
      c2.top = top;
      setVisible(g, ControlId::pbColumn2, true);
    } else {
      c1.left = floorDiv(screen.width - c1.width, 2);
      panel.left = c1.right() + 5;
      setVisible(g, ControlId::pbColumn2, false);
    }
    c1.top = top;
    panel.top = top;
    setVisible(g, ControlId::pbColumn, true);
    setVisible(g, ControlId::pnlColumn, true);
  } else {
    Rect& strip = g.at(ControlId::pbBanner).rect;
    strip.left = floorDiv(screen.width - strip.width, 2);
    strip.top = floorDiv(screen.height - strip.height, 2) - 100;
    setVisible(g, ControlId::pbBanner, true);
    Rect& panel = g.at(ControlId::pnlBanner).rect;
    panel.left = floorDiv(screen.width - panel.width, 2);
    panel.top = strip.bottom() + 50;
  }

  Rect& close = g.at(ControlId::pbCloseFullScreen).rect;
  close = {30, screen.height - 70, CloseFullScreenWidth, CloseFullScreenHeight};
  setVisible(g, ControlId::pbCloseFullScreen, true);
  g.at(ControlId::lbBlackInfo) = {{floorDiv(screen.width - blackInfoWidth, 2),
                                   screen.height - 5 - BlackLabelHeight, blackInfoWidth,
                                   BlackLabelHeight},
                                  true};
  g.at(ControlId::lbBlackPercent) = {{screen.width - 100 - blackPercentWidth,
                                      close.top + BlackLabelHeight / 2, blackPercentWidth,
                                      BlackLabelHeight},
                                     true};
}

} // namespace reader
