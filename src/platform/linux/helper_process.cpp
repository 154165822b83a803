#include "platform/linux/helper_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

extern char** environ;

namespace voltaro::platform {

namespace {
constexpr std::size_t kMostOutput = 4096;
constexpr useconds_t kEndPollMicroseconds = 2000;

// The pipe's ends, closed on every way out.
struct Pipe {
  int ends[2] = {-1, -1};
  ~Pipe() {
    for (const int end : ends) {
      if (end >= 0) ::close(end);
    }
  }
};

enum class Readiness { Ready, TimedOut, Interrupted, Failed };

// Waits until `handle` is ready for `events` or `deadline` has come.
Readiness waitFor(int handle, short events, std::chrono::steady_clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      deadline - std::chrono::steady_clock::now());
  if (left.count() <= 0) return Readiness::TimedOut;
  pollfd watch{handle, events, 0};
  const int ready = ::poll(&watch, 1, static_cast<int>(left.count()));
  if (ready < 0) return errno == EINTR ? Readiness::Interrupted : Readiness::Failed;
  return ready == 0 ? Readiness::TimedOut : Readiness::Ready;
}

// Hands `input` to the helper through a socket (so a helper that ends early
// raises no SIGPIPE here) and closes it. False when the deadline came first;
// a helper that stopped reading is left to tell by its status.
bool writeAll(int to, std::string_view input, std::chrono::steady_clock::time_point deadline) {
  while (!input.empty()) {
    const Readiness ready = waitFor(to, POLLOUT, deadline);
    if (ready == Readiness::Interrupted) continue;
    if (ready == Readiness::TimedOut) return false;
    const ssize_t count = ::send(to, input.data(), input.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (count < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (count < 0) return true;
    input.remove_prefix(static_cast<std::size_t>(count));
  }
  return true;
}

// Reads what the helper prints until it closes its output or `deadline`.
// False when the deadline came first.
bool readUntilClosed(int from, std::chrono::steady_clock::time_point deadline,
                     std::string& output) {
  char buffer[512];
  for (;;) {
    const Readiness ready = waitFor(from, POLLIN, deadline);
    if (ready == Readiness::Interrupted) continue;
    if (ready == Readiness::TimedOut) return false;
    if (ready == Readiness::Failed) return true;  // nothing more can be read
    const ssize_t count = ::read(from, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return true;
    if (output.size() < kMostOutput) {
      output.append(buffer, std::min(static_cast<std::size_t>(count), kMostOutput - output.size()));
    }
  }
}
}  // namespace

std::optional<std::string> runHelper(const std::vector<std::string>& command,
                                     std::chrono::milliseconds limit, std::string_view input) {
  if (command.empty()) return std::nullopt;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  Pipe pipe;
  Pipe feed;  // a socket pair: [0] is the helper's standard input
  if (::pipe2(pipe.ends, O_CLOEXEC) != 0) return std::nullopt;
  if (!input.empty() && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, feed.ends) != 0) {
    return std::nullopt;
  }
  posix_spawn_file_actions_t actions;
  if (posix_spawn_file_actions_init(&actions) != 0) return std::nullopt;
  if (input.empty()) {
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  } else {
    posix_spawn_file_actions_adddup2(&actions, feed.ends[0], STDIN_FILENO);
  }
  posix_spawn_file_actions_adddup2(&actions, pipe.ends[1], STDOUT_FILENO);
  std::vector<char*> arguments;
  for (const std::string& word : command) arguments.push_back(const_cast<char*>(word.c_str()));
  arguments.push_back(nullptr);
  pid_t child = -1;
  const int started =
      posix_spawn(&child, command[0].c_str(), &actions, nullptr, arguments.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (started != 0) return std::nullopt;
  ::close(pipe.ends[1]);
  pipe.ends[1] = -1;

  bool ended = true;
  if (!input.empty()) {
    ::close(feed.ends[0]);
    feed.ends[0] = -1;
    ended = writeAll(feed.ends[1], input, deadline);
    ::close(feed.ends[1]);
    feed.ends[1] = -1;
  }
  std::string output;
  ended = ended && readUntilClosed(pipe.ends[0], deadline, output);
  // Its output is closed; it should end at once, but never wait past the
  // deadline for it.
  int status = 0;
  while (ended) {
    const pid_t done = ::waitpid(child, &status, WNOHANG);
    if (done == child) break;
    if (done < 0 && errno != EINTR) return std::nullopt;
    if (std::chrono::steady_clock::now() >= deadline) ended = false;
    if (ended) ::usleep(kEndPollMicroseconds);
  }
  if (!ended) {
    ::kill(child, SIGKILL);
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return std::nullopt;
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return output;
}

}  // namespace voltaro::platform
