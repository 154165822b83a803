#include "platform/windows/win32_http.h"

#include <algorithm>

#include "platform/windows/win32_headers.h"
// After windows.h.
#include <wininet.h>

namespace voltaro::platform::windows {
namespace {

constexpr DWORD kBlockSize = 1025;  // bytes per read

// Closes an Internet handle on every way out.
class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
  ~InternetHandle() {
    if (handle_ != nullptr) InternetCloseHandle(handle_);
  }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;

  explicit operator bool() const { return handle_ != nullptr; }
  HINTERNET get() const { return handle_; }

 private:
  HINTERNET handle_;
};

// The body of a sent request, at most `maxBytes` of it: what follows is left
// unread and goes with the connection. nullopt when a read fails or on abort.
std::optional<std::string> readBody(HINTERNET request, std::size_t maxBytes,
                                    const std::atomic<bool>& abort) {
  std::string body;
  DWORD length = 0;
  DWORD size = sizeof length;
  if (HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &length, &size,
                     nullptr)) {
    body.reserve(std::min<std::size_t>(length, maxBytes));  // a hint only; the reads decide
  }
  if (abort) return std::nullopt;
  char block[kBlockSize];
  while (body.size() < maxBytes) {
    const auto wanted =
        static_cast<DWORD>(std::min<std::size_t>(kBlockSize, maxBytes - body.size()));
    DWORD read = 0;
    if (!InternetReadFile(request, block, wanted, &read)) return std::nullopt;
    if (read == 0) return body;
    body.append(block, read);
    if (abort) return std::nullopt;
  }
  return body;
}

}  // namespace

Win32Http::Win32Http(std::uint16_t port) : port_(port) {}

std::optional<std::string> Win32Http::get(const std::string& host, const std::string& path,
                                          std::size_t maxBytes, const std::atomic<bool>& abort) {
  if (abort || host.empty() || maxBytes == 0) return std::nullopt;
  InternetHandle internet(
      InternetOpenA("HTTPGet", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!internet) return std::nullopt;
  InternetHandle connection(InternetConnectA(internet.get(), host.c_str(), port_, nullptr, nullptr,
                                             INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return std::nullopt;
  const char* acceptTypes[] = {"*/*", nullptr};
  InternetHandle request(HttpOpenRequestA(connection.get(), "GET", path.c_str(), "HTTP/1.0",
                                          nullptr, acceptTypes,
                                          INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0));
  if (!request) return std::nullopt;
  if (!HttpSendRequestA(request.get(), nullptr, 0, nullptr, 0)) return std::nullopt;
  if (abort) return std::nullopt;
  auto body = readBody(request.get(), maxBytes, abort);
  if (!body || body->empty()) return std::nullopt;
  return body;
}

}  // namespace voltaro::platform::windows
