// The resources compiled into keyrill.exe, read back from the file itself: each
// dialog template field by field, the File menu, the accelerator table, the
// icon and its sizes, the application manifest and the version block. Test side.
#include <vector>

#include "cases.h"
#include "dialog_template.h"
#include "e2e_support.h"
#include "expected_resources.h"

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

std::string Hex(DWORD value) {
  char text[16];
  wsprintfA(text, "0x%08lX", static_cast<unsigned long>(value));
  return text;
}

void CheckDialogTemplate(HMODULE module, const ExpectedDialog& want) {
  const std::string name = std::string(want.caption) + " (" + std::to_string(want.resourceId) + ")";
  const ResourceBytes bytes = FindBytes(module, want.resourceId, MAKEINTRESOURCEA(5));  // RT_DIALOG
  if (!Expect(bytes.data != nullptr, name + ": dialog resource present")) return;
  const std::optional<DialogTemplate> parsed = ParseDialogTemplate(bytes.data, bytes.size);
  if (!Expect(parsed.has_value(), name + ": template well formed")) return;
  const DialogTemplate& got = *parsed;

  Expect(got.extended == want.extended,
         name + (want.extended ? ": an extended template" : ": a classic template"));
  Expect(got.style == want.style, name + ": style " + Hex(got.style) + ", want " + Hex(want.style));
  ExpectEqual(static_cast<long long>(got.exStyle), 0, name + ": extended style");
  ExpectEqual(got.x, 0, name + ": x");
  ExpectEqual(got.y, 0, name + ": y");
  ExpectEqual(got.cx, want.cx, name + ": width");
  ExpectEqual(got.cy, want.cy, name + ": height");
  ExpectEqual(got.menu, "", name + ": no menu");
  ExpectEqual(got.windowClass, "", name + ": the predefined dialog class");
  ExpectEqual(got.caption, want.caption, name + ": caption");
  ExpectEqual(got.pointSize, want.pointSize, name + ": font size");
  ExpectEqual(got.face, want.face, name + ": font face");
  if (want.extended) {
    ExpectEqual(got.weight, 0, name + ": font weight");
    ExpectEqual(got.italic, 0, name + ": font not italic");
    ExpectEqual(got.charset, want.charset, name + ": font character set");
  }

  ExpectEqual(static_cast<long long>(got.controls.size()),
              static_cast<long long>(want.controls.size()), name + ": control count");
  for (std::size_t i = 0; i < got.controls.size() && i < want.controls.size(); ++i) {
    const ControlTemplate& c = got.controls[i];
    const ExpectedControl& w = want.controls[i];
    const std::string what = name + " control " + std::to_string(i + 1);
    ExpectEqual(c.windowClass, w.windowClass, what + ": class");
    ExpectEqual(c.id & 0xFFFF, w.id & 0xFFFF, what + ": id");
    ExpectEqual(c.text, w.text, what + ": text");
    Expect(c.x == w.x && c.y == w.y && c.cx == w.cx && c.cy == w.cy,
           what + ": at " + std::to_string(c.x) + ", " + std::to_string(c.y) + ", " +
               std::to_string(c.cx) + ", " + std::to_string(c.cy) + "; want " +
               std::to_string(w.x) + ", " + std::to_string(w.y) + ", " + std::to_string(w.cx) +
               ", " + std::to_string(w.cy));
    Expect(c.style == w.style, what + ": style " + Hex(c.style) + ", want " + Hex(w.style));
    Expect(c.exStyle == w.exStyle,
           what + ": extended style " + Hex(c.exStyle) + ", want " + Hex(w.exStyle));
  }
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
  // The sizes Windows picks at 100, 125 and 150 % and in Explorer's views; a width
  // byte of 0 means 256.
  std::string sizes;
  for (int i = 0; i < count && group.size >= 6 + static_cast<std::size_t>(i + 1) * 14; ++i) {
    const unsigned char* entry = bytes + 6 + i * 14;
    sizes += (sizes.empty() ? "" : " ") + std::to_string(entry[0] == 0 ? 256 : entry[0]);
  }
  ExpectEqual(sizes, "16 20 24 32 40 48 64 256", "the icon's sizes");
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

// The application manifest, resource 1 of type RT_MANIFEST, as the loader reads
// it when the process starts: Common Controls 6, no elevation, the supported
// Windows versions, system DPI awareness, and the ANSI code page left alone.
void CheckManifest(HMODULE module) {
  const ResourceBytes bytes = FindBytes(module, 1, MAKEINTRESOURCEA(24));  // RT_MANIFEST
  if (!Expect(bytes.data != nullptr, "manifest 1 present")) return;
  std::string text(static_cast<const char*>(bytes.data), bytes.size);
  std::string compact;  // without line breaks and runs of spaces
  for (char c : text) {
    if (c == '\r' || c == '\n') c = ' ';
    if (c != ' ' || compact.empty() || compact.back() != ' ') compact += c;
  }
  const char* wanted[] = {
      R"(<assemblyIdentity type="win32" name="Keyrill" version="0.80.0.0")",
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
    Expect(compact.find(want) != std::string::npos, std::string("the manifest says ") + want);
  }
  Expect(text.find("activeCodePage") == std::string::npos,
         "the manifest leaves the ANSI code page alone (no activeCodePage)");
  Expect(text.find("PerMonitor") == std::string::npos, "the manifest asks for no per-monitor DPI");
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
  for (const ExpectedDialog& dialog : ExpectedDialogs()) CheckDialogTemplate(module, dialog);
  CheckMenu(module);
  CheckAccelerators(module);
  CheckIcon(module);
  CheckManifest(module);
  FreeLibrary(module);
  CheckVersion(options.keyrillExe);
}

}  // namespace e2e
