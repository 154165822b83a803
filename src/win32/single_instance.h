// One copy of the program per user session: a named mutex says a copy runs;
// a later copy posts the registered activation message to every top-level
// window (the running copy's main window answers it by coming forward) and
// ends.
#pragma once

namespace voltaro::win32 {

class SingleInstance {
 public:
  SingleInstance();
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // True when this copy is the first; false when another runs (it has been
  // asked to come forward).
  bool acquire();
  // The message a later copy sends.
  static unsigned activationMessage();

 private:
  void* mutex_ = nullptr;
};

}  // namespace voltaro::win32
