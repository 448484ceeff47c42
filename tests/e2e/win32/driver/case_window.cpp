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
  EXPECT_TRUE(FindWindowA("CForm", nullptr) != nullptr) << "FindWindowA(\"CForm\", NULL) finds it";
  EXPECT_EQ(ClassName(main), "CForm") << "window class";
  char title[128] = {};
  GetWindowTextA(main, title, sizeof title);
  EXPECT_STREQ(title, keyrill::kWindowTitle) << "title";
  // 500 x 500 at (50, 50) in the program's 96-DPI pixels, scaled on the display.
  EXPECT_EQ(SystemDpi(), TheOptions().dpi) << "the system DPI is the prefix's";
  const RECT frame = ScreenRect(main);
  std::printf("frame (%ld, %ld) %ld x %ld at %d DPI\n", frame.left, frame.top,
              frame.right - frame.left, frame.bottom - frame.top, TheOptions().dpi);
  EXPECT_TRUE(frame.left == Scaled(50) && frame.top == Scaled(50))
      << "frame at (" + std::to_string(Scaled(50)) + ", " + std::to_string(Scaled(50)) + ")";
  EXPECT_EQ(frame.right - frame.left, Scaled(500)) << "frame width";
  EXPECT_EQ(frame.bottom - frame.top, Scaled(500)) << "frame height";
  const auto style = static_cast<DWORD>(GetWindowLongA(main, GWL_STYLE));
  EXPECT_TRUE((style & WS_OVERLAPPEDWINDOW) == WS_OVERLAPPEDWINDOW) << "WS_OVERLAPPEDWINDOW";
  EXPECT_TRUE((style & WS_VISIBLE) != 0) << "shown";
  EXPECT_EQ(static_cast<long long>(GetClassLongA(main, GCL_STYLE)), 0) << "class style 0";
  EXPECT_EQ(static_cast<long long>(GetClassLongA(main, GCL_CBCLSEXTRA)), 0)
      << "no extra class bytes";
  EXPECT_EQ(static_cast<long long>(GetClassLongA(main, GCL_CBWNDEXTRA)), 0)
      << "no extra window bytes";
  RECT client{};
  GetClientRect(main, &client);
  EXPECT_TRUE(client.right > Scaled(400) && client.bottom > Scaled(350))
      << "client area " + std::to_string(client.right) + " x " + std::to_string(client.bottom) +
             " inside the frame";
  std::printf("client area %ld x %ld\n", client.right, client.bottom);

  HMENU menu = GetMenu(main);
  EXPECT_TRUE(menu != nullptr) << "the window has its menu bar";
  // Reading another process's menu items is possible on Windows; Wine answers
  // only inside the owning process, so the items themselves are also checked
  // from the resource by the resources case.
  const int count = GetMenuItemCount(menu);
  if (count >= 0) {
    EXPECT_EQ(count, 1) << "one popup on the menu bar";
    HMENU file = GetSubMenu(menu, 0);
    const auto& want = keyrill::kFileMenu;
    for (std::size_t i = 0; file != nullptr && i < want.size(); ++i) {
      SCOPED_TRACE("live menu item " + std::to_string(i + 1));
      MENUITEMINFOA item{};
      item.cbSize = sizeof item;
      item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
      char text[128] = {};
      item.dwTypeData = text;
      item.cch = sizeof text;
      GetMenuItemInfoA(file, static_cast<UINT>(i), TRUE, &item);
      if (want[i].text == nullptr) {
        EXPECT_TRUE((item.fType & MFT_SEPARATOR) != 0) << "a separator";
      } else {
        EXPECT_STREQ(text, want[i].text) << "its text";
        EXPECT_EQ(static_cast<long long>(item.wID), want[i].command) << "its id";
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
    EXPECT_TRUE(FocusOfThreadOwning(dialog) == GetDlgItem(dialog, kTestList))
        << "Select Test opens with the focus on the list";
    EXPECT_EQ(static_cast<long long>(ListEntries(GetDlgItem(dialog, kTestList)).size()), 1)
        << "Select Test lists the one stored test";
    SendWithTimeout(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    SleepMs(300);
    EXPECT_TRUE(IsWindow(dialog) != 0) << "Enter does not close Select Test";
    EXPECT_TRUE(IsWindowEnabled(keyrill.Main()) == 0) << "the main window is disabled meanwhile";
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitClosed(dialog)) << "the close box closes Select Test";
  }

  // Add Test and Edit Test (no menu item for it: command 40009, Ctrl+E, only):
  // the focus where typing starts, a name box of at most 47 characters, and
  // Escape (IDCANCEL) closes them.
  struct EditorDialog {
    int command;
    const char* caption;
    int resourceId;
    int focus;
    const char* focusName;
  };
  for (const EditorDialog& editor :
       {EditorDialog{kAddTest, "Add Test", 110, kTestName, "the name box"},
        EditorDialog{kEditTest, "Edit Test", 111, kUpdateButton, "Update"}}) {
    SCOPED_TRACE(editor.caption);
    keyrill.PostCommand(editor.command);
    HWND dialog = keyrill.WaitDialog(editor.caption);
    if (dialog == nullptr) continue;
    CheckLiveDialog(dialog, ExpectedDialogById(editor.resourceId), Placement::OnMainWindow,
                    keyrill.Main());
    EXPECT_EQ(FocusOfThreadOwning(dialog), GetDlgItem(dialog, editor.focus))
        << "it opens with the focus on " << editor.focusName;
    LRESULT limit = 0;
    SendWithTimeout(GetDlgItem(dialog, kTestName), EM_GETLIMITTEXT, 0, 0, &limit);
    EXPECT_EQ(limit, 47) << "the name box takes 47 characters";
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
    EXPECT_TRUE(WaitClosed(dialog)) << "Escape closes it";
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
  EXPECT_TRUE(loaded.find("\\winsxs\\") != std::string::npos &&
              loaded.find("microsoft.windows.common-controls") != std::string::npos &&
              loaded.find("_6.0.") != std::string::npos)
      << "keyrill.exe has loaded comctl32 6 from the side-by-side store (loaded: " +
             (loaded.empty() ? std::string("none") : loaded) + ")";
}

}  // namespace

TEST(KeyrillExe, window) {
  const Options& options = TheOptions();
  const std::string work = CaseDirectory("window", kLibrary);

  {
    KeyrillProcess keyrill(options.keyrillExe, work);
    if (keyrill.Started()) {
      CheckMainWindow(keyrill);
      CheckTestDialogs(keyrill);
      CheckCommonControls(keyrill);

      // The close box in the middle of a run ends the program, without a Report.
      keyrill.ChooseTest("Short");
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

  EXPECT_EQ(ReadFile(JoinPath(work, "tests.tst")), kLibrary) << "the library is only read";
}

}  // namespace e2e
