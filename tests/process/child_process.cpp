// Child processes of the multi-process checks, on POSIX (posix_spawn of the running
// program) and on Windows (CreateProcess of the same .exe). Test side.
#include "child_process.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
extern char** environ;
#endif

namespace keyrill::process {

namespace {

constexpr const char* kChildFlag = "--child";

std::map<std::string, Role>& Roles() {
  static std::map<std::string, Role> roles;
  return roles;
}

#ifdef _WIN32
// One argument as the C runtime splits a command line again.
std::string Quote(const std::string& argument) {
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  return quoted + "\"";
}
#endif

}  // namespace

void RegisterRole(const char* name, Role role) {
  Roles()[name] = role;
}

ChildProcess::ChildProcess(const std::vector<std::string>& arguments) {
#ifdef _WIN32
  char self[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
  if (length == 0 || length >= sizeof self) return;
  std::string commandLine = Quote(self) + " " + kChildFlag;
  for (const std::string& argument : arguments) commandLine += " " + Quote(argument);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return;
  }
  CloseHandle(info.hThread);
  handle_ = reinterpret_cast<long long>(info.hProcess);
#else
  std::vector<std::string> all = {"/proc/self/exe", kChildFlag};
  all.insert(all.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& argument : all) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, "/proc/self/exe", nullptr, nullptr, argv.data(), environ) != 0) return;
  handle_ = pid;
#endif
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)),
      status_(other.status_),
      waited_(std::exchange(other.waited_, true)) {}

ChildProcess::~ChildProcess() {
  Wait();
}

bool ChildProcess::Started() const {
  return handle_ != -1;
}

int ChildProcess::Wait() {
  if (waited_ || handle_ == -1) return status_;
  waited_ = true;
#ifdef _WIN32
  const auto process = reinterpret_cast<HANDLE>(handle_);
  DWORD code = 0;
  if (WaitForSingleObject(process, INFINITE) == WAIT_OBJECT_0 &&
      GetExitCodeProcess(process, &code)) {
    status_ = static_cast<int>(code);
  }
  CloseHandle(process);
#else
  int status = 0;
  if (waitpid(static_cast<pid_t>(handle_), &status, 0) == handle_) {
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
#endif
  return status_;
}

void SleepMs(int ms) {
#ifdef _WIN32
  Sleep(static_cast<DWORD>(ms));
#else
  const timespec pause{ms / 1000, (ms % 1000) * 1000000L};
  nanosleep(&pause, nullptr);
#endif
}

}  // namespace keyrill::process

// The test program's entry: a role when started as a child, the tests otherwise.
int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], keyrill::process::kChildFlag) == 0) {
    const auto& roles = keyrill::process::Roles();
    const auto role = roles.find(argv[2]);
    if (role == roles.end()) return 2;
    return role->second(std::vector<std::string>(argv + 3, argv + argc));
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
