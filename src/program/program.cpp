// The program's state object. Core side.
#include "program/program.h"

#include <utility>

namespace keyrill {

Program::Program(Surface& surfaceIn, Host& hostIn, ClockSource& clockIn, const CodePage& codePageIn,
                 std::string path)
    : surface(surfaceIn),
      host(hostIn),
      clockSource(clockIn),
      codePage(codePageIn),
      libraryPath(std::move(path)) {}

Program::~Program() {
  // A run still in progress when the window goes away: free its lines too.
  lines.FreeLinePairs();
}

}  // namespace keyrill
