// Plain HTTP downloads: the update check's GET of a short text file.
//
// Backends: Win32Http (windows/, WinInet).
#pragma once

#include <atomic>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace voltaro::platform {

struct HttpAddress {
  std::string host;
  std::string path;  // from the first "/" on; "/" when the address has none
};

// Splits "http://host/path": a leading "http://" (in any case) is removed,
// the host runs up to the first "/", the path is the rest from that "/".
inline HttpAddress splitHttpAddress(std::string_view address) {
  constexpr std::string_view scheme = "http://";
  if (address.size() >= scheme.size()) {
    bool same = true;
    for (std::size_t i = 0; i < scheme.size(); ++i) {
      const char c = address[i];
      same = same && (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == scheme[i];
    }
    if (same) address.remove_prefix(scheme.size());
  }
  const auto slash = address.find('/');
  if (slash == std::string_view::npos) return {std::string(address), "/"};
  return {std::string(address.substr(0, slash)), std::string(address.substr(slash))};
}

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  // GETs `path` from `host` and returns the body, unchanged, up to its first
  // `maxBytes` bytes: reading stops there, so a reply of any size costs at
  // most that much memory. Fails (nullopt) on no connection, an empty body
  // or when `abort` becomes true while the request runs; the HTTP status is
  // not examined. Blocks: run it on a worker thread.
  virtual std::optional<std::string> get(const std::string& host, const std::string& path,
                                         std::size_t maxBytes, const std::atomic<bool>& abort) = 0;
};

}  // namespace voltaro::platform
