// The main area's layout and drawing: metrics measured once, the idle screen's two
// rows, a page of line blocks, the cursor cell and repaint marking. Core side.
// Floor 2, over results/, library/ and program/: for app/, the platforms and the tests.
#pragma once

#include <cstdint>

#include "program/program.h"

namespace keyrill {

inline constexpr std::int32_t kMargin = 12;   // every row starts here
inline constexpr std::int32_t kPageTop = 32;  // the band above belongs to the statistics bar
// The height the page cannot use: its rows start above ClientHeight less this
// (UsableHeight).
inline constexpr std::int32_t kReservedHeight = 44;

inline constexpr const char* kPromptSelected = "Press enter to begin the test...";
inline constexpr const char* kPromptNone = "Please select a test to begin...";
inline constexpr const char* kNoTestSelected = "Error: No test selected";
inline constexpr const char* kNoTextInTest = "Error: No text in test";

// Fixes the metrics from the client size and the measured "@" in the text font,
// makes the loader's scratch buffers, and draws the idle screen.
void MeasureLayout(Program& program, std::int32_t clientWidth, std::int32_t clientHeight);
void ClearScreen(Program& program);
void DrawPrompt(Program& program);
void DrawMessage(Program& program, const char* text);
void ShowIdle(Program& program);
void RenderPage(Program& program);
void DrawCursor(Program& program);
void InvalidateArea(Program& program, std::int32_t left, std::int32_t top, std::int32_t right,
                    std::int32_t bottom, bool erase);
// Fills with the back buffer's selected brush.
void FillSelected(Program& program, std::int32_t left, std::int32_t top, std::int32_t width,
                  std::int32_t height);

}  // namespace keyrill
