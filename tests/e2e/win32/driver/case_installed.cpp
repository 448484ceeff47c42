// keyrill.exe as the installer leaves it: the Start-menu shortcut read back through
// the shell's own link object, and the program started the way Explorer starts it
// from that shortcut, adding a test that must land in the user's library folder.
// Test side.
#include <objidl.h>
#include <shlobj.h>

#include <cstdio>
#include <filesystem>

#include "cases.h"
#include "expected_resources.h"
#include "keyrill_process.h"
#include "live_dialog.h"

namespace e2e {

namespace {

struct Shortcut {
  std::string target;
  std::string workingDirectory;
};

// Releases a COM interface when the case is done with it.
template <typename T>
struct ComRef {
  T* p = nullptr;
  ~ComRef() {
    if (p != nullptr) p->Release();
  }
};

// Initialises COM for this thread for as long as the case runs.
struct ComApartment {
  bool ok = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  ~ComApartment() {
    if (ok) CoUninitialize();
  }
};

// Fatal when the shortcut cannot be read at all.
void ReadShortcut(const std::string& path, Shortcut& out) {
  ComRef<IShellLinkA> link;
  ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_IShellLinkA, reinterpret_cast<void**>(&link.p))))
      << "the shell's link object";
  ComRef<IPersistFile> file;
  ASSERT_TRUE(
      SUCCEEDED(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))))
      << "the link object loads files";
  wchar_t widePath[MAX_PATH] = {};
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH);
  ASSERT_TRUE(SUCCEEDED(file.p->Load(widePath, STGM_READ))) << "the shortcut " << path << " loads";
  char target[MAX_PATH] = {};
  char directory[MAX_PATH] = {};
  EXPECT_TRUE(SUCCEEDED(link.p->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)))
      << "the shortcut has a target";
  EXPECT_TRUE(SUCCEEDED(link.p->GetWorkingDirectory(directory, MAX_PATH)))
      << "the shortcut has a working directory";
  out.target = target;
  out.workingDirectory = directory;
  std::printf("shortcut target: %s\nshortcut working directory: %s\n", target, directory);
}

std::string Environment(const char* name) {
  char value[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(value) : std::string();
}

bool SameText(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

}  // namespace

TEST(KeyrillExe, installed) {
  const Options& options = TheOptions();
  ComApartment com;
  ASSERT_TRUE(com.ok) << "COM starts";

  Shortcut shortcut;
  ASSERT_NO_FATAL_FAILURE(ReadShortcut(options.keyrillExe, shortcut));
  const std::string programs = JoinPath(Environment("LOCALAPPDATA"), "Programs");
  const std::string library = JoinPath(Environment("APPDATA"), "Keyrill");
  EXPECT_TRUE(SameText(shortcut.target, JoinPath(JoinPath(programs, "Keyrill"), "keyrill.exe")))
      << "the shortcut starts keyrill.exe in the per-user program folder";
  EXPECT_TRUE(SameText(shortcut.workingDirectory, library))
      << "the shortcut starts it in %APPDATA%\\Keyrill";

  const std::string seeded = JoinPath(library, "tests.tst");
  ASSERT_TRUE(std::filesystem::is_regular_file(seeded)) << "the user's library was seeded";
  const std::string before = ReadFile(seeded);
  KeyrillProcess keyrill(shortcut.target, shortcut.workingDirectory);
  if (!keyrill.Started()) return;
  keyrill.PostCommand(kAddTest);
  if (HWND dialog = keyrill.WaitDialog("Add Test")) {
    SetText(Control(dialog, kTestName, "name box"), "Installed", "the name box");
    SetText(Control(dialog, kTestText, "text box"), "typed here", "the text box");
    Click(Control(dialog, kAddButton, "Add Test button"), "Add Test");
    EXPECT_TRUE(WaitClosed(dialog)) << "Add Test closes";
  }
  keyrill.Command(kExit);
  keyrill.ExpectExit(0, "Exit");

  EXPECT_EQ(ReadFile(seeded), before + "\r\n~Installed\r\ntyped here")
      << "the new test is appended to the user's library";
  return;
}

}  // namespace e2e
