// The main window as other programs see it (class, title, frame scaled by the
// DPI, menu), the three test dialogs as they open over it, the side-by-side
// Common Controls it loads, and the two ways out: the close box in the middle of
// a run and the Exit command. Test side.
#include <cctype>
#include <cstdio>

#include "cases.h"
#include "expected_resources.h"
#include "keyrill_process.h"
#include "live_dialog.h"

namespace e2e {

namespace {

constexpr const char* kLibrary = "\r\n~Short\r\nthe cat sat";

void CheckMainWindow(KeyrillProcess& keyrill) {
  HWND main = keyrill.Main();
  Expect(FindWindowA("CForm", nullptr) != nullptr, "FindWindowA(\"CForm\", NULL) finds it");
  ExpectEqual(ClassName(main), "CForm", "window class");
  char title[128] = {};
  GetWindowTextA(main, title, sizeof title);
  ExpectEqual(title, "Keyrill Beta 0.80", "title");
  // 500 x 500 at (50, 50) in the program's 96-DPI pixels, scaled on the display.
  ExpectEqual(SystemDpi(), TheOptions().dpi, "the system DPI is the prefix's");
  const RECT frame = ScreenRect(main);
  std::printf("frame (%ld, %ld) %ld x %ld at %d DPI\n", frame.left, frame.top,
              frame.right - frame.left, frame.bottom - frame.top, TheOptions().dpi);
  Expect(frame.left == Scaled(50) && frame.top == Scaled(50),
         "frame at (" + std::to_string(Scaled(50)) + ", " + std::to_string(Scaled(50)) + ")");
  ExpectEqual(frame.right - frame.left, Scaled(500), "frame width");
  ExpectEqual(frame.bottom - frame.top, Scaled(500), "frame height");
  const auto style = static_cast<DWORD>(GetWindowLongA(main, GWL_STYLE));
  Expect((style & WS_OVERLAPPEDWINDOW) == WS_OVERLAPPEDWINDOW, "WS_OVERLAPPEDWINDOW");
  Expect((style & WS_VISIBLE) != 0, "shown");
  ExpectEqual(static_cast<long long>(GetClassLongA(main, GCL_STYLE)), 0, "class style 0");
  ExpectEqual(static_cast<long long>(GetClassLongA(main, GCL_CBCLSEXTRA)), 0,
              "no extra class bytes");
  ExpectEqual(static_cast<long long>(GetClassLongA(main, GCL_CBWNDEXTRA)), 0,
              "no extra window bytes");
  RECT client{};
  GetClientRect(main, &client);
  Expect(client.right > Scaled(400) && client.bottom > Scaled(350),
         "client area " + std::to_string(client.right) + " x " + std::to_string(client.bottom) +
             " inside the frame");
  std::printf("client area %ld x %ld\n", client.right, client.bottom);

  HMENU menu = GetMenu(main);
  Expect(menu != nullptr, "the window has its menu bar");
  // Reading another process's menu items is possible on Windows; Wine answers
  // only inside the owning process, so the items themselves are also checked
  // from the resource by the resources case.
  const int count = GetMenuItemCount(menu);
  if (count >= 0) {
    ExpectEqual(count, 1, "one popup on the menu bar");
    HMENU file = GetSubMenu(menu, 0);
    const auto& want = ExpectedFileMenu();
    for (std::size_t i = 0; file != nullptr && i < want.size(); ++i) {
      MENUITEMINFOA item{};
      item.cbSize = sizeof item;
      item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
      char text[128] = {};
      item.dwTypeData = text;
      item.cch = sizeof text;
      GetMenuItemInfoA(file, static_cast<UINT>(i), TRUE, &item);
      if (want[i].text == nullptr) {
        Expect((item.fType & MFT_SEPARATOR) != 0,
               "live menu item " + std::to_string(i + 1) + ": separator");
      } else {
        ExpectEqual(text, want[i].text, "live menu item text");
        ExpectEqual(static_cast<long long>(item.wID), want[i].command, "live menu item id");
      }
    }
  } else {
    std::printf("note: this system does not read another process's menu items\n");
  }
}

void CheckTestDialogs(KeyrillProcess& keyrill) {
  // Select Test: the list has the focus; Enter (IDOK) is ignored; the close box
  // (WM_CLOSE, which the dialog manager turns into IDCANCEL) closes it.
  keyrill.PostCommand(kSelectTest);
  if (HWND dialog = keyrill.WaitDialog("Select Test")) {
    CheckLiveDialog(dialog, ExpectedDialogById(108), Placement::OnMainWindow, keyrill.Main());
    Expect(FocusOfThreadOwning(dialog) == GetDlgItem(dialog, kTestList),
           "Select Test opens with the focus on the list");
    ExpectEqual(static_cast<long long>(ListEntries(GetDlgItem(dialog, kTestList)).size()), 1,
                "Select Test lists the one stored test");
    SendWithTimeout(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    SleepMs(300);
    Expect(IsWindow(dialog) != 0, "Enter does not close Select Test");
    Expect(IsWindowEnabled(keyrill.Main()) == 0, "the main window is disabled meanwhile");
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    Expect(WaitUntil([&] { return IsWindow(dialog) == 0; }, 20000),
           "the close box closes Select Test");
  }

  // Add Test: the name box has the focus and takes at most 47 characters;
  // Escape (IDCANCEL) closes it.
  keyrill.PostCommand(kAddTest);
  if (HWND dialog = keyrill.WaitDialog("Add Test")) {
    CheckLiveDialog(dialog, ExpectedDialogById(110), Placement::OnMainWindow, keyrill.Main());
    Expect(FocusOfThreadOwning(dialog) == GetDlgItem(dialog, kTestName),
           "Add Test opens with the focus on the name box");
    LRESULT limit = 0;
    SendWithTimeout(GetDlgItem(dialog, kTestName), EM_GETLIMITTEXT, 0, 0, &limit);
    ExpectEqual(limit, 47, "the name box takes 47 characters");
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
    Expect(WaitUntil([&] { return IsWindow(dialog) == 0; }, 20000), "Escape closes Add Test");
  }

  // Edit Test: no menu item, command 40009 (Ctrl+E) only; the focus on Update.
  keyrill.PostCommand(kEditTest);
  if (HWND dialog = keyrill.WaitDialog("Edit Test")) {
    CheckLiveDialog(dialog, ExpectedDialogById(111), Placement::OnMainWindow, keyrill.Main());
    Expect(FocusOfThreadOwning(dialog) == GetDlgItem(dialog, kUpdateButton),
           "Edit Test opens with the focus on Update");
    LRESULT limit = 0;
    SendWithTimeout(GetDlgItem(dialog, kTestName), EM_GETLIMITTEXT, 0, 0, &limit);
    ExpectEqual(limit, 47, "Edit Test's name box takes 47 characters");
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
    Expect(WaitUntil([&] { return IsWindow(dialog) == 0; }, 20000), "Escape closes Edit Test");
  }
}

// The manifest's Common Controls 6 dependency, honoured: the themed comctl32 of
// the side-by-side store is loaded (the dialogs' controls come from it), not the
// system folder's version 5.
void CheckCommonControls(KeyrillProcess& keyrill) {
  std::string loaded;
  for (const std::string& path : ModulePaths(keyrill.Process())) {
    std::string lower = path;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.size() >= 12 && lower.compare(lower.size() - 12, 12, "comctl32.dll") == 0) {
      loaded += (loaded.empty() ? "" : "; ") + lower;
    }
  }
  std::printf("comctl32: %s\n", loaded.c_str());
  Expect(loaded.find("\\winsxs\\") != std::string::npos &&
             loaded.find("microsoft.windows.common-controls") != std::string::npos &&
             loaded.find("_6.0.") != std::string::npos,
         "keyrill.exe has loaded comctl32 6 from the side-by-side store (loaded: " +
             (loaded.empty() ? std::string("none") : loaded) + ")");
}

}  // namespace

TEST(KeyrillExe, window) {
  const Options& options = TheOptions();
  const std::string work = JoinPath(options.workRoot, "window");
  Expect(MakeFreshDirectory(work), "fresh working directory");
  WriteWholeFile(JoinPath(work, "tests.tst"), kLibrary);

  {
    KeyrillProcess keyrill(options.keyrillExe, work);
    if (keyrill.Started()) {
      CheckMainWindow(keyrill);
      CheckTestDialogs(keyrill);
      CheckCommonControls(keyrill);

      // The close box in the middle of a run ends the program, without a Report.
      keyrill.PostCommand(kSelectTest);
      if (HWND dialog = keyrill.WaitDialog("Select Test")) {
        DoubleClickEntry(dialog, kTestList, "Short");
        Expect(WaitUntil([&] { return IsWindow(dialog) == 0; }, 20000),
               "a double-click closes Select Test");
      }
      keyrill.Char('\r');
      keyrill.Type("the");
      PostMessageA(keyrill.Main(), WM_CLOSE, 0, 0);
      keyrill.ExpectExit(0, "the close box");
    }
  }

  {
    KeyrillProcess keyrill(options.keyrillExe, work);
    if (keyrill.Started()) {
      keyrill.Command(kExit);
      keyrill.ExpectExit(0, "Exit");
    }
  }

  std::string bytes;
  ReadWholeFile(JoinPath(work, "tests.tst"), bytes);
  ExpectEqual(bytes, kLibrary, "the library is only read");
}

}  // namespace e2e
