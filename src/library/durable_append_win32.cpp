// Durable append on Windows: appenders take turns on a lock, each writes its record
// with one WriteFile at the end of the file, FlushFileBuffers puts it on the disk,
// and a write that falls short is cut off again under the lock. Readers are never
// locked out and never wait.
#include <windows.h>

#include <limits>
#include <memory>

#include "library/durable_append.h"

namespace keyrill {

namespace {

// Closes the file when the append is over, on every path.
struct CloseFile {
  void operator()(HANDLE handle) const {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};
using FileHandle = std::unique_ptr<void, CloseFile>;

// Windows byte-range locks are mandatory: a locked byte cannot be read. The lock is
// therefore taken on one byte far past any real file's end, which no reader reads.
constexpr DWORD kLockOffsetHigh = 0x40000000;  // at 2^62

// The turn of one appender: held from before the end is found until after the
// record is flushed or taken back; ending it unlocks the byte.
struct EndTurn {
  HANDLE file;
  void operator()(OVERLAPPED* place) const { UnlockFileEx(file, 0, 1, 0, place); }
};

// Puts the file back to the length it had before the append.
void TakeBack(HANDLE file, LARGE_INTEGER oldEnd) {
  if (SetFilePointerEx(file, oldEnd, nullptr, FILE_BEGIN) && SetEndOfFile(file)) {
    FlushFileBuffers(file);
  }
}

}  // namespace

bool AppendDurably(const std::string& path, const char* bytes, std::size_t count,
                   const AppendFault& fault) {
  if (count > std::numeric_limits<DWORD>::max()) return false;
  // Write access (not append-only) so that a short write can be cut off again; the
  // turn makes "the end" the same for the whole append.
  FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return false;
  // Only a file on the disk keeps what is written (not a device such as NUL).
  if (GetFileType(file.get()) != FILE_TYPE_DISK) return false;
  OVERLAPPED lockPlace{};
  lockPlace.OffsetHigh = kLockOffsetHigh;
  if (!LockFileEx(file.get(), LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &lockPlace)) return false;
  const std::unique_ptr<OVERLAPPED, EndTurn> turn(&lockPlace, EndTurn{file.get()});

  LARGE_INTEGER end{};
  if (!SetFilePointerEx(file.get(), LARGE_INTEGER{}, &end, FILE_END)) return false;
  if (count > 0) {
    const auto toWrite = static_cast<DWORD>(count < fault.writeLimit ? count : fault.writeLimit);
    DWORD written = 0;
    const BOOL ok = WriteFile(file.get(), bytes, toWrite, &written, nullptr);
    if (!ok || written != count) {
      // A failed or short write may still have put part of the record down.
      TakeBack(file.get(), end);
      return false;
    }
  }
  return FlushFileBuffers(file.get()) != 0;
}

}  // namespace keyrill
