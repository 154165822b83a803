// Monitor hooks that count every call and answer with settable values.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "monitor/monitor_hooks.h"

namespace voltaro::fakes {

class FakeMonitorHooks : public monitor::MonitorHooks {
 public:
  void addUsageMinute() override { ++usageMinutes; }
  void showChargingMinutes(std::uint32_t minutes) override {
    shownChargeMinutes.push_back(minutes);
  }
  void setChargingMinutes(std::uint32_t minutes) override { completedCharges.push_back(minutes); }
  void setDischargingMinutes(std::uint32_t minutes) override { dischargeRuns.push_back(minutes); }
  void addFullDischargeHundredth() override { ++hundredths; }
  bool evaladvice() override {
    ++adviceEvaluations;
    return adviceToShow;
  }
  void resetWearFigures() override { ++wearResets; }
  bool calibrationRunning() override {
    if (calibrationAnswers.empty()) return calibrating;
    const bool answer = calibrationAnswers.front();
    calibrationAnswers.erase(calibrationAnswers.begin());
    return answer;
  }
  std::optional<DayTime> fastDischargeStart() override { return fastDischarge; }
  void writeDischargeLogRecord() override { ++logRecords; }
  void writeCalibrationClosingRecord() override { ++calibrationClosings; }
  void evaluateAlerts() override {
    ++alertChecks;
    if (alertAction) alertAction();
  }
  void reopenBrightness() override { ++brightnessReopens; }
  void recordHistorySample(std::uint16_t quarterPercent, monitor::HistoryKind kind) override {
    history.emplace_back(quarterPercent, kind);
  }
  void redrawGraph() override { ++graphRedraws; }
  void clearHistory() override { ++historyClears; }
  void drawgauge() override { ++gaugeDraws; }
  bool gadgetCreated() override { return gadgetReady; }
  void setGadgetStayOnTop(bool onTop) override { stayOnTop.push_back(onTop); }
  void showGadgetFirstTime() override { ++gadgetFirstShows; }
  void refreshGadget() override { ++gadgetRefreshes; }
  void hideGadget() override { ++gadgetHides; }
  void setGadgetHint(const std::string& hint) override { gadgetHints.push_back(hint); }
  bool calibratePageVisible() override { return calibratePage; }
  void showAdviceWindow() override { ++adviceWindowShows; }
  void applyAutoRun() override { ++autoRuns; }

  // Answers.
  bool adviceToShow = false;
  bool calibrating = false;
  std::vector<bool> calibrationAnswers;  // answered first, in order, then `calibrating`
  std::optional<DayTime> fastDischarge;
  bool gadgetReady = true;
  bool calibratePage = false;
  // Runs inside evaluateAlerts, as a system action would (a wait, a failure).
  std::function<void()> alertAction;

  // Calls.
  int usageMinutes = 0;
  std::vector<std::uint32_t> shownChargeMinutes;
  std::vector<std::uint32_t> completedCharges;
  std::vector<std::uint32_t> dischargeRuns;
  int hundredths = 0;
  int adviceEvaluations = 0;
  int wearResets = 0;
  int logRecords = 0;
  int calibrationClosings = 0;
  int alertChecks = 0;
  int brightnessReopens = 0;
  std::vector<std::pair<std::uint16_t, monitor::HistoryKind>> history;
  int graphRedraws = 0;
  int historyClears = 0;
  int gaugeDraws = 0;
  std::vector<bool> stayOnTop;
  int gadgetFirstShows = 0;
  int gadgetRefreshes = 0;
  int gadgetHides = 0;
  std::vector<std::string> gadgetHints;
  int adviceWindowShows = 0;
  int autoRuns = 0;
};

}  // namespace voltaro::fakes
