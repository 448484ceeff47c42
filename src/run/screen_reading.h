// What assistive technology can read off the main area: the current line's target
// and typed bytes, the caret's cell, the idle rows and the bar's last text. Core
// side, read-only: it points into the state the run already keeps, so it is valid
// only until the next key, tick or command reaches the core.
// Floor 2, over program/: for the platform layers and the tests.
#pragma once

#include <cstdint>
#include <string_view>

#include "program/program.h"

namespace keyrill {

struct ScreenReading {
  bool running = false;
  // During a run: the line being typed, as drawn (a target may end in the CR of a
  // line break of the test's own text), and its index in the run.
  std::string_view target;
  std::string_view typed;
  std::int32_t lineIndex = -1;
  // The caret's cell in client pixels at 96 DPI, right and bottom exclusive.
  Rect caretCell;
  // When idle: the prompt row and the message row (the selected name or an error).
  std::string_view prompt;
  std::string_view message;
  // The statistics bar's last drawn text, its three figures joined by two spaces;
  // empty before the first drawing.
  std::string_view bar;
};

ScreenReading ReadScreen(const Program& program);

}  // namespace keyrill
