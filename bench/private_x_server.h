// A private X server for the benchmarks that need a display: Xvfb chooses its own display (other
// X servers may run on the machine) and names it on a pipe once it accepts clients.
#pragma once
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

extern char** environ;

namespace zorna::bench {

// Reads one line from a descriptor, giving up after the timeout or at the end of input.
inline std::string ReadLine(int fd, int timeout_ms) {
  std::string line;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd p{fd, POLLIN, 0};
    if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) return line;
    char c;
    if (read(fd, &c, 1) != 1 || c == '\n') return line;
    line += c;
  }
}

// A private X server that chose its own display: other X servers may run on the machine.
class XServer {
 public:
  XServer(const std::filesystem::path& log, int width, int height) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
      error_ = "pipe";
      return;
    }
    const int display_fd = dup(fds[1]);  // without close-on-exec: Xvfb writes its number here
    const std::string fd_text = std::to_string(display_fd);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    const char* argv[] = {"Xvfb", "-displayfd",   fd_text.c_str(), "-noreset", "-screen",
                          "0",    screen.c_str(), "-nolisten",     "tcp",      nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int started =
        posix_spawnp(&pid_, "Xvfb", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(display_fd);
    close(fds[1]);
    if (started == 0) display_ = ReadLine(fds[0], 30000);
    close(fds[0]);
    if (started != 0) {
      error_ = std::string("cannot start Xvfb: ") + std::strerror(started);
    } else if (display_.empty()) {
      std::ifstream in(log);
      std::ostringstream text;
      text << in.rdbuf();
      error_ = "Xvfb did not start: " + text.str();
    }
  }
  ~XServer() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  const std::string& Display() const { return display_; }
  const std::string& Error() const { return error_; }

 private:
  pid_t pid_ = 0;
  std::string display_;
  std::string error_;
};

}  // namespace zorna::bench
