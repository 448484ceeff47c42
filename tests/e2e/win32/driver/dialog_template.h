// Reads a compiled dialog template (classic DLGTEMPLATE or DLGTEMPLATEEX) back into
// plain values, so a test can hold it against the tables it must match. Test side.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct ControlTemplate {
  std::string windowClass;  // predefined classes by name: "Button", "Edit", "Static", "ListBox"
  int id = 0;               // -1 for a static without id
  std::string text;
  int x = 0, y = 0, cx = 0, cy = 0;
  DWORD style = 0;
  DWORD exStyle = 0;
};

struct DialogTemplate {
  bool extended = false;
  DWORD style = 0;
  DWORD exStyle = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  std::string menu;
  std::string windowClass;
  std::string caption;
  int pointSize = 0;
  int weight = 0;   // extended templates only
  int italic = 0;   // extended templates only
  int charset = 0;  // extended templates only
  std::string face;
  std::vector<ControlTemplate> controls;
};

// Nothing when the bytes are not a well-formed template.
std::optional<DialogTemplate> ParseDialogTemplate(const void* bytes, std::size_t size);

}  // namespace e2e
