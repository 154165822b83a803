// The entry of the HTTP module: the Qt Network client behind one C function.
#include <chrono>
#include <new>

#include "platform/linux_services/http_module.h"
#include "platform/linux_services/qt_http_client.h"

extern "C" __attribute__((visibility("default"))) voltaro::platform::HttpClient*
voltaro_make_http_client(long long timeoutMilliseconds) {
  if (timeoutMilliseconds <= 0) return nullptr;
  try {
    return new voltaro::platform::linux_services::QtHttpClient(
        std::chrono::milliseconds(timeoutMilliseconds));
  } catch (...) {
    return nullptr;
  }
}
