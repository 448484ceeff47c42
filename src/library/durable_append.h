// The one operating-system service the core needs that the standard library lacks:
// appending bytes with one write and forcing them to the disk. Implemented once for
// POSIX and once for Windows; everything else in the core is platform-free.
// Floor 1, over program/: for run/, app/, the platform layers and the tests.
#pragma once

#include <cstddef>
#include <string>

namespace keyrill {

// Opens path for appending (created when missing, never truncated), writes the
// bytes with one write at the end of the file, flushes them to the disk, closes.
// False on any failure: open, short write, flush.
bool AppendDurably(const std::string& path, const char* bytes, std::size_t count);

}  // namespace keyrill
