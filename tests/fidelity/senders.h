// The argument lists of the programs that press the keys from outside: xdotool on
// X (one chain of key and sleep commands), wtype on Wayland (-k keys, -s sleeps),
// and an xdotool chain that sweeps the pointer over a window. Test side.
#pragma once

#include <QStringList>
#include <vector>

#include "typist.h"

namespace keyrill::fidelity {

QStringList XdotoolKeys(const std::vector<Key>& keys);
QStringList WtypeKeys(const std::vector<Key>& keys);
// Back and forth across the window's typing area for about durationMs.
QStringList XdotoolPointerSweep(unsigned long window, int durationMs);

// How long the keys take to send, pauses only.
int DurationMs(const std::vector<Key>& keys);

}  // namespace keyrill::fidelity
