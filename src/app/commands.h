// The commands both windows offer: the File menu and the accelerators. Core side;
// one list (menu_table.h), which the Windows resource script expands too, so Win32,
// Qt and the tests cannot drift.
// Floor 3, over the core's other floors: for the platform layers and the tests.
#pragma once

#include <array>

#include "app/menu_table.h"

namespace keyrill {

struct MenuEntry {
  const char* text;  // nullptr: a separator
  int command;
};

#define KEYRILL_MENU_ITEM(text, command) MenuEntry{text, command},
#define KEYRILL_MENU_SEPARATOR() MenuEntry{nullptr, 0},
inline constexpr const char* kFileMenuTitle = KEYRILL_FILE_MENU_TITLE;
inline constexpr auto kFileMenu =
    std::to_array<MenuEntry>({KEYRILL_FILE_MENU(KEYRILL_MENU_ITEM, KEYRILL_MENU_SEPARATOR)});
#undef KEYRILL_MENU_ITEM
#undef KEYRILL_MENU_SEPARATOR

// Every accelerator is Ctrl plus a letter (the letter is also its virtual-key code).
struct AcceleratorEntry {
  char key;
  int command;
};

#define KEYRILL_ACCELERATOR(letter, command) AcceleratorEntry{letter[0], command},
inline constexpr auto kAccelerators =
    std::to_array<AcceleratorEntry>({KEYRILL_ACCELERATORS(KEYRILL_ACCELERATOR)});
#undef KEYRILL_ACCELERATOR

}  // namespace keyrill
