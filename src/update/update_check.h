// The check for a newer version: a worker thread fetches "/vtversion.txt"
// from the web host, and the reply, delivered back on the program's thread,
// either updates the Home page's version label or asks whether to download.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "dialogs/pending_dialog.h"
#include "platform/network.h"
#include "platform/shell.h"
#include "update/update_hooks.h"
#include "view/shown_texts.h"

namespace voltaro::update {

// Runs a function later on the program's thread.
using PostToProgramThread = std::function<void(std::function<void()>)>;

// The own version, 9.2, as the integer its two digits make.
inline constexpr int kOwnVersion = 92;

// The most of a reply that is read. A version number and a line of text
// take a few bytes; whoever answers plain HTTP on the way may send anything.
inline constexpr std::size_t kReplyLimit = 64 * 1024;

// The reply's first line: everything before its first line break.
std::string firstLine(const std::string& reply);

// The published version of a reply: its 2nd and 4th characters taken as a
// two-digit number. Nothing for a reply of 3 characters or fewer, or when
// those characters are not both digits.
std::optional<int> publishedVersion(const std::string& reply);

class UpdateCheck {
 public:
  struct Deps {
    // nullptr: no network, every check reports a connection error at once.
    platform::HttpClient* http;
    platform::Shell& shell;
    dialogs::PendingDialog& dialog;
    view::ShownTexts& texts;
    UpdateHooks& hooks;
    PostToProgramThread post;
    std::string webHost;  // host, or host:port
  };

  explicit UpdateCheck(Deps deps);
  // Aborts a running request and waits for its thread.
  ~UpdateCheck();
  UpdateCheck(const UpdateCheck&) = delete;
  UpdateCheck& operator=(const UpdateCheck&) = delete;

  // "Check for New Version": label "Checking...", abort the running request,
  // then start one (which does nothing while the aborted one has not ended).
  void act19();
  // The request's results, on the program's thread. Only the reply's first
  // line is looked at and shown.
  void HTTPGet1DoneString(const std::string& whole);
  void HTTPGet1Error();
  // YES to the download question.
  void downloadNewVersion();

  bool requesting() const { return requesting_; }
  const std::string& webHost() const { return deps_.webHost; }
  std::string versionAddress() const;

 private:
  void start();
  void abort();
  void setLabel(const std::string& text);
  void finish(std::optional<std::string> reply);

  Deps deps_;
  // Shared with the worker: its abort flag, and whether this object still
  // exists when a posted result runs.
  struct Shared {
    std::atomic<bool> abort{false};
    bool alive = true;
  };
  std::shared_ptr<Shared> shared_;
  std::thread worker_;
  bool requesting_ = false;
};

}  // namespace voltaro::update
