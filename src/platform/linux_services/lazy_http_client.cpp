#include "platform/linux_services/lazy_http_client.h"

#include <cstdio>

#include "platform/linux_services/http_module.h"

namespace voltaro::platform::linux_services {

LazyHttpClient::LazyHttpClient(std::vector<std::string> modulePaths,
                               std::chrono::milliseconds timeout, Report report)
    : modulePaths_(std::move(modulePaths)), timeout_(timeout), report_(std::move(report)) {
  if (!report_) {
    report_ = [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); };
  }
}

LazyHttpClient::~LazyHttpClient() = default;

void LazyHttpClient::load() {
  using MakeClient = decltype(&voltaro_make_http_client);
  std::string failure;
  if (!module_.open(modulePaths_)) {
    failure = module_.error();
  } else if (auto make = module_.function<MakeClient>(VOLTARO_MAKE_HTTP_CLIENT); make == nullptr) {
    failure = module_.error();
  } else {
    client_.reset(make(static_cast<long long>(timeout_.count())));
    if (!client_) failure = module_.path() + ": the HTTP client could not be made";
  }
  if (!failure.empty()) {
    report_("voltaro: no update check (" + failure + ")");
    return;
  }
  loaded_ = true;
}

std::optional<std::string> LazyHttpClient::get(const std::string& host, const std::string& path,
                                               std::size_t maxBytes,
                                               const std::atomic<bool>& abort) {
  std::call_once(once_, [this] { load(); });
  if (!client_) return std::nullopt;
  return client_->get(host, path, maxBytes, abort);
}

}  // namespace voltaro::platform::linux_services
