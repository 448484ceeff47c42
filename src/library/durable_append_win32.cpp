// Durable append on Windows: FILE_APPEND_DATA makes each write land at the end of
// the file at that moment, one WriteFile keeps a record whole, FlushFileBuffers puts
// it on the disk. Other readers and writers are never locked out.
#include <windows.h>

#include <limits>

#include "library/durable_append.h"

namespace keyrill {

namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

bool AppendDurably(const std::string& path, const char* bytes, std::size_t count) {
  if (count > std::numeric_limits<DWORD>::max()) return false;
  FileHandle file(CreateFileA(path.c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return false;
  if (count > 0) {
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes, static_cast<DWORD>(count), &written, nullptr)) return false;
    if (written != count) return false;
  }
  return FlushFileBuffers(file.get()) != 0;
}

}  // namespace keyrill
