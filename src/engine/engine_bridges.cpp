#include "engine/engine_bridges.h"

#include "engine/activity_port.h"
#include "engine/engine.h"
#include "engine/window_port.h"
#include "monitor/time_texts.h"
#include "settings/default_settings.h"

namespace voltaro::engine {

// --- Battery access -------------------------------------------------------

bool BatteryBridge::loadhealth(bool full) {
  return e_.health_.loadhealth(full);
}

void BatteryBridge::saveChargeRate() {
  if (e_.settingsStore_) e_.settingsStore_->saveChargeRate(e_.settings_);
}

bool BatteryBridge::calibrationRunning() {
  return e_.calibration_.calibrating();
}

void BatteryBridge::calibrationBatteryDischarged() {
  e_.calibration_.calibrationBatteryDischarged();
}
bool BatteryBridge::calibrationCompletionMarkerExists() {
  return e_.calibration_.calibrationCompletionMarkerExists();
}
void BatteryBridge::recordCompletedCalibration() {
  e_.calibration_.recordCompletedCalibration();
  e_.healthJournal_.calibrationCompleted();
}
void BatteryBridge::endCalibrationCompleted() {
  e_.calibration_.endCalibrationCompleted();
}

void BatteryBridge::restoreCompositionOnAc() {
  e_.actions_.onAcReturn();
}

void BatteryBridge::setDischargeLogMarker(std::uint8_t /*level*/) {
  e_.dischargeLog_.markUnplugged();
}

void BatteryBridge::clearAdviceShown() {
  e_.monitor_.clearAdviceShown();
}

std::string BatteryBridge::hm(std::uint32_t minutes) {
  return monitor::hm(minutes);
}

// --- Monitoring cycle -----------------------------------------------------

void MonitorBridge::addUsageMinute() {
  e_.health_.addUsageMinute();
}
void MonitorBridge::showChargingMinutes(std::uint32_t minutes) {
  e_.health_.showChargingMinutes(minutes);
}
void MonitorBridge::setChargingMinutes(std::uint32_t minutes) {
  e_.health_.setChargingMinutes(minutes);
}
void MonitorBridge::setDischargingMinutes(std::uint32_t minutes) {
  e_.health_.setDischargingMinutes(minutes);
}
void MonitorBridge::addFullDischargeHundredth() {
  e_.health_.addFullDischargeHundredth();
}
bool MonitorBridge::evaladvice() {
  return e_.advice_.evaladvice();
}
void MonitorBridge::resetWearFigures() {
  e_.health_.resetWearFigures();
}
void MonitorBridge::readingTaken() {
  e_.healthJournal_.readingTaken();
}
void MonitorBridge::batteryLeft(int slot) {
  e_.healthJournal_.batteryLeft(slot);
}
bool MonitorBridge::calibrationRunning() {
  return e_.calibration_.calibrating();
}
void MonitorBridge::calibrationClosed() {
  e_.healthJournal_.calibrationClosed();
}

std::optional<DayTime> MonitorBridge::fastDischargeStart() {
  return e_.fastDischarge_.fastDischargeStart();
}

void MonitorBridge::writeDischargeLogRecord() {
  e_.dischargeLog_.step();
}

void MonitorBridge::writeCalibrationClosingRecord() {
  e_.calibration_.writeCapacityReport();
}

void MonitorBridge::evaluateAlerts() {
  const int slot = e_.slots_.currentSlot;
  e_.alertRules_.evaluateAlerts({.onAcPower = e_.live_.onPower,
                                 .calibrationRunning = e_.calibration_.calibrating(),
                                 .chargePercent = e_.live_.knownPercent(slot),
                                 .remainingSeconds = e_.live_.knownRemaining(slot)});
}

// Every restart looks for the device again: a backlight that appeared since
// (a driver loaded late, a panel switched on) is found too.
void MonitorBridge::reopenBrightness() {
  e_.brightness_.initBrightness();
}

void MonitorBridge::recordHistorySample(std::uint16_t quarterPercent, monitor::HistoryKind kind) {
  e_.historyController_.appendSample(quarterPercent, static_cast<history::SampleKind>(kind));
}

void MonitorBridge::redrawGraph() {
  e_.historyController_.redraw();
}
void MonitorBridge::clearHistory() {
  e_.historyController_.resetHistory();
}
void MonitorBridge::drawgauge() {
  e_.ports_.window.drawgauge();
}
bool MonitorBridge::gadgetCreated() {
  return e_.gadget().gadgetCreated();
}
void MonitorBridge::setGadgetStayOnTop(bool onTop) {
  e_.gadget().setGadgetStayOnTop(onTop);
}
void MonitorBridge::showGadgetFirstTime() {
  e_.gadget().showGadgetFirstTime();
}
void MonitorBridge::refreshGadget() {
  e_.gadget().refreshGadget();
}
void MonitorBridge::hideGadget() {
  e_.gadget().hideGadget();
}
void MonitorBridge::setGadgetHint(const std::string& hint) {
  e_.gadget().setGadgetHint(hint);
}
bool MonitorBridge::calibratePageVisible() {
  return e_.ports_.window.calibratePageVisible();
}
void MonitorBridge::showAdviceWindow() {
  e_.advice_.showInFront();
}
void MonitorBridge::applyAutoRun() {
  e_.applyAutoRun();
}

// --- Health store ---------------------------------------------------------

bool HealthBridge::calibrationRunning() {
  return e_.calibration_.calibrating();
}
void HealthBridge::setCalibrating(bool calibrating) {
  e_.calibration_.setCalibrating(calibrating);
}
bool HealthBridge::fastDischargeRunning() {
  return e_.fastDischarge_.fastDischargeRunning();
}
bool HealthBridge::greenModeOn() {
  return e_.greenMode_.greenOn();
}

void HealthBridge::askConfirmation(dialogs::DialogCode code, const view::ConfirmationTexts& texts,
                                   view::ConfirmationMode mode) {
  e_.dialog_.ask(code, texts, mode);
}
void HealthBridge::healthSaved(const std::string& path) {
  e_.healthJournal_.saveCopyBeside(path);
}

// --- Charge history -------------------------------------------------------

bool HistoryBridge::busy() const {
  return e_.monitor_.busy();
}
void HistoryBridge::waitidle(int rounds) {
  e_.monitor_.waitidle(rounds);
}

// --- Settings -------------------------------------------------------------

void SettingsBridge::setTrayCheck(settings::TrayCheck item, bool checked) {
  e_.trayMenu().setTrayCheck(item, checked);
}
void SettingsBridge::checkOpacityItem(int percent) {
  e_.trayMenu().checkOpacityItem(percent);
}
void SettingsBridge::checkPriorityItem(int priority) {
  e_.trayMenu().checkPriorityItem(priority);
}
void SettingsBridge::showGadget() {
  e_.gadget().showGadget();
}
void SettingsBridge::setGadgetStayOnTop(bool onTop) {
  e_.gadget().setGadgetStayOnTop(onTop);
}

// The re-layout saves the record first, then waits for the tick and holds
// the busy flag while the gadget takes its new shape.
void SettingsBridge::relayoutGadget() {
  e_.relayoutGadget();
}

void SettingsBridge::applyGadgetOpacity() {
  e_.gadget().applyGadgetOpacity();
}
void SettingsBridge::setAutoRun(bool on) {
  e_.ports_.window.setAutoRun(on);
}
void SettingsBridge::applyProcessPriority() {
  e_.taskPriority_.applyAndReport();
}

void SettingsBridge::redrawSettingsPages() {
  e_.alertsPage_.showTexts();
  e_.ports_.window.redrawSettingsPages();
}

void SettingsBridge::askConfirmation(std::uint8_t code, const view::ConfirmationTexts& texts,
                                     view::ConfirmationMode mode) {
  e_.dialog_.ask(code, texts, mode);
}

// --- Dialog answers -------------------------------------------------------

void DialogBridge::stopFastDischarge() {
  e_.fastDischarge_.stopFastDischarge();
}
void DialogBridge::requestFastDischargeStart() {
  e_.fastDischarge_.fastDischargeCommand();
}
void DialogBridge::startFastDischarge() {
  e_.fastDischarge_.startFastDischarge();
}
void DialogBridge::stopCalibrationWithoutMessage() {
  e_.calibration_.stopCalibrationWithoutMessage();
}
void DialogBridge::askCalibrationUnplug() {
  e_.calibration_.calstart();
}
void DialogBridge::startCalibrationOnBattery() {
  e_.calibration_.instructionsStep();
}
void DialogBridge::beginCalibration() {
  e_.calibration_.beginCalibration();
}
void DialogBridge::prepareCalibration() {
  e_.calibration_.prepareCalibration();
}
bool DialogBridge::isOnExternalPower() {
  return e_.live_.onPower;
}
void DialogBridge::exitProcedure() {
  e_.exitProcedure();
}

void DialogBridge::applyDefaultSettings() {
  settings::applyDefaultSettings(e_.settings_, e_.bridges_.settings);
}

void DialogBridge::resetHealthData() {
  e_.healthCommands_.resethealth();
}

void DialogBridge::downloadNewVersion() {
  e_.updateCheck_.downloadNewVersion();
}

// --- Update check ---------------------------------------------------------
bool UpdateBridge::homePageVisible() {
  return e_.ports_.window.homePageVisible();
}

void UpdateBridge::closeRequest() {
  e_.closeRequest();
}

// --- Alerts ---------------------------------------------------------------

void AlertsBridge::alertFired(alerts::AlertKind kind) {
  if (kind == alerts::AlertKind::Critical) e_.healthJournal_.criticalAlert();
  if (e_.ports_.activity) e_.ports_.activity->alertFired(kind);
}
void AlertsBridge::bringGadgetToFront() {
  e_.gadget().bringGadgetToFront();
}
void AlertsBridge::saveSettings() {
  e_.saveSettings();
}

// --- Power management -----------------------------------------------------

void PowerBridge::rebuildPowerPlanMenu(const std::vector<power::PowerPlanEntry>& plans) {
  e_.trayMenu().rebuildPowerPlanMenu(plans);
}
void PowerBridge::enablePowerPlanMenu(bool enabled) {
  e_.trayMenu().enablePowerPlanMenu(enabled);
}

void PowerBridge::waitForMonitoringIdle() {
  if (e_.monitor_.busy()) e_.monitor_.waitidle(100);
}

bool PowerBridge::fastDischargeRunning() {
  return e_.fastDischarge_.fastDischargeRunning();
}
void PowerBridge::fastDischargeCommand() {
  e_.fastDischarge_.fastDischargeCommand();
}

void PowerBridge::setGreenModeChecked(bool on) {
  e_.trayMenu().setGreenModeChecked(on);
}
void PowerBridge::checkPriorityItem(int taskPriority) {
  e_.trayMenu().checkPriorityItem(taskPriority);
}
void PowerBridge::redrawPriorityRadios() {
  e_.ports_.window.redrawPriorityRadios();
}
void PowerBridge::saveSettings() {
  e_.saveSettings();
}

// --- Fast discharge -------------------------------------------------------

void FastDischargeBridge::redrawControl(int number) {
  e_.ports_.window.redrawControl(number);
}

}  // namespace voltaro::engine
