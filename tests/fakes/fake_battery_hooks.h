// Battery hooks that count every call and answer with settable values; the
// time format is the monitor's own hm.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "battery/battery_hooks.h"
#include "monitor/time_texts.h"

namespace voltaro::fakes {

class FakeBatteryHooks : public battery::BatteryHooks {
 public:
  bool loadhealth(bool full) override {
    loadhealthCalls.push_back(full);
    return loadhealthShows;
  }
  void saveChargeRate() override { ++saveChargeRateCalls; }
  bool calibrationRunning() override { return calibrating; }
  void calibrationBatteryDischarged() override { ++dischargedSteps; }
  bool calibrationCompletionMarkerExists() override { return completionMarker; }
  void recordCompletedCalibration() override { ++completedRecords; }
  void endCalibrationCompleted() override { ++calibrationEnds; }
  void restoreCompositionOnAc() override { ++compositionRestores; }
  void setDischargeLogMarker(std::uint8_t level) override { logMarkers.push_back(level); }
  void clearAdviceShown() override { ++adviceClears; }
  std::string hm(std::uint32_t minutes) override { return monitor::hm(minutes); }

  // Answers.
  bool loadhealthShows = false;
  bool calibrating = false;
  bool completionMarker = false;

  // Calls.
  std::vector<bool> loadhealthCalls;
  int saveChargeRateCalls = 0;
  int dischargedSteps = 0;
  int completedRecords = 0;
  int calibrationEnds = 0;
  int compositionRestores = 0;
  std::vector<std::uint8_t> logMarkers;
  int adviceClears = 0;
};

}  // namespace voltaro::fakes
