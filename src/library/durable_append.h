// The one operating-system service the core needs that the standard library lacks:
// appending bytes with one write and forcing them to the disk. Implemented once for
// POSIX and once for Windows; everything else in the core is platform-free.
// Floor 1, over program/: for run/, app/, the platform layers and the tests.
#pragma once

#include <cstddef>
#include <limits>
#include <string>

namespace keyrill {

// A fault a test can inject at the write: the write puts down at most writeLimit
// bytes, as a full disk or a size limit would. The program never sets it.
struct AppendFault {
  std::size_t writeLimit = std::numeric_limits<std::size_t>::max();
};

// Opens path for appending (created when missing, never truncated), writes the
// bytes with one write at the end of the file, flushes them to the disk, closes.
// Appenders take turns; readers never wait for them. A write that falls short is
// taken back, so the file is as before. False on any failure: open, short write,
// flush.
bool AppendDurably(const std::string& path, const char* bytes, std::size_t count,
                   const AppendFault& fault = {});

}  // namespace keyrill
