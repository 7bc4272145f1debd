// The hints of the reader window's hint label, as the window shows them.
#pragma once

namespace reader {

inline constexpr const char* HintStart = "Press Spacebar or Click to Start !";
inline constexpr const char* HintContinue = "Press Spacebar or Click to Continue !";
// The paused hint while the reader is not in front, where Space does not reach it.
inline constexpr const char* HintClickContinue = "Click to Continue !";
inline constexpr const char* HintRestart = "Press Spacebar to Restart !";
inline constexpr const char* HintNextPage = "Press Spacebar, PgDn or click for Next Page";
inline constexpr const char* HintEscape = "Press Escape to revert to normal...";

} // namespace reader
