// The main window's identity and place: its class, title, position and size, the
// same in both programs. Core side, one table, so Win32 and Qt cannot drift.
// Floor 3, over the core's other floors: for the platform layers and the tests.
#pragma once

#include "app/version.h"

namespace keyrill {

inline constexpr const char* kWindowClass = "CForm";
inline constexpr const char* kWindowTitle = KEYRILL_WINDOW_TITLE;
inline constexpr int kWindowX = 50;
inline constexpr int kWindowY = 50;
inline constexpr int kWindowWidth = 500;
inline constexpr int kWindowHeight = 500;
// The client area that frame leaves below a one-line menu bar with Windows'
// classic metrics. Win32 gets it from the frame; Qt, whose frame is the desktop's,
// sizes the typing area to it.
inline constexpr int kClientWidth = 492;
inline constexpr int kClientHeight = 446;
// What a screen reader calls the client area, where the lines are typed.
inline constexpr const char* kTypingAreaName = "Typing area";

}  // namespace keyrill
