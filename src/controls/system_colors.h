// The desktop colours the controls start with, as the RGB values of the
// classic Windows 3D palette that the reader window was designed against.
#pragma once

#include "platform/canvas.h"

namespace controls {

inline constexpr platform::Color clBtnFace = platform::rgb(240, 240, 240);
inline constexpr platform::Color clBtnShadow = platform::rgb(160, 160, 160);
inline constexpr platform::Color clBtnHighlight = platform::rgb(255, 255, 255);
inline constexpr platform::Color cl3DDkShadow = platform::rgb(105, 105, 105);
inline constexpr platform::Color clWindowText = platform::rgb(0, 0, 0);

} // namespace controls
