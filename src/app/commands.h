// The commands both windows offer: the File menu and the accelerators. Core side;
// one table, so Win32 and Qt cannot drift.
// Floor 3, over the core's other floors: for the platform layers and the tests.
#pragma once

#include <array>
#include <cstdint>

#include "app/resource_ids.h"

namespace keyrill {

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
