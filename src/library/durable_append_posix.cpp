// Durable append on POSIX: O_APPEND makes each write land at the end of the file
// at that moment, one write keeps a record whole, fsync puts it on the disk. A write
// that stops short (disk full, size limit) is taken back, so no torn record stays.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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

bool AppendDurably(const std::string& path, const char* bytes, std::size_t count,
                   const AppendFault& fault) {
  FileDescriptor file(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666));
  if (file.get() < 0) return false;
  // Appenders take turns on an advisory lock (readers never wait for it), so that a
  // short write can be cut off again without cutting another program's record.
  // Where locks are not supported the append goes ahead unlocked.
  const bool locked = ::flock(file.get(), LOCK_EX) == 0;
  if (count > 0) {
    ssize_t written;
    do {
      written = ::write(file.get(), bytes, count < fault.writeLimit ? count : fault.writeLimit);
    } while (written < 0 && errno == EINTR);
    if (written < 0) return false;
    if (static_cast<std::size_t>(written) != count) {
      // A short write is not continued (the rest could land behind someone else's
      // record); its part is removed if nothing has been appended behind it.
      const off_t end = ::lseek(file.get(), 0, SEEK_CUR);
      struct stat status {};
      if (written > 0 && locked && end >= written && ::fstat(file.get(), &status) == 0 &&
          status.st_size == end) {
        if (::ftruncate(file.get(), end - written) == 0) ::fsync(file.get());
      }
      return false;
    }
  }
  if (::fsync(file.get()) != 0) return false;
  return file.Close();
}

}  // namespace keyrill
