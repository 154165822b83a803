#include "update/update_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fakes/fake_confirmation.h"
#include "fakes/fake_http_client.h"
#include "fakes/fake_shell.h"
#include "platform/sim/virtual_runtime.h"
#include "update/program_thread_queue.h"

namespace voltaro::update {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class RecordingHooks : public UpdateHooks {
 public:
  bool homePageVisible() override { return homeVisible; }
  void closeRequest() override { ++closeRequests; }
  bool homeVisible = true;
  int closeRequests = 0;
};

class DialogAnswers : public dialogs::DialogHooks {
 public:
  void downloadNewVersion() override {
    if (check != nullptr) check->downloadNewVersion();
  }
  UpdateCheck* check = nullptr;
};

class UpdateCheckTest : public ::testing::Test {
 protected:
  void SetUp() override { answers.check = &check; }

  const std::string& label() const { return texts.get(view::Page::Home, "Version"); }

  // Runs a check through to its result on the "program's thread".
  void checkWithReply(std::optional<std::string> reply) {
    http.reply = std::move(reply);
    check.act19();
    ASSERT_TRUE(queue.runOne());
  }

  platform::sim::VirtualRuntime runtime;
  fakes::FakeConfirmation confirmation;
  fakes::FakeShell shell;
  fakes::FakeHttpClient http;
  view::ShownTexts texts;
  RecordingHooks hooks;
  DialogAnswers answers;
  dialogs::PendingDialog dialog{confirmation, runtime, answers};
  ProgramThreadQueue queue;
  UpdateCheck check{{&http, shell, dialog, texts, hooks,
                     [this](std::function<void()> event) { queue.post(std::move(event)); },
                     "127.0.0.1:8080"}};
};

TEST(PublishedVersion, TakesTheSecondAndFourthCharacters) {
  EXPECT_EQ(publishedVersion("v9.3"), 93);
  EXPECT_EQ(publishedVersion(" 9 3"), 93);
  EXPECT_EQ(publishedVersion("v1.0.7"), 10);
  EXPECT_EQ(publishedVersion("v0.9.1"), 9);
  EXPECT_EQ(publishedVersion("9.3 "), std::nullopt);
  EXPECT_EQ(publishedVersion("v93"), std::nullopt);  // three characters: ignored
  EXPECT_EQ(publishedVersion("x-x3"), std::nullopt);
  EXPECT_EQ(publishedVersion("<html>"), std::nullopt);
  EXPECT_EQ(publishedVersion(""), std::nullopt);
}

TEST_F(UpdateCheckTest, ANewerVersionAsksWhetherToDownloadIt) {
  checkWithReply(" 9 3");
  ASSERT_THAT(http.requests(), testing::SizeIs(1));
  EXPECT_EQ(http.requests()[0].host, "127.0.0.1:8080");
  EXPECT_EQ(http.requests()[0].path, "/vtversion.txt");
  EXPECT_EQ(label(), "Voltaro 9.2");
  EXPECT_EQ(dialog.code(), dialogs::code::kNewVersion);
  ASSERT_EQ(confirmation.shown.size(), 1u);
  EXPECT_EQ(confirmation.last().texts,
            (view::ConfirmationTexts{"Confirmation", "A new version of Voltaro is available!",
                                     "Do you want to download  9 3?", ""}));
  EXPECT_EQ(confirmation.last().mode, view::ConfirmationMode::YesNo);
  EXPECT_FALSE(check.requesting());
}

TEST_F(UpdateCheckTest, YesOpensTheDownloadPageAndAsksToClose) {
  checkWithReply("v9.3\r\n");
  dialog.answerYes();
  EXPECT_EQ(dialog.code(), 49);
#if defined(_WIN32)
  // Windows runs the installer itself.
  EXPECT_THAT(shell.opened, ElementsAre("http://127.0.0.1:8080/vtsetup.exe"));
#else
  EXPECT_THAT(shell.opened, ElementsAre("http://127.0.0.1:8080/download.htm"));
#endif
  EXPECT_EQ(hooks.closeRequests, 1);
}

TEST_F(UpdateCheckTest, NoChangesNothing) {
  checkWithReply("v9.9");
  dialog.answerNo();
  EXPECT_THAT(shell.opened, IsEmpty());
  EXPECT_EQ(hooks.closeRequests, 0);
  EXPECT_EQ(label(), "Voltaro 9.2");
}

TEST_F(UpdateCheckTest, TheSameOrAnOlderVersionIsNoNewVersion) {
  checkWithReply("v9.2");
  EXPECT_EQ(label(), "No new version!");
  checkWithReply("v0.9.1");  // 09
  EXPECT_EQ(label(), "No new version!");
  EXPECT_THAT(confirmation.shown, IsEmpty());
}

TEST_F(UpdateCheckTest, AnUnexpectedReplyLeavesCheckingShown) {
  checkWithReply("<html>Not Found</html>");
  EXPECT_EQ(label(), "Checking...");
  checkWithReply("v93");
  EXPECT_EQ(label(), "Checking...");
  EXPECT_THAT(confirmation.shown, IsEmpty());
}

TEST_F(UpdateCheckTest, OnlyTheFirstLineOfABoundedReplyIsUsed) {
  checkWithReply("v9.3 <h1 style='color:red'>Now</h1>\r\n<img src='/tmp/x.png'>\n" +
                 std::string(1 << 20, 'x'));
  EXPECT_EQ(http.requests().at(0).maxBytes, kReplyLimit);
  EXPECT_EQ(kReplyLimit, 65536u);
  ASSERT_EQ(confirmation.shown.size(), 1u);
  EXPECT_EQ(confirmation.last().texts.line1,
            "Do you want to download v9.3 <h1 style='color:red'>Now</h1>?");
  EXPECT_EQ(firstLine("v9.3"), "v9.3");
  EXPECT_EQ(firstLine("\nv9.3"), "");
}

TEST_F(UpdateCheckTest, AFailedOrEmptyReplyIsAConnectionError) {
  checkWithReply(std::nullopt);
  EXPECT_EQ(label(), "Connection error!");
  texts.set(view::Page::Home, "Version", "");
  checkWithReply("");
  EXPECT_EQ(label(), "Connection error!");
}

TEST_F(UpdateCheckTest, WithoutANetworkTheCheckFails) {
  UpdateCheck offline{{nullptr, shell, dialog, texts, hooks,
                       [this](std::function<void()> event) { queue.post(std::move(event)); },
                       "127.0.0.1:8080"}};
  offline.act19();
  EXPECT_EQ(label(), "Connection error!");
  EXPECT_FALSE(offline.requesting());
}

TEST_F(UpdateCheckTest, TheLabelIsOnlyWrittenWhileTheHomePageShows) {
  hooks.homeVisible = false;
  texts.set(view::Page::Home, "Version", "Voltaro 9.2");
  checkWithReply(std::nullopt);
  EXPECT_EQ(label(), "Voltaro 9.2");
  // A newer version still asks.
  checkWithReply("v9.4");
  EXPECT_EQ(label(), "Voltaro 9.2");
  EXPECT_EQ(confirmation.shown.size(), 1u);
}

TEST_F(UpdateCheckTest, ASecondPressAbortsTheFirstAndStartsNothing) {
  http.holdUntilAbort = true;
  check.act19();
  while (!http.started) std::this_thread::yield();
  check.act19();
  EXPECT_EQ(label(), "Checking...");
  ASSERT_TRUE(queue.runOne());
  EXPECT_EQ(label(), "Connection error!");
  EXPECT_EQ(http.requests().size(), 1u);
  EXPECT_EQ(queue.pending(), 0u);
  EXPECT_FALSE(check.requesting());

  // Once idle, a press starts a new request.
  http.holdUntilAbort = false;
  checkWithReply("v9.2");
  EXPECT_EQ(http.requests().size(), 2u);
  EXPECT_EQ(label(), "No new version!");
}

TEST_F(UpdateCheckTest, AResultPostedAfterTheCheckIsGoneIsDropped) {
  auto gone = std::make_unique<UpdateCheck>(UpdateCheck::Deps{
      &http, shell, dialog, texts, hooks,
      [this](std::function<void()> event) { queue.post(std::move(event)); }, "h"});
  http.reply = "v9.9";
  gone->act19();
  gone.reset();  // joins the worker; its result is queued
  ASSERT_TRUE(queue.runOne());
  EXPECT_THAT(confirmation.shown, IsEmpty());
  EXPECT_EQ(label(), "Checking...");
}

}  // namespace
}  // namespace voltaro::update
