// The program's state object. Core side.
#include "program/program.h"

#include <utility>

namespace keyrill {

Program::Program(Surface& surfaceIn, Host& hostIn, ClockSource& clockIn, std::string path)
    : surface(surfaceIn), host(hostIn), clockSource(clockIn), libraryPath(std::move(path)) {}

Program::~Program() {
  // A run still in progress when the window goes away: free its lines too.
  lines.FreeLinePairs();
}

}  // namespace keyrill
