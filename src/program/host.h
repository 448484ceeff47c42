// The boundary between the platform-free core and a window system.
// Core side: the core owns these interfaces; the Win32 layer, the Qt layer and the
// tests' recording fake implement them. Nothing here may grow one platform's needs.
// Floor 0: any part of the core, the platform layers and the tests may include it.
#pragma once

#include <cstdint>
#include <string>

namespace keyrill {

enum class Brush : std::uint8_t { White, Black };
enum class Font : std::uint8_t { Text, Stats };
// The fonts' heights in pixels, asked of each surface's fixed-pitch bold face.
inline constexpr std::int32_t kTextFontHeight = 24;
inline constexpr std::int32_t kStatsFontHeight = 16;

struct Extent {
  std::int32_t cx = 0;
  std::int32_t cy = 0;
};

// Right and bottom are exclusive, as the window system's invalid rectangles are.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The six figures of the Report, already formatted by the core.
struct ReportTexts {
  std::string wordsPerMinute;
  std::string wordsInTest;
  std::string wordsTyped;
  std::string timeTaken;
  std::string characters;
  std::string errors;
};

// The back buffer: everything the main window shows is drawn here first.
// Which brush is "selected" is core state (the backspace erase relies on it), so a
// fill always names its brush. One font is current: the last that UseFont chose.
class Surface {
 public:
  virtual ~Surface() = default;
  // Fills (left, top, width, height) with the brush.
  virtual void Fill(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                    Brush brush) = 0;
  // Makes font the one DrawBytes and MeasureBytes use, and returns the one it
  // displaces. How a platform makes and keeps its fonts is its own affair.
  virtual Font UseFont(Font font) = 0;
  // Draws count bytes at (x, y) in the selected font: black on opaque white cells,
  // each byte shown as ShapeOfByte (program/cell_shape.h) says.
  virtual void DrawBytes(std::int32_t x, std::int32_t y, const char* bytes, std::int32_t count) = 0;
  // The extent of count bytes in the selected font.
  virtual Extent MeasureBytes(const char* bytes, std::int32_t count) = 0;
};

// The main window's services.
class Host {
 public:
  virtual ~Host() = default;
  virtual void Invalidate(const Rect& rect, bool erase) = 0;
  virtual void InvalidateAll(bool erase) = 0;
  virtual void StartTimer(int id, int periodMs) = 0;
  virtual void StopTimer(int id) = 0;
  // Ends the program the way closing the window does.
  virtual void CloseMainWindow() = 0;
  // The modal dialogs; each returns when its dialog has closed.
  virtual void ShowSelectTest() = 0;
  virtual void ShowAddTest() = 0;
  virtual void ShowEditTest() = 0;
  virtual void ShowReport(const ReportTexts& texts) = 0;
  // Shows a message box captioned "Error" and ends the process with status 1.
  // A test's fake records it and returns; the core then abandons the operation.
  virtual void FatalError(const char* text) = 0;
};

}  // namespace keyrill
