// Fuzzes the reply of the update check: the input is what the web host sends
// back, fetched on the check's worker thread, handed to the program's thread
// and answered YES when it asks to download.
//
// Properties: the check always ends with a result; the version label shows
// one of its own texts; a question holds the reply's first line only, never
// a line break; and what YES opens is the download page of the configured
// web host, whatever the reply says.
#include <cstddef>
#include <cstdint>
#include <string>

#include "dialogs/dialog_hooks.h"
#include "dialogs/pending_dialog.h"
#include "fakes/fake_confirmation.h"
#include "fakes/fake_http_client.h"
#include "fakes/fake_shell.h"
#include "fuzz_check.h"
#include "platform/sim/virtual_runtime.h"
#include "update/program_thread_queue.h"
#include "update/update_check.h"

namespace {

using namespace voltaro;

class HomePageShown : public update::UpdateHooks {
 public:
  bool homePageVisible() override { return true; }
};

class DownloadAnswer : public dialogs::DialogHooks {
 public:
  void downloadNewVersion() override { check->downloadNewVersion(); }
  update::UpdateCheck* check = nullptr;
};

constexpr const char* kWebHost = "127.0.0.1:8080";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  platform::sim::VirtualRuntime runtime;
  fakes::FakeConfirmation confirmation;
  fakes::FakeShell shell;
  fakes::FakeHttpClient http;
  view::ShownTexts texts;
  HomePageShown hooks;
  DownloadAnswer answers;
  dialogs::PendingDialog dialog{confirmation, runtime, answers};
  update::ProgramThreadQueue queue;
  update::UpdateCheck check{
      {&http, shell, dialog, texts, hooks,
       [&queue](std::function<void()> event) { queue.post(std::move(event)); }, kWebHost}};
  answers.check = &check;

  http.reply = std::string(reinterpret_cast<const char*>(data), size);
  check.act19();
  FUZZ_CHECK(queue.runOne());
  FUZZ_CHECK(!check.requesting());

  const std::string& label = texts.get(view::Page::Home, "Version");
  FUZZ_CHECK(label == "Checking..." || label == "Connection error!" || label == "No new version!" ||
             label.ends_with(" 9.2"));
  if (confirmation.shown.empty()) return 0;
  const auto& question = confirmation.last().texts;
  FUZZ_CHECK(question.line1.find_first_of("\r\n") == std::string::npos);
  dialog.answerYes();
  FUZZ_CHECK(shell.opened.size() == 1);
  FUZZ_CHECK(shell.opened[0].starts_with(std::string("http://") + kWebHost + "/"));
  FUZZ_CHECK(shell.opened[0].find_first_of("\r\n ") == std::string::npos);
  return 0;
}
