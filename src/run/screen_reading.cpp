// Reads the main area for assistive technology from the state the run keeps; draws
// and changes nothing. Core side.
#include "run/screen_reading.h"

#include "run/screen.h"

namespace keyrill {

ScreenReading ReadScreen(const Program& program) {
  ScreenReading reading;
  const Layout& layout = program.layout;
  reading.caretCell = Rect{program.CaretX, program.CaretY, program.CaretX + layout.CharWidth,
                           program.CaretY + layout.CharHeight};
  reading.bar = program.barText.data();
  reading.running = program.TestRunning;
  const LineNode* node = program.lines.Cursor();
  if (program.TestRunning && node->item != nullptr) {
    reading.target = node->item->target.get();
    reading.typed = node->item->typed.get();
    reading.lineIndex = program.lines.Index();
    return reading;
  }
  reading.prompt = program.SelectedTest[0] != '\0' ? kPromptSelected : kPromptNone;
  reading.message = program.shownMessage.data();
  return reading;
}

}  // namespace keyrill
