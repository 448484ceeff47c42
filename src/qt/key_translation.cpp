// Key presses and committed text to character codes. Platform side (Qt).
#include "qt/key_translation.h"

#include "qt/code_page_text.h"

namespace keyrill::qt {

std::vector<int> CodesForCommit(const QString& commit, const CodePage& codePage) {
  std::vector<int> codes;
  for (qsizetype i = 0; i < commit.size();) {
    const int byte = EncodeCharacter(commit, i, codePage);
    if (byte < 0x20 || byte == 0x7F) continue;  // -1 (no byte) or a control character
    codes.push_back(byte);
  }
  return codes;
}

std::vector<int> CodesForKey(int key, Qt::KeyboardModifiers modifiers, const QString& text,
                             const CodePage& codePage) {
  const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
  const bool alt = modifiers.testFlag(Qt::AltModifier);
  // Alt alone makes system characters; Ctrl+Alt is AltGr on Windows keyboards and
  // types the key's text like any other key.
  if (alt && !ctrl) return {};

  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (ctrl && alt) return {};
      return {ctrl ? 10 : 13};
    case Qt::Key_Backspace:
      if (ctrl && alt) return {};
      return {ctrl ? 127 : 8};
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      if (ctrl) return {};
      return {9};
    case Qt::Key_Escape:
      if (ctrl) return {};
      return {27};
    default:
      break;
  }

  if (ctrl && !alt) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return {key - Qt::Key_A + 1};
    switch (key) {
      case Qt::Key_BracketLeft:
        return {27};
      case Qt::Key_Backslash:
        return {28};
      case Qt::Key_BracketRight:
        return {29};
      case Qt::Key_6:  // Ctrl+6 and Ctrl+^ as a Windows keyboard gives them
      case Qt::Key_AsciiCircum:
        return {30};
      case Qt::Key_Minus:  // Ctrl+- and Ctrl+_; the keypad's minus has no code
      case Qt::Key_Underscore:
        if (modifiers.testFlag(Qt::KeypadModifier)) return {};
        return {31};
      case Qt::Key_Space:
        return {32};
      default:
        return {};
    }
  }
  return CodesForCommit(text, codePage);
}

}  // namespace keyrill::qt
