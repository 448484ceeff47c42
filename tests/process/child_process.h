// Starting this same test program again as a child with its own arguments, and
// waiting for its exit status: fork-free, so that it works alike on POSIX and on
// Windows (under Wine too). Test side.
#pragma once

#include <string>
#include <vector>

namespace keyrill::process {

// A running child; the destructor waits for it when nobody did.
class ChildProcess {
 public:
  // Starts this program with the arguments after argv[0].
  explicit ChildProcess(const std::vector<std::string>& arguments);
  ~ChildProcess();
  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ChildProcess& operator=(ChildProcess&&) = delete;

  bool Started() const;
  // The exit status; -1 when the child could not be started or waited for.
  int Wait();

 private:
  long long handle_ = -1;  // a pid on POSIX, a process HANDLE on Windows
  int status_ = -1;
  bool waited_ = false;
};

// A pause between two steps of a child, in milliseconds.
void SleepMs(int ms);

// Role dispatch of the test program's main: a child started by ChildProcess runs
// the role named by its first argument and never reaches the test runner.
using Role = int (*)(const std::vector<std::string>& arguments);
void RegisterRole(const char* name, Role role);

}  // namespace keyrill::process
