// The resources compiled into keyrill.exe, read back from the file itself: the File
// menu, the accelerator table, the icon and its sizes, the application manifest and
// the version block, and each dialog as the system builds it from its template
// (live_dialog.cpp). Test side.
#include <gtest/gtest.h>

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
  ASSERT_NE(bar, nullptr) << "menu 104 present";
  EXPECT_EQ(GetMenuItemCount(bar), 1) << "the menu bar holds one popup";
  char text[128] = {};
  GetMenuStringA(bar, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, keyrill::kFileMenuTitle) << "the popup's text";
  HMENU file = GetSubMenu(bar, 0);
  EXPECT_NE(file, nullptr) << "the File popup";
  if (file != nullptr) {
    const auto& want = keyrill::kFileMenu;
    EXPECT_EQ(GetMenuItemCount(file), static_cast<int>(want.size())) << "File menu item count";
    for (std::size_t i = 0; i < want.size(); ++i) {
      MENUITEMINFOA item{};
      item.cbSize = sizeof item;
      item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
      char itemText[128] = {};
      item.dwTypeData = itemText;
      item.cch = sizeof itemText;
      SCOPED_TRACE("File menu item " + std::to_string(i + 1));
      const bool readable = GetMenuItemInfoA(file, static_cast<UINT>(i), TRUE, &item) != 0;
      EXPECT_TRUE(readable) << "readable";
      if (!readable) continue;
      EXPECT_EQ(item.hSubMenu, nullptr) << "no submenu";
      if (want[i].text == nullptr) {
        EXPECT_NE(item.fType & MFT_SEPARATOR, 0u) << "a separator";
      } else {
        EXPECT_EQ(item.fType & MFT_SEPARATOR, 0u) << "not a separator";
        EXPECT_STREQ(itemText, want[i].text) << "text";
        EXPECT_EQ(static_cast<int>(item.wID), want[i].command) << "command";
      }
    }
  }
  DestroyMenu(bar);
}

void CheckAccelerators(HMODULE module) {
  // The raw table: per entry flags, key, command and padding, 16 bits each; the
  // last entry's flags carry the end mark 0x80.
  const ResourceBytes bytes = FindBytes(module, 109, MAKEINTRESOURCEA(9));  // RT_ACCELERATOR
  ASSERT_NE(bytes.data, nullptr) << "accelerator table 109 present";
  const auto* words = static_cast<const WORD*>(bytes.data);
  const std::size_t count = bytes.size / 8;
  const auto& want = keyrill::kAccelerators;
  EXPECT_EQ(count, want.size()) << "accelerator count";
  for (std::size_t i = 0; i < count && i < want.size(); ++i) {
    const WORD flags = words[i * 4];
    const WORD key = words[i * 4 + 1];
    const WORD command = words[i * 4 + 2];
    SCOPED_TRACE(std::string("Ctrl+") + want[i].key);
    const WORD end = i + 1 == count ? 0x80 : 0;
    EXPECT_EQ(flags, FVIRTKEY | FCONTROL | FNOINVERT | end)
        << "virtual key, Ctrl held, no highlighting";
    EXPECT_EQ(key, want[i].key) << "key";
    EXPECT_EQ(command, want[i].command) << "command";
  }
}

void CheckIcon(HMODULE module) {
  // GRPICONDIR: reserved, type 1, count, then 14-byte entries ending in the
  // RT_ICON id.
  const ResourceBytes group = FindBytes(module, 107, MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  ASSERT_TRUE(group.data != nullptr && group.size >= 6) << "icon group 107 present";
  const auto* bytes = static_cast<const unsigned char*>(group.data);
  const int type = bytes[2] | (bytes[3] << 8);
  const int count = bytes[4] | (bytes[5] << 8);
  EXPECT_EQ(type, 1) << "icon group holds icons";
  EXPECT_TRUE(count >= 1 && group.size >= 6 + static_cast<std::size_t>(count) * 14)
      << "icon group lists its images";
  // The sizes Windows picks at 100, 125 and 150 % and in Explorer's views; a width
  // byte of 0 means 256.
  std::string sizes;
  for (int i = 0; i < count && group.size >= 6 + static_cast<std::size_t>(i + 1) * 14; ++i) {
    const unsigned char* entry = bytes + 6 + i * 14;
    sizes += (sizes.empty() ? "" : " ") + std::to_string(entry[0] == 0 ? 256 : entry[0]);
  }
  EXPECT_EQ(sizes, "16 20 24 32 40 48 64 256") << "the icon's sizes";
  for (int i = 0; i < count && group.size >= 6 + static_cast<std::size_t>(i + 1) * 14; ++i) {
    const unsigned char* entry = bytes + 6 + i * 14;
    const int iconId = entry[12] | (entry[13] << 8);
    EXPECT_NE(FindBytes(module, iconId, MAKEINTRESOURCEA(3)).data, nullptr)  // RT_ICON
        << "icon image " << iconId << " present";
  }
  HICON icon = static_cast<HICON>(
      LoadImageA(module, MAKEINTRESOURCEA(107), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
  EXPECT_NE(icon, nullptr) << "the icon loads at 32 x 32";
  if (icon != nullptr) DestroyIcon(icon);
}

// The application manifest, resource 1 of type RT_MANIFEST, as the loader reads
// it when the process starts: Common Controls 6, no elevation, the supported
// Windows versions, system DPI awareness, and the ANSI code page left alone.
void CheckManifest(HMODULE module) {
  const ResourceBytes bytes = FindBytes(module, 1, MAKEINTRESOURCEA(24));  // RT_MANIFEST
  ASSERT_NE(bytes.data, nullptr) << "manifest 1 present";
  std::string text(static_cast<const char*>(bytes.data), bytes.size);
  std::string compact;  // without line breaks and runs of spaces
  for (char c : text) {
    if (c == '\r' || c == '\n') c = ' ';
    if (c != ' ' || compact.empty() || compact.back() != ' ') compact += c;
  }
  const char* wanted[] = {
      R"(<assemblyIdentity type="win32" name="Keyrill" version=")" KEYRILL_VERSION_TEXT R"(.0.0")",
      R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
      R"(publicKeyToken="6595b64144ccf1df")",
      R"(<requestedExecutionLevel level="asInvoker")",
      R"(<supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"/>)",  // 7
      R"(<supportedOS Id="{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"/>)",  // 8
      R"(<supportedOS Id="{1f676c76-80e1-4239-95bb-83d0f6d0da78}"/>)",  // 8.1
      R"(<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>)",  // 10 and 11
      R"(<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>)",
      R"(<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">system</dpiAwareness>)",
  };
  for (const char* want : wanted) {
    EXPECT_NE(compact.find(want), std::string::npos) << "the manifest says " << want;
  }
  EXPECT_EQ(text.find("activeCodePage"), std::string::npos)
      << "the manifest leaves the ANSI code page alone (no activeCodePage)";
  EXPECT_EQ(text.find("PerMonitor"), std::string::npos)
      << "the manifest asks for no per-monitor DPI";
}

// The version block as Explorer reads it: the fixed numbers and the US English
// strings.
void CheckVersion(const std::string& exePath) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(exePath.c_str(), &ignored);
  ASSERT_GT(size, 0u) << "keyrill.exe carries a version block";
  std::vector<char> block(size);
  ASSERT_NE(GetFileVersionInfoA(exePath.c_str(), 0, size, block.data()), 0)
      << "the version block reads";
  void* value = nullptr;
  UINT length = 0;
  const bool fixedFound = VerQueryValueA(block.data(), "\\", &value, &length) != 0 &&
                          length >= sizeof(VS_FIXEDFILEINFO);
  EXPECT_TRUE(fixedFound) << "the fixed version numbers";
  if (fixedFound) {
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu) << "the fixed block's signature";
    const auto version = static_cast<DWORD>(MAKELONG(KEYRILL_VERSION_MINOR, KEYRILL_VERSION_MAJOR));
    EXPECT_EQ(fixed->dwFileVersionMS, version) << "file version " KEYRILL_VERSION_TEXT;
    EXPECT_EQ(fixed->dwProductVersionMS, version) << "product version " KEYRILL_VERSION_TEXT;
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP)) << "an application";
  }
  const struct {
    const char* name;
    const char* want;
  } strings[] = {
      {"ProductName", "Keyrill"},
      {"ProductVersion", KEYRILL_VERSION_TEXT},
      {"FileVersion", KEYRILL_VERSION_TEXT},
      {"FileDescription", "Keyrill typing-speed trainer"},
      {"OriginalFilename", "keyrill.exe"},
  };
  for (const auto& s : strings) {
    const std::string key = std::string("\\StringFileInfo\\040904B0\\") + s.name;
    const bool found = VerQueryValueA(block.data(), key.c_str(), &value, &length) != 0;
    EXPECT_EQ(found ? std::string(static_cast<const char*>(value)) : std::string("(none)"), s.want)
        << "version string " << s.name;
  }
}

}  // namespace

TEST(KeyrillExe, resources) {
  const Options& options = TheOptions();
  HMODULE module = LoadLibraryExA(options.keyrillExe.c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr) << "keyrill.exe opens as a resource file";
  for (const ExpectedDialog& dialog : ExpectedDialogs()) CheckDialogResource(module, dialog);
  CheckMenu(module);
  CheckAccelerators(module);
  CheckIcon(module);
  CheckManifest(module);
  FreeLibrary(module);
  CheckVersion(options.keyrillExe);
}

}  // namespace e2e
