// Scratch folders for checks: a new empty folder removed with its contents, and one
// made the process's working folder for its life. Test side, no platform.
#pragma once

#include <filesystem>
#include <string>

namespace keyrill::support {

// A new empty folder under the system's temporary folder, removed with its contents.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  std::string Library() const { return File("tests.tst"); }

 private:
  std::filesystem::path path_;
};

// A TempDir that is the working folder while it lives; the previous one comes back.
class WorkingDir {
 public:
  WorkingDir();
  ~WorkingDir();
  WorkingDir(const WorkingDir&) = delete;
  WorkingDir& operator=(const WorkingDir&) = delete;

  const TempDir& Dir() const { return dir_; }

 private:
  std::filesystem::path previous_;
  TempDir dir_;
};

// Makes path an empty folder: what stood there before is removed. False when the
// system refuses.
bool MakeFreshDirectory(const std::filesystem::path& path);

}  // namespace keyrill::support
