// Where the reader window and each of its controls stand in every reading
// mode, in pixels, as plain data the Qt widget applies with absolute
// coordinates. Pure functions of the layout state and the reading mode: no
// drawing, no Qt. Every position computed from a division is rounded down.
#pragma once

#include "engine/settings_record.h"
#include "reader/layout_state.h"

namespace reader {

// The window as designed: client 613 x 696, every control at its stored place.
FormGeometry designedGeometry(const FrameMetrics& frame = {});

// Recomputes the client size from the outer window and the frame it has.
void updateClientSize(FormGeometry& geometry, const FrameMetrics& frame);

// The geometry step of arrangeControls: window size and left (only outside
// full screen), which controls show, their places, the popup menu, the Speed
// menu and the width of status panel 2 for `mode`.
void arrangeGeometry(LayoutState& layout, engine::ReadingModeKind mode);

// Centres the window horizontally in the work area (leaving full screen in
// Single mode).
void centreWindowInWorkArea(LayoutState& layout);

// The placement step of enterFullScreen: the window takes the whole screen
// without border or menu, the top bar, the status bar and pnlBanner hide,
// the strip or the columns are centred and the three full-screen controls
// show. `blackInfoWidth` and `blackPercentWidth` are the label widths.
void fullScreenGeometry(LayoutState& layout, engine::ReadingModeKind mode, int blackInfoWidth = 300,
                        int blackPercentWidth = 48);

using engine::isBannerMode;

} // namespace reader
