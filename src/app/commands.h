// The facts both windows read: window identity and geometry, the File menu, the
// accelerators and the timers. Core side; one table, so Win32 and Qt cannot drift.
// Floor 3, over the core's other floors: for the platform layers and the tests.
#pragma once

#include <array>
#include <cstdint>

#include "app/resource_ids.h"

namespace keyrill {

inline constexpr const char* kWindowClass = "CForm";
inline constexpr const char* kWindowTitle = "Keyrill Beta 0.80";
inline constexpr int kWindowX = 50;
inline constexpr int kWindowY = 50;
inline constexpr int kWindowWidth = 500;
inline constexpr int kWindowHeight = 500;

struct MenuEntry {
  const char* text;  // nullptr: a separator
  int command;
};

inline constexpr const char* kFileMenuTitle = "&File";
inline constexpr std::array<MenuEntry, 8> kFileMenu = {{
    {"&Pause Test", IDM_PAUSE_TEST},
    {nullptr, 0},
    {"&Add Test\tCtrl+A", IDM_ADD_TEST},
    {"Be&gin Test\tCtrl+B", IDM_BEGIN_TEST},
    {"&End Test\tCtrl+X", IDM_END_TEST},
    {"&Select Test\tCtrl+S", IDM_SELECT_TEST},
    {nullptr, 0},
    {"E&xit\tCtrl+Q", IDM_EXIT},
}};

// Every accelerator is Ctrl plus a letter (the letter is also its virtual-key code).
struct AcceleratorEntry {
  char key;
  int command;
};

inline constexpr std::array<AcceleratorEntry, 7> kAccelerators = {{
    {'A', IDM_ADD_TEST},
    {'B', IDM_BEGIN_TEST},
    {'E', IDM_EDIT_TEST},
    {'P', IDM_PAUSE_TEST},
    {'Q', IDM_EXIT},
    {'S', IDM_SELECT_TEST},
    {'X', IDM_END_TEST},
}};

}  // namespace keyrill
