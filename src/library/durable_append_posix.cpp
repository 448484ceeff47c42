// Durable append on POSIX: O_APPEND makes each write land at the end of the file
// at that moment, one write keeps a record whole, fsync puts it on the disk.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "library/durable_append.h"

namespace keyrill {

namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closing can report a failed write-back; it counts as a failure of the append.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

}  // namespace

bool AppendDurably(const std::string& path, const char* bytes, std::size_t count) {
  FileDescriptor file(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666));
  if (file.get() < 0) return false;
  if (count > 0) {
    ssize_t written;
    do {
      written = ::write(file.get(), bytes, count);
    } while (written < 0 && errno == EINTR);
    // A short write would let another writer's record land inside this one, so it
    // is not continued: it is a failure.
    if (written < 0 || static_cast<std::size_t>(written) != count) return false;
  }
  if (::fsync(file.get()) != 0) return false;
  return file.Close();
}

}  // namespace keyrill
