// Where a test dialog goes: centred on the main window's outer rectangle, the
// arithmetic both platform layers place Select, Add and Edit Test by. Core side.
// Floor 3, over the core's other floors: for the platform layers and the tests.
#pragma once

#include <cstdint>

#include "program/host.h"

namespace keyrill {

struct TopLeft {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// The dialog's outer top-left corner for the owner's outer rectangle (right and
// bottom exclusive) and the dialog's outer size. Each division truncates toward
// zero, as C++'s does; the result is not kept inside the screen.
constexpr TopLeft CentredTopLeft(const Rect& owner, std::int32_t width, std::int32_t height) {
  return {(owner.left + owner.right) / 2 - width / 2, (owner.top + owner.bottom) / 2 - height / 2};
}

}  // namespace keyrill
