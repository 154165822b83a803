// A shared module loaded on first use: the first folder that holds the file
// wins, its symbols are looked up by name, and every failure leaves a text
// that says what was tried and what went wrong. The module stays mapped for
// the rest of the process, so objects it made may outlive this handle.
#pragma once

#include <string>
#include <vector>

namespace voltaro::platform {

class LoadableModule {
 public:
  LoadableModule() = default;
  ~LoadableModule();
  LoadableModule(const LoadableModule&) = delete;
  LoadableModule& operator=(const LoadableModule&) = delete;

  // Tries each path in turn until one loads; false when none did, with
  // error() naming the paths and the loader's answer for each.
  bool open(const std::vector<std::string>& paths);
  bool isOpen() const { return handle_ != nullptr; }
  // The path that loaded; empty before.
  const std::string& path() const { return path_; }

  // The address of `name` in the loaded module; nullptr (and error() set)
  // when there is no module or no such symbol.
  void* symbol(const char* name);
  // A function of the module by name, as `Function` (a function pointer).
  template <typename Function>
  Function function(const char* name) {
    return reinterpret_cast<Function>(symbol(name));
  }

  const std::string& error() const { return error_; }

 private:
  void* handle_ = nullptr;
  std::string path_;
  std::string error_;
};

}  // namespace voltaro::platform
