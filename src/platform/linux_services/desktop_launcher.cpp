#include "platform/linux_services/desktop_launcher.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

namespace voltaro::platform::linux_services {

namespace {

struct GFree {
  void operator()(void* p) const { g_free(p); }
};
struct GStrvFree {
  void operator()(gchar** p) const { g_strfreev(p); }
};
struct GObjectUnref {
  void operator()(void* p) const { g_object_unref(p); }
};
using Text = std::unique_ptr<gchar, GFree>;

// Takes a GError's message and frees it.
std::string take(GError* error) {
  if (error == nullptr) return "unknown error";
  std::string message = error->message;
  g_error_free(error);
  return message;
}

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool isExecutableFile(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec) && access(path.c_str(), X_OK) == 0;
}

// The program of a command line: a path with a slash as it is, a bare name
// looked up in PATH; empty when it names no executable.
std::string resolveProgram(const char* name) {
  if (std::string(name).find('/') != std::string::npos) {
    return isExecutableFile(name) ? name : "";
  }
  const Text found(g_find_program_in_path(name));
  return found ? found.get() : "";
}

LaunchOutcome spawn(gchar** argv, const std::string& program) {
  LaunchOutcome outcome{false, LaunchWay::Program, ""};
  g_free(argv[0]);
  argv[0] = g_strdup(program.c_str());
  GError* error = nullptr;
  // Without a process id asked for, GLib lets an intermediate process reap
  // the child: no zombie is left behind while the program runs on.
  outcome.started = g_spawn_async(nullptr, argv, nullptr, G_SPAWN_DEFAULT, nullptr, nullptr,
                                  nullptr, &error) != FALSE;
  if (!outcome.started) outcome.error = take(error);
  return outcome;
}

LaunchOutcome launchDesktopEntry(const std::string& path) {
  LaunchOutcome outcome{false, LaunchWay::DesktopEntry, ""};
  const std::unique_ptr<GDesktopAppInfo, GObjectUnref> entry(
      g_desktop_app_info_new_from_filename(path.c_str()));
  if (!entry) {
    outcome.error = "not a valid desktop entry";
    return outcome;
  }
  GError* error = nullptr;
  outcome.started = g_app_info_launch(G_APP_INFO(entry.get()), nullptr, nullptr, &error) != FALSE;
  if (!outcome.started) outcome.error = take(error);
  return outcome;
}

LaunchOutcome openWithDefaultHandler(const std::string& target) {
  LaunchOutcome outcome{false, LaunchWay::DefaultHandler, ""};
  Text uri(g_uri_peek_scheme(target.c_str()) != nullptr ? g_strdup(target.c_str()) : nullptr);
  if (!uri) {
    std::error_code ec;
    if (!std::filesystem::exists(target, ec)) {
      outcome.error = "no such file or program";
      return outcome;
    }
    const std::unique_ptr<GFile, GObjectUnref> file(g_file_new_for_path(target.c_str()));
    uri.reset(g_file_get_uri(file.get()));
  }
  GError* error = nullptr;
  outcome.started = g_app_info_launch_default_for_uri(uri.get(), nullptr, &error) != FALSE;
  if (!outcome.started) outcome.error = take(error);
  return outcome;
}

}  // namespace

LaunchOutcome launchUserProgram(const std::string& line) {
  const std::string target = trimmed(line);
  if (target.empty()) return {false, LaunchWay::Program, "nothing to launch"};
  // A path with blanks in it is one file, not a command line.
  std::error_code ec;
  if (std::filesystem::is_regular_file(target, ec)) {
    if (target.ends_with(".desktop")) return launchDesktopEntry(target);
    if (access(target.c_str(), X_OK) != 0) return openWithDefaultHandler(target);
    gchar* single[] = {g_strdup(target.c_str()), nullptr};
    const LaunchOutcome outcome = spawn(single, target);
    g_free(single[0]);
    return outcome;
  }
  gchar** parsed = nullptr;
  if (g_shell_parse_argv(target.c_str(), nullptr, &parsed, nullptr) != FALSE) {
    const std::unique_ptr<gchar*, GStrvFree> argv(parsed);
    const std::string program = resolveProgram(argv.get()[0]);
    if (!program.empty()) return spawn(argv.get(), program);
  }
  return openWithDefaultHandler(target);
}

}  // namespace voltaro::platform::linux_services
