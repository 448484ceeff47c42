/* The File menu and the Ctrl accelerators as lists for the C preprocessor, so that
   the Windows resource script and the C++ tables (commands.h) expand the one list.
   Plain macros and the command numbers only.
   Floor 3: for commands.h and the resource script. */
#ifndef KEYRILL_MENU_TABLE_H
#define KEYRILL_MENU_TABLE_H

#include "app/resource_ids.h"

#define KEYRILL_FILE_MENU_TITLE "&File"

/* ITEM(text, command) for an item, SEPARATOR() for a rule, in the menu's order. */
#define KEYRILL_FILE_MENU(ITEM, SEPARATOR)      \
  ITEM("&Pause Test", IDM_PAUSE_TEST)           \
  SEPARATOR()                                   \
  ITEM("&Add Test\tCtrl+A", IDM_ADD_TEST)       \
  ITEM("Be&gin Test\tCtrl+B", IDM_BEGIN_TEST)   \
  ITEM("&End Test\tCtrl+X", IDM_END_TEST)       \
  ITEM("&Select Test\tCtrl+S", IDM_SELECT_TEST) \
  SEPARATOR()                                   \
  ITEM("E&xit\tCtrl+Q", IDM_EXIT)

/* KEY(letter, command): Ctrl plus the letter, given as a one-letter string (the
   resource script's spelling of a virtual key; its code is the letter's). Edit
   Test has no menu item: Ctrl+E is its only way in. */
#define KEYRILL_ACCELERATORS(KEY) \
  KEY("A", IDM_ADD_TEST)          \
  KEY("B", IDM_BEGIN_TEST)        \
  KEY("E", IDM_EDIT_TEST)         \
  KEY("P", IDM_PAUSE_TEST)        \
  KEY("Q", IDM_EXIT)              \
  KEY("S", IDM_SELECT_TEST)       \
  KEY("X", IDM_END_TEST)

#endif
