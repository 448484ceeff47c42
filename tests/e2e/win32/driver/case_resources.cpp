// The resources compiled into keyrill.exe, read back from the file itself: the File
// menu, the accelerator table, the icon and the version block, and each dialog as
// the system builds it from its template (live_dialog.cpp). Test side.
#include <vector>

#include "cases.h"
#include "e2e_support.h"
#include "expected_resources.h"
#include "live_dialog.h"

namespace e2e {

namespace {

struct ResourceBytes {
  const void* data = nullptr;
  std::size_t size = 0;
};

ResourceBytes FindBytes(HMODULE module, int id, LPCSTR type) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(module, found);
  if (loaded == nullptr) return {};
  return {LockResource(loaded), SizeofResource(module, found)};
}

void CheckMenu(HMODULE module) {
  HMENU bar = LoadMenuA(module, MAKEINTRESOURCEA(104));
  if (!Expect(bar != nullptr, "menu 104 present")) return;
  ExpectEqual(GetMenuItemCount(bar), 1, "the menu bar holds one popup");
  char text[128] = {};
  GetMenuStringA(bar, 0, text, sizeof text, MF_BYPOSITION);
  ExpectEqual(text, "&File", "the popup's text");
  HMENU file = GetSubMenu(bar, 0);
  if (Expect(file != nullptr, "the File popup")) {
    const auto& want = ExpectedFileMenu();
    ExpectEqual(GetMenuItemCount(file), static_cast<long long>(want.size()),
                "File menu item count");
    for (std::size_t i = 0; i < want.size(); ++i) {
      MENUITEMINFOA item{};
      item.cbSize = sizeof item;
      item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
      char itemText[128] = {};
      item.dwTypeData = itemText;
      item.cch = sizeof itemText;
      const std::string what = "File menu item " + std::to_string(i + 1);
      if (!Expect(GetMenuItemInfoA(file, static_cast<UINT>(i), TRUE, &item) != 0,
                  what + " readable")) {
        continue;
      }
      Expect(item.hSubMenu == nullptr, what + ": no submenu");
      if (want[i].text == nullptr) {
        Expect((item.fType & MFT_SEPARATOR) != 0, what + ": a separator");
      } else {
        Expect((item.fType & MFT_SEPARATOR) == 0, what + ": not a separator");
        ExpectEqual(itemText, want[i].text, what + ": text");
        ExpectEqual(static_cast<long long>(item.wID), want[i].command, what + ": command");
      }
    }
  }
  DestroyMenu(bar);
}

void CheckAccelerators(HMODULE module) {
  // The raw table: per entry flags, key, command and padding, 16 bits each; the
  // last entry's flags carry the end mark 0x80.
  const ResourceBytes bytes = FindBytes(module, 109, MAKEINTRESOURCEA(9));  // RT_ACCELERATOR
  if (!Expect(bytes.data != nullptr, "accelerator table 109 present")) return;
  const auto* words = static_cast<const WORD*>(bytes.data);
  const std::size_t count = bytes.size / 8;
  const auto& want = ExpectedAccelerators();
  ExpectEqual(static_cast<long long>(count), static_cast<long long>(want.size()),
              "accelerator count");
  for (std::size_t i = 0; i < count && i < want.size(); ++i) {
    const WORD flags = words[i * 4];
    const WORD key = words[i * 4 + 1];
    const WORD command = words[i * 4 + 2];
    const std::string what = std::string("Ctrl+") + want[i].key;
    const WORD end = i + 1 == count ? 0x80 : 0;
    ExpectEqual(flags, FVIRTKEY | FCONTROL | FNOINVERT | end,
                what + ": virtual key, Ctrl held, no highlighting");
    ExpectEqual(key, want[i].key, what + ": key");
    ExpectEqual(command, want[i].command, what + ": command");
  }
}

void CheckIcon(HMODULE module) {
  // GRPICONDIR: reserved, type 1, count, then 14-byte entries ending in the
  // RT_ICON id.
  const ResourceBytes group = FindBytes(module, 107, MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  if (!Expect(group.data != nullptr && group.size >= 6, "icon group 107 present")) return;
  const auto* bytes = static_cast<const unsigned char*>(group.data);
  const int type = bytes[2] | (bytes[3] << 8);
  const int count = bytes[4] | (bytes[5] << 8);
  ExpectEqual(type, 1, "icon group holds icons");
  Expect(count >= 1 && group.size >= 6 + static_cast<std::size_t>(count) * 14,
         "icon group lists its images");
  for (int i = 0; i < count && group.size >= 6 + static_cast<std::size_t>(i + 1) * 14; ++i) {
    const unsigned char* entry = bytes + 6 + i * 14;
    const int iconId = entry[12] | (entry[13] << 8);
    Expect(FindBytes(module, iconId, MAKEINTRESOURCEA(3)).data != nullptr,  // RT_ICON
           "icon image " + std::to_string(iconId) + " present");
  }
  HICON icon = static_cast<HICON>(
      LoadImageA(module, MAKEINTRESOURCEA(107), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
  Expect(icon != nullptr, "the icon loads at 32 x 32");
  if (icon != nullptr) DestroyIcon(icon);
}

// The version block as Explorer reads it: the fixed numbers and the US English
// strings.
void CheckVersion(const std::string& exePath) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(exePath.c_str(), &ignored);
  if (!Expect(size > 0, "keyrill.exe carries a version block")) return;
  std::vector<char> block(size);
  if (!Expect(GetFileVersionInfoA(exePath.c_str(), 0, size, block.data()) != 0,
              "the version block reads")) {
    return;
  }
  void* value = nullptr;
  UINT length = 0;
  if (Expect(VerQueryValueA(block.data(), "\\", &value, &length) != 0 &&
                 length >= sizeof(VS_FIXEDFILEINFO),
             "the fixed version numbers")) {
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    ExpectEqual(fixed->dwSignature, 0xFEEF04BD, "the fixed block's signature");
    ExpectEqual(fixed->dwFileVersionMS, MAKELONG(80, 0), "file version 0.80");
    ExpectEqual(fixed->dwProductVersionMS, MAKELONG(80, 0), "product version 0.80");
    ExpectEqual(fixed->dwFileType, VFT_APP, "an application");
  }
  const struct {
    const char* name;
    const char* want;
  } strings[] = {
      {"ProductName", "Keyrill"},
      {"ProductVersion", "0.80"},
      {"FileVersion", "0.80"},
      {"FileDescription", "Keyrill typing-speed trainer"},
      {"OriginalFilename", "keyrill.exe"},
  };
  for (const auto& s : strings) {
    const std::string key = std::string("\\StringFileInfo\\040904B0\\") + s.name;
    const bool found = VerQueryValueA(block.data(), key.c_str(), &value, &length) != 0;
    ExpectEqual(found ? std::string(static_cast<const char*>(value)) : std::string("(none)"),
                s.want, std::string("version string ") + s.name);
  }
}

}  // namespace

TEST(KeyrillExe, resources) {
  const Options& options = TheOptions();
  HMODULE module = LoadLibraryExA(options.keyrillExe.c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!Expect(module != nullptr, "keyrill.exe opens as a resource file")) {
    return;
  }
  for (const ExpectedDialog& dialog : ExpectedDialogs()) CheckDialogResource(module, dialog);
  CheckMenu(module);
  CheckAccelerators(module);
  CheckIcon(module);
  FreeLibrary(module);
  CheckVersion(options.keyrillExe);
}

}  // namespace e2e
