#include "update/update_check.h"

#include <utility>

#include "common/scramble.h"
#include "dialogs/dialog_codes.h"
#include "view/confirmation_port.h"

namespace voltaro::update {

namespace {

constexpr const char* kOwnVersionText = "9.2";
constexpr const char* kVersionCaption = "Version";
constexpr const char* kVersionPath = "/vtversion.txt";
// Windows hands the installer's address to the browser, which downloads it.
// Linux has no installer to run: the browser opens the download page, where
// the packages are.
#if defined(_WIN32)
constexpr const char* kDownloadPath = "/vtsetup.exe";
#else
constexpr const char* kDownloadPath = "/download.htm";
#endif

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<int> publishedVersion(const std::string& reply) {
  if (reply.size() <= 3) return std::nullopt;
  const char tens = reply[1];
  const char units = reply[3];
  // Signs and blanks are refused too: an error page must not read as a version.
  if (!isDigit(tens) || !isDigit(units)) return std::nullopt;
  return (tens - '0') * 10 + (units - '0');
}

std::string firstLine(const std::string& reply) {
  return reply.substr(0, reply.find_first_of("\r\n"));
}

UpdateCheck::UpdateCheck(Deps deps) : deps_(std::move(deps)) {}

UpdateCheck::~UpdateCheck() {
  if (shared_) {
    shared_->abort = true;
    shared_->alive = false;
  }
  if (worker_.joinable()) worker_.join();
}

std::string UpdateCheck::versionAddress() const {
  return "http://" + deps_.webHost + kVersionPath;
}

void UpdateCheck::act19() {
  setLabel("Checking...");
  abort();
  start();
}

void UpdateCheck::abort() {
  if (requesting_ && shared_) shared_->abort = true;
}

void UpdateCheck::start() {
  if (requesting_) return;
  // Without a network there is nothing to wait for.
  if (deps_.http == nullptr) {
    HTTPGet1Error();
    return;
  }
  requesting_ = true;
  // The previous worker has posted its result already; it is ending or gone.
  if (worker_.joinable()) worker_.join();
  auto shared = std::make_shared<Shared>();
  shared_ = shared;
  const platform::HttpAddress address = platform::splitHttpAddress(versionAddress());
  worker_ = std::thread([this, shared, address, http = deps_.http, post = deps_.post] {
    std::optional<std::string> reply;
    if (!shared->abort) reply = http->get(address.host, address.path, kReplyLimit, shared->abort);
    if (shared->abort || (reply && reply->empty())) reply.reset();
    post([this, shared, reply = std::move(reply)]() mutable {
      if (shared->alive) finish(std::move(reply));
    });
  });
}

void UpdateCheck::finish(std::optional<std::string> reply) {
  requesting_ = false;
  if (reply) {
    HTTPGet1DoneString(*reply);
  } else {
    HTTPGet1Error();
  }
}

void UpdateCheck::HTTPGet1DoneString(const std::string& whole) {
  const std::string reply = firstLine(whole);
  const std::optional<int> published = publishedVersion(reply);
  if (!published) return;
  if (kOwnVersion >= *published) {
    setLabel("No new version!");
    return;
  }
  setLabel(productTitle() + " " + kOwnVersionText);
  deps_.dialog.ask(dialogs::code::kNewVersion,
                   view::ConfirmationTexts{"Confirmation",
                                           "A new version of " + productTitle() + " is available!",
                                           "Do you want to download " + reply + "?", ""},
                   view::ConfirmationMode::YesNo);
}

void UpdateCheck::HTTPGet1Error() {
  setLabel("Connection error!");
}

void UpdateCheck::downloadNewVersion() {
  deps_.shell.openFile("http://" + deps_.webHost + kDownloadPath);
  deps_.hooks.closeRequest();
}

void UpdateCheck::setLabel(const std::string& text) {
  if (deps_.hooks.homePageVisible()) deps_.texts.set(view::Page::Home, kVersionCaption, text);
}

}  // namespace voltaro::update
