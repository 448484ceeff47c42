// Checking keyrill.exe's open dialogs from outside. Test side.
#include "live_dialog.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace e2e {

namespace {

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

std::string RectText(const RECT& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
         std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
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
  const std::string name = expected.caption;
  ExpectEqual(WindowText(dialog), expected.caption, name + ": caption");
  const auto style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
  Expect((style & (WS_POPUP | WS_CAPTION)) == (WS_POPUP | WS_CAPTION),
         name + ": a popup with a caption");
  Expect(((style & WS_SYSMENU) != 0) == ((expected.style & WS_SYSMENU) != 0),
         name + ": close box " + ((expected.style & WS_SYSMENU) != 0 ? "shown" : "absent"));

  // The face the dialog manager made from the template's font. A font handle reads
  // only in the process that made it: a dialog of keyrill.exe's own is checked by
  // opening its template here (CheckDialogResource).
  DWORD owner = 0;
  GetWindowThreadProcessId(dialog, &owner);
  if (owner == GetCurrentProcessId()) {
    const auto font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    LOGFONTA logFont{};
    if (Expect(font != nullptr && GetObjectA(font, sizeof logFont, &logFont) == sizeof logFont,
               name + ": the dialog's font is readable")) {
      ExpectEqual(logFont.lfFaceName, expected.face, name + ": font face");
    }
  }

  DialogUnits units;
  Expect(units.ok(), name + ": a dialog in the test's own process converts dialog units");
  if (units.ok()) {
    RECT client{};
    GetClientRect(dialog, &client);
    const RECT want = units.ToPixels(0, 0, expected.cx, expected.cy);
    Expect(SameRect(client, want),
           name + ": client area " + RectText(client) + ", want " + RectText(want));
  }

  std::vector<HWND> children;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  ExpectEqual(static_cast<long long>(children.size()),
              static_cast<long long>(expected.controls.size()), name + ": control count");
  for (std::size_t i = 0; i < children.size() && i < expected.controls.size(); ++i) {
    const ExpectedControl& want = expected.controls[i];
    HWND child = children[i];
    const std::string what = name + " control " + std::to_string(i + 1);
    const std::string windowClass = ClassName(child);
    Expect(lstrcmpiA(windowClass.c_str(), want.windowClass) == 0,
           what + ": class " + windowClass + ", want " + want.windowClass);
    ExpectEqual(GetDlgCtrlID(child) & 0xFFFF, want.id & 0xFFFF, what + ": id");
    if (lstrcmpiA(want.windowClass, "Button") == 0 || lstrcmpiA(want.windowClass, "Static") == 0) {
      ExpectEqual(WindowText(child), want.text, what + ": text");
    }
    const auto childStyle = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
    const auto childExStyle = static_cast<DWORD>(GetWindowLongA(child, GWL_EXSTYLE));
    const DWORD got = StableBits(want.windowClass, childStyle, childExStyle);
    const DWORD wanted = StableBits(want.windowClass, want.style, 0);
    Expect(got == wanted, what + ": style " + Hex(got) + ", want " + Hex(wanted));
    Expect((childExStyle & WS_EX_RIGHT) == (want.exStyle & WS_EX_RIGHT),
           what + ": right-aligned as the template says");
    if (units.ok()) {
      const RECT wantRect = units.ToPixels(want.x, want.y, want.cx, want.cy);
      const RECT gotRect = RectInParent(child);
      Expect(SameRect(gotRect, wantRect),
             what + ": at " + RectText(gotRect) + ", want " + RectText(wantRect));
    }
  }

  const RECT box = ScreenRect(dialog);
  if (placement == Placement::Anywhere) return;
  if (placement == Placement::OnMainWindow) {
    const RECT main = ScreenRect(mainWindow);
    const LONG x = (main.left + main.right) / 2 - (box.right - box.left) / 2;
    const LONG y = (main.top + main.bottom) / 2 - (box.bottom - box.top) / 2;
    Expect(box.left == x && box.top == y, name + ": frame at " + RectText(box) +
                                              ", want its top-left at (" + std::to_string(x) +
                                              ", " + std::to_string(y) + ")");
  } else {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const LONG dx = (box.left + box.right) - (work.left + work.right);
    const LONG dy = (box.top + box.bottom) - (work.top + work.bottom);
    Expect(std::labs(dx) <= 2 && std::labs(dy) <= 2,
           name + ": centred in the work area " + RectText(work) + ", frame at " + RectText(box));
  }
}

void CheckDialogResource(HMODULE module, const ExpectedDialog& expected) {
  const std::string name = expected.caption;
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(expected.resourceId), RT_DIALOG);
  HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (!Expect(bytes != nullptr, name + ": dialog resource present")) return;
  // The system builds the dialog from the compiled template, hidden, in this process.
  HWND dialog = CreateDialogIndirectParamA(
      GetModuleHandleA(nullptr), static_cast<LPCDLGTEMPLATEA>(bytes), nullptr, QuietDialogProc, 0);
  if (!Expect(dialog != nullptr, name + ": the template makes a dialog")) return;
  CheckLiveDialog(dialog, expected, Placement::Anywhere, nullptr);
  DestroyWindow(dialog);
}

}  // namespace e2e
