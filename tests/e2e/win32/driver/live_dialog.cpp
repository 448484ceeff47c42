// Checking keyrill.exe's open dialogs from outside. Test side.
#include "live_dialog.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "app/dialog_placement.h"

namespace e2e {

namespace {

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

std::string RectText(const RECT& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
         std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

// A created control's style as far as it must still match its template. The
// system adapts a few bits of a live control: the dialog manager moves
// BS_DEFPUSHBUTTON with the focus, a list box shows its scroll bar (WS_VSCROLL)
// only when its entries need it, and 3-D dialogs may turn a control's WS_BORDER
// into a sunken WS_EX_CLIENTEDGE. Those bits are compared exactly in the
// resources case, from the template itself.
constexpr DWORD kStableStyleBits =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_GROUP | WS_HSCROLL | 0xFFFF;

DWORD StableBits(const std::string& windowClass, DWORD style, DWORD exStyle) {
  DWORD mask = kStableStyleBits;
  if (windowClass == "Button") mask &= ~static_cast<DWORD>(BS_DEFPUSHBUTTON);
  if ((exStyle & WS_EX_CLIENTEDGE) != 0) style |= WS_BORDER;
  return style & mask;
}

std::string Hex(DWORD value) {
  char text[16];
  wsprintfA(text, "0x%08lX", static_cast<unsigned long>(value));
  return text;
}

}  // namespace

DialogUnits::DialogUnits() {
  // DLGTEMPLATE, no controls, DS_SETFONT with the dialogs' font; DWORD-aligned.
  std::vector<WORD> words;
  auto dword = [&](DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
  };
  dword(WS_POPUP | DS_SETFONT);
  dword(0);
  words.push_back(0);  // no controls
  for (WORD v : {WORD{0}, WORD{0}, WORD{100}, WORD{100}}) words.push_back(v);
  words.push_back(0);  // no menu
  words.push_back(0);  // predefined dialog class
  words.push_back(0);  // no caption
  words.push_back(DLG_FONT_POINTS);
  for (const char* c = DLG_FONT_FACE; *c != '\0'; ++c) words.push_back(static_cast<WORD>(*c));
  words.push_back(0);
  dialog_ = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                       reinterpret_cast<LPCDLGTEMPLATEA>(words.data()), nullptr,
                                       QuietDialogProc, 0);
}

DialogUnits::~DialogUnits() {
  if (dialog_ != nullptr) DestroyWindow(dialog_);
}

RECT DialogUnits::ToPixels(int x, int y, int cx, int cy) const {
  // The dialog manager converts a control's position and its size separately.
  RECT units{x, y, cx, cy};
  MapDialogRect(dialog_, &units);
  return RECT{units.left, units.top, units.left + units.right, units.top + units.bottom};
}

HWND FindOwnedDialog(DWORD processId, HWND owner) {
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, "#32770", nullptr)) != nullptr) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == processId && IsWindowVisible(window) && GetWindow(window, GW_OWNER) == owner) {
      return window;
    }
  }
  return nullptr;
}

std::string StaticTexts(HWND window) {
  std::string joined;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (lstrcmpiA(ClassName(child).c_str(), "Static") != 0) continue;
    const std::string text = WindowText(child);
    if (text.empty()) continue;
    if (!joined.empty()) joined += "|";
    joined += text;
  }
  return joined;
}

void CheckLiveDialog(HWND dialog, const ExpectedDialog& expected, Placement placement,
                     HWND mainWindow) {
  SCOPED_TRACE(std::string("dialog ") + expected.caption);
  EXPECT_EQ(WindowText(dialog), expected.caption) << "caption";
  const auto style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
  EXPECT_EQ(Hex(style & (WS_POPUP | WS_CAPTION)), Hex(WS_POPUP | WS_CAPTION))
      << "a popup with a caption";
  EXPECT_EQ(style & WS_SYSMENU, expected.style & WS_SYSMENU) << "close box as the template says";

  // The face the dialog manager made from the template's font. A font handle reads
  // only in the process that made it: a dialog of keyrill.exe's own is checked by
  // opening its template here (CheckDialogResource).
  DWORD owner = 0;
  GetWindowThreadProcessId(dialog, &owner);
  if (owner == GetCurrentProcessId()) {
    const auto font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    LOGFONTA logFont{};
    EXPECT_TRUE(font != nullptr && GetObjectA(font, sizeof logFont, &logFont) == sizeof logFont)
        << "the dialog's font is readable";
    EXPECT_STREQ(logFont.lfFaceName, expected.face) << "font face";
  }

  DialogUnits units;
  ASSERT_TRUE(units.ok()) << "a dialog in the test's own process converts dialog units";
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_EQ(RectText(client), RectText(units.ToPixels(0, 0, expected.cx, expected.cy)))
      << "client area";

  std::vector<HWND> children;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  EXPECT_EQ(children.size(), expected.controls.size()) << "control count";
  for (std::size_t i = 0; i < children.size() && i < expected.controls.size(); ++i) {
    const ExpectedControl& want = expected.controls[i];
    HWND child = children[i];
    SCOPED_TRACE("control " + std::to_string(i + 1));
    EXPECT_STRCASEEQ(ClassName(child).c_str(), want.windowClass) << "class";
    EXPECT_EQ(GetDlgCtrlID(child) & 0xFFFF, want.id & 0xFFFF) << "id";
    if (lstrcmpiA(want.windowClass, "Button") == 0 || lstrcmpiA(want.windowClass, "Static") == 0) {
      EXPECT_EQ(WindowText(child), want.text) << "text";
    }
    const auto childStyle = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
    const auto childExStyle = static_cast<DWORD>(GetWindowLongA(child, GWL_EXSTYLE));
    EXPECT_EQ(Hex(StableBits(want.windowClass, childStyle, childExStyle)),
              Hex(StableBits(want.windowClass, want.style, 0)))
        << "style";
    EXPECT_EQ(childExStyle & WS_EX_RIGHT, want.exStyle & WS_EX_RIGHT)
        << "right-aligned as the template says";
    EXPECT_EQ(RectText(RectInParent(child)),
              RectText(units.ToPixels(want.x, want.y, want.cx, want.cy)))
        << "position";
  }

  if (placement == Placement::Anywhere) return;
  const RECT box = ScreenRect(dialog);
  if (placement == Placement::OnMainWindow) {
    const RECT main = ScreenRect(mainWindow);
    const keyrill::TopLeft at =
        keyrill::CentredTopLeft(keyrill::Rect{main.left, main.top, main.right, main.bottom},
                                box.right - box.left, box.bottom - box.top);
    EXPECT_EQ(box.left, at.x) << "centred on the main window " << RectText(main) << ", frame at "
                              << RectText(box);
    EXPECT_EQ(box.top, at.y) << "centred on the main window " << RectText(main) << ", frame at "
                             << RectText(box);
  } else {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const LONG dx = (box.left + box.right) - (work.left + work.right);
    const LONG dy = (box.top + box.bottom) - (work.top + work.bottom);
    EXPECT_LE(std::labs(dx), 2) << "centred in the work area " << RectText(work) << ", frame at "
                                << RectText(box);
    EXPECT_LE(std::labs(dy), 2) << "centred in the work area " << RectText(work) << ", frame at "
                                << RectText(box);
  }
}

void CheckDialogResource(HMODULE module, const ExpectedDialog& expected) {
  SCOPED_TRACE(std::string("template of ") + expected.caption);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(expected.resourceId), RT_DIALOG);
  HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  ASSERT_NE(bytes, nullptr) << "dialog resource present";
  // The system builds the dialog from the compiled template, hidden, in this process.
  HWND dialog = CreateDialogIndirectParamA(
      GetModuleHandleA(nullptr), static_cast<LPCDLGTEMPLATEA>(bytes), nullptr, QuietDialogProc, 0);
  ASSERT_NE(dialog, nullptr) << "the template makes a dialog";
  CheckLiveDialog(dialog, expected, Placement::Anywhere, nullptr);
  DestroyWindow(dialog);
}

}  // namespace e2e
