// Power notifications under wine: WM_POWERBROADCAST sent to the receiving
// window, directly and as the system's broadcast, reaches the handler as the
// program's events.
#include "platform/windows/win32_power_events.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/windows/win32_headers.h"

namespace voltaro::platform::windows {
namespace {

TEST(PowerEventCodesTest, EveryResumeAndSuspendCodeHasItsEvent) {
  EXPECT_EQ(powerEventOf(4), PowerEvent::Suspend);           // PBT_APMSUSPEND
  EXPECT_EQ(powerEventOf(5), PowerEvent::Standby);           // PBT_APMSTANDBY
  EXPECT_EQ(powerEventOf(6), PowerEvent::ResumeCritical);    // PBT_APMRESUMECRITICAL
  EXPECT_EQ(powerEventOf(7), PowerEvent::ResumeSuspend);     // PBT_APMRESUMESUSPEND
  EXPECT_EQ(powerEventOf(8), PowerEvent::ResumeStandby);     // PBT_APMRESUMESTANDBY
  EXPECT_EQ(powerEventOf(0x12), PowerEvent::ResumeSuspend);  // PBT_APMRESUMEAUTOMATIC
  EXPECT_EQ(powerEventOf(0), std::nullopt);                  // PBT_APMQUERYSUSPEND
  EXPECT_EQ(powerEventOf(10), std::nullopt);                 // PBT_APMPOWERSTATUSCHANGE
}

TEST(Win32PowerEventsTest, PowerMessagesReachTheHandlerAsEvents) {
  std::vector<PowerEvent> events;
  Win32PowerEvents receiver;
  HWND window = receiver.window();
  ASSERT_NE(window, nullptr);

  // No handler yet: the message is answered and nothing breaks.
  EXPECT_EQ(SendMessageA(window, WM_POWERBROADCAST, PBT_APMSUSPEND, 0), TRUE);

  receiver.setHandler([&](PowerEvent event) { events.push_back(event); });
  EXPECT_EQ(SendMessageA(window, WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0), TRUE)
      << "suspend is allowed";
  SendMessageA(window, WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE, 0);
  SendMessageA(window, WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
  SendMessageA(window, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
  SendMessageA(window, WM_POWERBROADCAST, PBT_APMRESUMECRITICAL, 0);
  EXPECT_EQ(events, (std::vector<PowerEvent>{PowerEvent::Suspend, PowerEvent::ResumeSuspend,
                                             PowerEvent::ResumeCritical}));

  // A second receiver shares the window class and gets its own events.
  events.clear();
  std::vector<PowerEvent> second;
  {
    Win32PowerEvents other;
    ASSERT_NE(other.window(), nullptr);
    other.setHandler([&](PowerEvent event) { second.push_back(event); });
    SendMessageA(other.window(), WM_POWERBROADCAST, PBT_APMRESUMESTANDBY, 0);
  }
  EXPECT_EQ(second, std::vector<PowerEvent>{PowerEvent::ResumeStandby});
  EXPECT_TRUE(events.empty()) << "not the first one's";
  EXPECT_EQ(IsWindow(window), TRUE);
}

TEST(Win32PowerEventsTest, TheSystemsBroadcastReachesATopLevelReceiver) {
  std::vector<PowerEvent> events;
  Win32PowerEvents receiver;
  ASSERT_NE(receiver.window(), nullptr);
  if (!receiver.receivesBroadcasts()) GTEST_SKIP() << "no top-level windows here (no display)";
  receiver.setHandler([&](PowerEvent event) { events.push_back(event); });
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(HWND_BROADCAST, WM_POWERBROADCAST, PBT_APMSTANDBY, 0, SMTO_NORMAL, 2000,
                      &answer);
  EXPECT_EQ(events, std::vector<PowerEvent>{PowerEvent::Standby});
}

TEST(Win32PowerEventsTest, TheWindowGoesWithTheReceiver) {
  HWND window = nullptr;
  {
    Win32PowerEvents receiver;
    window = receiver.window();
    ASSERT_NE(window, nullptr);
  }
  EXPECT_EQ(IsWindow(window), FALSE);
}

}  // namespace
}  // namespace voltaro::platform::windows
