#include "history/history_controller.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_audio.h"
#include "settings/app_settings.h"

namespace voltaro::history {
namespace {

using platform::Clip;

struct RecordingGraph : GraphPort {
  void drawAxes() override { calls.push_back("axes"); }
  void redraw() override { calls.push_back("redraw"); }
  std::vector<std::string> calls;
};

// A busy flag that a simulated tick clears while the command waits.
struct TickHooks : HistoryHooks {
  bool busy() const override { return busyFlag; }
  void waitidle(int rounds) override {
    waits.push_back(rounds);
    if (duringWait) duringWait();
    busyFlag = false;
  }
  bool busyFlag = false;
  std::vector<int> waits;
  std::function<void()> duringWait;
};

class HistoryCommandsTest : public ::testing::Test {
 protected:
  ChargeHistory history;
  RecordingGraph graph;
  TickHooks hooks;
  fakes::FakeAudio audio;
  settings::AppSettings settings;
  HistoryController controller{history, graph, hooks, audio, settings};

  using View = std::pair<int, int>;
  View view() const { return {history.zoom(), history.origin()}; }
};

TEST_F(HistoryCommandsTest, ZoomOutWalksToSixteenHoursAtEachNewestOrigin) {
  const std::vector<View> expected = {{8, 15}, {4, 13}, {2, 9}, {1, 1}};
  for (const View& next : expected) {
    graph.calls.clear();
    EXPECT_TRUE(controller.zoomOut());
    EXPECT_EQ(view(), next);
    EXPECT_EQ(graph.calls, (std::vector<std::string>{"axes", "redraw"}));
  }
  graph.calls.clear();
  EXPECT_FALSE(controller.zoomOut());
  EXPECT_EQ(view(), View(1, 1));
  EXPECT_TRUE(graph.calls.empty());
  EXPECT_TRUE(audio.played.empty());  // the zoom limits are silent
}

TEST_F(HistoryCommandsTest, ZoomInFromAnOlderViewJumpsToTheNewest) {
  history.setView(1, 1);
  EXPECT_TRUE(controller.zoomIn());
  EXPECT_EQ(view(), View(2, 9));
  EXPECT_TRUE(controller.originBack());
  EXPECT_EQ(view(), View(2, 1));
  EXPECT_TRUE(controller.zoomIn());
  EXPECT_EQ(view(), View(4, 13));
  EXPECT_TRUE(controller.zoomIn());
  EXPECT_TRUE(controller.zoomIn());
  EXPECT_EQ(view(), View(16, 16));
  EXPECT_FALSE(controller.zoomIn());
  EXPECT_TRUE(audio.played.empty());
}

TEST_F(HistoryCommandsTest, OriginStepsStopAtTheirBoundsWithTheRefusalSound) {
  struct Case {
    View start;
    bool back;
    bool allowed;
    int originAfter;
  };
  const Case cases[] = {
      {{16, 16}, true, true, 15},  {{16, 1}, true, false, 1},   {{16, 16}, false, false, 16},
      {{16, 15}, false, true, 16}, {{8, 15}, false, false, 15}, {{8, 15}, true, true, 13},
      {{8, 1}, true, false, 1},    {{8, 13}, false, true, 15},  {{4, 13}, false, false, 13},
      {{4, 5}, true, true, 1},     {{4, 1}, true, false, 1},    {{4, 1}, false, true, 5},
      {{2, 9}, true, true, 1},     {{2, 9}, false, false, 9},   {{2, 1}, false, true, 9},
      {{1, 1}, true, false, 1},    {{1, 1}, false, false, 1},
  };
  for (const Case& c : cases) {
    history.setView(c.start.first, c.start.second);
    audio.played.clear();
    graph.calls.clear();
    const bool moved = c.back ? controller.originBack() : controller.originForward();
    const std::string label = "zoom " + std::to_string(c.start.first) + " origin " +
                              std::to_string(c.start.second) + (c.back ? " back" : " forward");
    EXPECT_EQ(moved, c.allowed) << label;
    EXPECT_EQ(view(), View(c.start.first, c.originAfter)) << label;
    if (c.allowed) {
      // Moving the view redraws it; the axis texts stay as they are.
      EXPECT_EQ(graph.calls, std::vector<std::string>{"redraw"}) << label;
      EXPECT_TRUE(audio.played.empty()) << label;
    } else {
      EXPECT_TRUE(graph.calls.empty()) << label;
      EXPECT_EQ(audio.played, std::vector<Clip>{Clip::Refusal}) << label;
    }
  }
}

TEST_F(HistoryCommandsTest, RefusalIsSilentWithoutPlaySounds) {
  settings.PlaySounds = 0;
  history.setView(16, 1);
  EXPECT_FALSE(controller.originBack());
  EXPECT_EQ(history.origin(), 1);
  EXPECT_TRUE(audio.played.empty());
}

TEST_F(HistoryCommandsTest, CommandsWaitForARunningTickAndSeeWhatItChanged) {
  EXPECT_TRUE(controller.zoomOut());
  EXPECT_TRUE(hooks.waits.empty());  // no wait while nothing runs

  // The tick that holds the flag selects another battery, which resets the
  // view to 1 hour: the zoom in that waited for it then has nothing to do.
  history.setView(8, 15);
  hooks.busyFlag = true;
  hooks.duringWait = [this] { controller.resetHistory(); };
  graph.calls.clear();
  EXPECT_FALSE(controller.zoomIn());
  EXPECT_EQ(hooks.waits, std::vector<int>{100});
  EXPECT_EQ(view(), View(16, 16));
  EXPECT_EQ(graph.calls, (std::vector<std::string>{"axes", "redraw"}));  // the reset's only

  hooks.duringWait = nullptr;
  for (auto command : {&HistoryController::zoomOut, &HistoryController::originBack,
                       &HistoryController::originForward}) {
    hooks.waits.clear();
    hooks.busyFlag = true;
    (controller.*command)();
    EXPECT_EQ(hooks.waits, std::vector<int>{100});
  }
}

TEST_F(HistoryCommandsTest, RecordingAdvancesStoresAndRedraws) {
  controller.recordSample(75.0, false, false);
  EXPECT_EQ(history.writePosition(), 1);
  EXPECT_EQ(history.sample(10801), 300);
  EXPECT_EQ(history.kind(10801), SampleKind::OnBattery);
  EXPECT_EQ(graph.calls, std::vector<std::string>{"redraw"});

  controller.appendSample(401, SampleKind::Charging);
  EXPECT_EQ(history.sample(10802), 400);
  EXPECT_EQ(graph.calls.size(), 1u);  // appending leaves the redraw to the caller

  controller.recordSample(std::uint16_t{10}, SampleKind::OnPower);
  EXPECT_EQ(history.sample(10803), 10);
  EXPECT_EQ(history.kind(10803), SampleKind::OnPower);

  history.setView(2, 1);
  graph.calls.clear();
  controller.resetHistory();
  EXPECT_EQ(history.writePosition(), 0);
  EXPECT_EQ(history.sample(10801), kNoSample);
  EXPECT_EQ(view(), View(16, 16));
  EXPECT_EQ(graph.calls, (std::vector<std::string>{"axes", "redraw"}));
}

}  // namespace
}  // namespace voltaro::history
