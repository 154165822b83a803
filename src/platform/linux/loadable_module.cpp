#include "platform/linux/loadable_module.h"

#include <dlfcn.h>

namespace voltaro::platform {

namespace {
std::string loaderError(const std::string& fallback) {
  const char* text = dlerror();
  return text != nullptr ? std::string(text) : fallback;
}
}  // namespace

LoadableModule::~LoadableModule() {
  // RTLD_NODELETE keeps the code mapped: this only gives the handle back.
  if (handle_ != nullptr) dlclose(handle_);
}

bool LoadableModule::open(const std::vector<std::string>& paths) {
  if (handle_ != nullptr) return true;
  error_.clear();
  for (const std::string& candidate : paths) {
    // Every symbol is resolved now, so a module built against another
    // library version fails here rather than at its first call.
    handle_ = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (handle_ != nullptr) {
      path_ = candidate;
      error_.clear();
      return true;
    }
    if (!error_.empty()) error_ += "; ";
    error_ += loaderError(candidate + ": not loaded");
  }
  if (paths.empty()) error_ = "no place to look for the module";
  return false;
}

void* LoadableModule::symbol(const char* name) {
  if (handle_ == nullptr) {
    if (error_.empty()) error_ = "no module loaded";
    return nullptr;
  }
  dlerror();  // a symbol may be null itself: only a set error means failure
  void* address = dlsym(handle_, name);
  if (address == nullptr) error_ = loaderError(path_ + ": no symbol " + name);
  return address;
}

}  // namespace voltaro::platform
