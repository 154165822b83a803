// voltaroctl: the command-line front end of the Voltaro engine. It links no
// Qt; the commands that need it (history, graph, plans, brightness) run in
// voltaroctl-desktop, which it starts in its own place.
#include <iostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "commands.h"

#ifdef VOLTARO_HAVE_DESKTOP_COMMANDS
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#endif

namespace {

#ifdef VOLTARO_HAVE_DESKTOP_COMMANDS
constexpr const char* kDesktopProgram = "voltaroctl-desktop";

// voltaroctl-desktop beside this program (the build tree), or in its
// folder under libexec (installed).
std::filesystem::path desktopProgram() {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path folder = fs::read_symlink("/proc/self/exe", ec).parent_path();
  for (const fs::path& candidate :
       {folder / kDesktopProgram, folder / VOLTARO_DESKTOP_FOLDER / kDesktopProgram}) {
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return folder / VOLTARO_DESKTOP_FOLDER / kDesktopProgram;
}

// Replaces this process with voltaroctl-desktop running `words`.
int runDesktopCommand(const std::vector<std::string>& words) {
  const std::string program = desktopProgram().string();
  std::vector<char*> argv;
  std::string name = "voltaroctl";
  argv.push_back(name.data());
  std::vector<std::string> copies(words);
  for (std::string& word : copies) argv.push_back(word.data());
  argv.push_back(nullptr);
  std::cout.flush();
  ::execv(program.c_str(), argv.data());
  std::cerr << "voltaroctl " << words.front() << ": cannot start " << program << ": "
            << std::strerror(errno) << "\n";
  return voltaro::tools::kExitFailed;
}
#endif

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv + 1, argv + argc);
#ifdef VOLTARO_HAVE_DESKTOP_COMMANDS
  return voltaro::tools::runCommandLine(voltaro::tools::commands(), words, std::cout, std::cerr,
                                        runDesktopCommand);
#else
  return voltaro::tools::runCommandLine(voltaro::tools::commands(), words, std::cout, std::cerr);
#endif
}
