// The hooks of every subsystem, answered by the engine with the other
// subsystems. Each bridge is a thin adapter: the behaviour stays in the
// subsystem that owns it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "alerts/alerts_hooks.h"
#include "battery/battery_hooks.h"
#include "dialogs/dialog_hooks.h"
#include "fastdischarge/fast_discharge_hooks.h"
#include "health/health_hooks.h"
#include "history/history_hooks.h"
#include "monitor/monitor_hooks.h"
#include "power/power_hooks.h"
#include "settings/settings_hooks.h"
#include "update/update_hooks.h"

namespace voltaro::engine {

class Engine;

class BatteryBridge final : public battery::BatteryHooks {
 public:
  explicit BatteryBridge(Engine& e) : e_(e) {}
  bool loadhealth(bool full) override;
  void saveChargeRate() override;
  bool calibrationRunning() override;
  void calibrationBatteryDischarged() override;
  bool calibrationCompletionMarkerExists() override;
  void recordCompletedCalibration() override;
  void endCalibrationCompleted() override;
  void restoreCompositionOnAc() override;
  void setDischargeLogMarker(std::uint8_t level) override;
  void clearAdviceShown() override;
  std::string hm(std::uint32_t minutes) override;

 private:
  Engine& e_;
};

class MonitorBridge final : public monitor::MonitorHooks {
 public:
  explicit MonitorBridge(Engine& e) : e_(e) {}
  void addUsageMinute() override;
  void showChargingMinutes(std::uint32_t minutes) override;
  void setChargingMinutes(std::uint32_t minutes) override;
  void setDischargingMinutes(std::uint32_t minutes) override;
  void addFullDischargeHundredth() override;
  bool evaladvice() override;
  void resetWearFigures() override;
  void readingTaken() override;
  void batteryLeft(int slot) override;
  bool calibrationRunning() override;
  void calibrationClosed() override;
  std::optional<DayTime> fastDischargeStart() override;
  void writeDischargeLogRecord() override;
  void writeCalibrationClosingRecord() override;
  void evaluateAlerts() override;
  void reopenBrightness() override;
  void recordHistorySample(std::uint16_t quarterPercent, monitor::HistoryKind kind) override;
  void redrawGraph() override;
  void clearHistory() override;
  void drawgauge() override;
  bool gadgetCreated() override;
  void setGadgetStayOnTop(bool onTop) override;
  void showGadgetFirstTime() override;
  void refreshGadget() override;
  void hideGadget() override;
  void setGadgetHint(const std::string& hint) override;
  bool calibratePageVisible() override;
  void showAdviceWindow() override;
  void applyAutoRun() override;

 private:
  Engine& e_;
};

class HealthBridge final : public health::HealthHooks {
 public:
  explicit HealthBridge(Engine& e) : e_(e) {}
  bool calibrationRunning() override;
  void setCalibrating(bool calibrating) override;
  bool fastDischargeRunning() override;
  bool greenModeOn() override;
  void askConfirmation(dialogs::DialogCode code, const view::ConfirmationTexts& texts,
                       view::ConfirmationMode mode) override;
  void healthSaved(const std::string& path) override;

 private:
  Engine& e_;
};

class HistoryBridge final : public history::HistoryHooks {
 public:
  explicit HistoryBridge(Engine& e) : e_(e) {}
  bool busy() const override;
  void waitidle(int rounds) override;

 private:
  Engine& e_;
};

class SettingsBridge final : public settings::SettingsHooks {
 public:
  explicit SettingsBridge(Engine& e) : e_(e) {}
  void setTrayCheck(settings::TrayCheck item, bool checked) override;
  void checkOpacityItem(int percent) override;
  void checkPriorityItem(int priority) override;
  void showGadget() override;
  void setGadgetStayOnTop(bool onTop) override;
  void relayoutGadget() override;
  void applyGadgetOpacity() override;
  void setAutoRun(bool on) override;
  void applyProcessPriority() override;
  void redrawSettingsPages() override;
  void askConfirmation(std::uint8_t code, const view::ConfirmationTexts& texts,
                       view::ConfirmationMode mode) override;

 private:
  Engine& e_;
};

class DialogBridge final : public dialogs::DialogHooks {
 public:
  explicit DialogBridge(Engine& e) : e_(e) {}
  void stopFastDischarge() override;
  void requestFastDischargeStart() override;
  void startFastDischarge() override;
  void stopCalibrationWithoutMessage() override;
  void askCalibrationUnplug() override;
  void startCalibrationOnBattery() override;
  void beginCalibration() override;
  void prepareCalibration() override;
  bool isOnExternalPower() override;
  void exitProcedure() override;
  void applyDefaultSettings() override;
  void resetHealthData() override;
  void downloadNewVersion() override;

 private:
  Engine& e_;
};

class AlertsBridge final : public alerts::AlertsHooks {
 public:
  explicit AlertsBridge(Engine& e) : e_(e) {}
  void alertFired(alerts::AlertKind kind) override;
  void bringGadgetToFront() override;
  void saveSettings() override;

 private:
  Engine& e_;
};

class PowerBridge final : public power::PowerHooks {
 public:
  explicit PowerBridge(Engine& e) : e_(e) {}
  void rebuildPowerPlanMenu(const std::vector<power::PowerPlanEntry>& plans) override;
  void enablePowerPlanMenu(bool enabled) override;
  void waitForMonitoringIdle() override;
  bool fastDischargeRunning() override;
  void fastDischargeCommand() override;
  void setGreenModeChecked(bool on) override;
  void checkPriorityItem(int taskPriority) override;
  void redrawPriorityRadios() override;
  void saveSettings() override;

 private:
  Engine& e_;
};

class FastDischargeBridge final : public fastdischarge::FastDischargeHooks {
 public:
  explicit FastDischargeBridge(Engine& e) : e_(e) {}
  void redrawControl(int number) override;

 private:
  Engine& e_;
};

class UpdateBridge final : public update::UpdateHooks {
 public:
  explicit UpdateBridge(Engine& e) : e_(e) {}
  bool homePageVisible() override;
  void closeRequest() override;

 private:
  Engine& e_;
};

// Every bridge of the engine, built before the subsystems that hold them.
class Bridges {
 public:
  explicit Bridges(Engine& e)
      : battery(e),
        monitor(e),
        health(e),
        history(e),
        settings(e),
        dialogs(e),
        alerts(e),
        power(e),
        fastDischarge(e),
        update(e) {}
  BatteryBridge battery;
  MonitorBridge monitor;
  HealthBridge health;
  HistoryBridge history;
  SettingsBridge settings;
  DialogBridge dialogs;
  AlertsBridge alerts;
  PowerBridge power;
  FastDischargeBridge fastDischarge;
  UpdateBridge update;
};

}  // namespace voltaro::engine
