// Turning Qt key presses and input-method commits into the character codes the
// router expects, the codes a Win32 window's character messages would carry.
// Platform side (Qt).
// Floor 4, the Qt layer: for the Qt program and its tests only.
#pragma once

#include <QString>
#include <Qt>
#include <vector>

#include "program/code_page.h"

namespace keyrill::qt {

// The codes one key press sends, in order; empty for a key that sends none.
//   Enter (either key) 13, Ctrl+Enter 10; Backspace 8, Ctrl+Backspace 127;
//   Tab and Shift+Tab 9; Escape 27; Ctrl+letter its control code (Ctrl+J is 10),
//   Ctrl+[ \ ] 27 28 29, Ctrl+6 30, Ctrl+- 31, Ctrl+Space 32; Alt without Ctrl sends
//   nothing (a Win32 window gets those as system characters, not characters). Any
//   other key sends its text, one byte of the program's code page per character,
//   dropping characters without a byte and control characters (Delete's text, for one).
std::vector<int> CodesForKey(int key, Qt::KeyboardModifiers modifiers, const QString& text,
                             const CodePage& codePage);

// An input method's or a dead key's committed text: one byte per character,
// with the same dropping rules as key text.
std::vector<int> CodesForCommit(const QString& commit, const CodePage& codePage);

}  // namespace keyrill::qt
