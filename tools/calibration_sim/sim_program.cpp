#include "sim_program.h"

#include "monitor/time_texts.h"

namespace voltaro::tools::sim {

SimProgram::SimProgram(const SimPorts& p)
    : ports(p),
      settings(p.settings),
      health(health::HealthContext{record, info, slots, settings, p.dataFolder, texts, statusLine,
                                   p.runtime, valueFiles, healthHooks}),
      log(logs::CalibrationLogContext{slots, texts, record, p.dataFolder, p.runtime, statusLine}),
      planTool(p.shell),
      plans(planTool, powerHooks),
      calibrationPower(p.shell),
      dialog(p.confirmation, p.runtime, dialogHooks),
      brightness(p.display, audio, p.runtime, settings, texts),
      calibration(calibration::CalibrationContext{slots, live, settings, p.dataFolder, texts,
                                                  statusLine, dialog, p.parameters, health, log,
                                                  plans, calibrationPower}),
      fastDischarge(fastdischarge::FastDischargeContext{p.runtime, p.workers, brightness, settings,
                                                        live, p.dataFolder, texts, dialog}),
      options(fastDischarge, brightness, settings, audio, texts, fastDischargeHooks),
      commands(calibration, fastDischarge, options),
      battery(battery::BatteryContext{p.driver, slots, requests, info, live, settings, texts, tray,
                                      audio, p.runtime, batteryHooks}),
      monitor(monitor::MonitorContext{p.runtime, powerEvents, times, audio, texts, tray, statusLine,
                                      battery, slots, requests, info, live, settings,
                                      monitorHooks}) {}

SimProgram::~SimProgram() {
  monitor.stop();
  fastDischarge.shutdown();
  battery.shutdown();
}

void SimProgram::start() {
  brightness.initBrightness();
  battery.createDeviceSet();
  monitor.enableStart();
}

void SimProgram::exit() {
  fastDischarge.shutdown();
}

bool SimBatteryHooks::loadhealth(bool full) {
  return p_.health.loadhealth(full);
}
bool SimBatteryHooks::calibrationRunning() {
  return p_.calibration.calibrating();
}
void SimBatteryHooks::calibrationBatteryDischarged() {
  p_.calibration.calibrationBatteryDischarged();
}
bool SimBatteryHooks::calibrationCompletionMarkerExists() {
  return p_.calibration.calibrationCompletionMarkerExists();
}
void SimBatteryHooks::recordCompletedCalibration() {
  p_.calibration.recordCompletedCalibration();
}
void SimBatteryHooks::endCalibrationCompleted() {
  p_.calibration.endCalibrationCompleted();
}
std::string SimBatteryHooks::hm(std::uint32_t minutes) {
  return monitor::hm(minutes);
}

void SimMonitorHooks::addUsageMinute() {
  p_.health.addUsageMinute();
}
void SimMonitorHooks::setChargingMinutes(std::uint32_t minutes) {
  p_.health.setChargingMinutes(minutes);
}
void SimMonitorHooks::setDischargingMinutes(std::uint32_t minutes) {
  p_.health.setDischargingMinutes(minutes);
}
void SimMonitorHooks::addFullDischargeHundredth() {
  p_.health.addFullDischargeHundredth();
}
bool SimMonitorHooks::calibrationRunning() {
  return p_.calibration.calibrating();
}
std::optional<DayTime> SimMonitorHooks::fastDischargeStart() {
  return p_.fastDischarge.fastDischargeStart();
}
void SimMonitorHooks::writeCalibrationClosingRecord() {
  p_.calibration.writeCapacityReport();
}

bool SimHealthHooks::calibrationRunning() {
  return p_.calibration.calibrating();
}
void SimHealthHooks::setCalibrating(bool calibrating) {
  p_.calibration.setCalibrating(calibrating);
}
bool SimHealthHooks::fastDischargeRunning() {
  return p_.fastDischarge.fastDischargeRunning();
}

void SimDialogHooks::stopFastDischarge() {
  p_.fastDischarge.stopFastDischarge();
}
void SimDialogHooks::requestFastDischargeStart() {
  p_.fastDischarge.fastDischargeCommand();
}
void SimDialogHooks::startFastDischarge() {
  p_.fastDischarge.startFastDischarge();
}
void SimDialogHooks::stopCalibrationWithoutMessage() {
  p_.calibration.stopCalibrationWithoutMessage();
}
bool SimDialogHooks::isOnExternalPower() {
  return p_.live.onPower;
}
void SimDialogHooks::askCalibrationUnplug() {
  p_.calibration.calstart();
}
void SimDialogHooks::startCalibrationOnBattery() {
  p_.calibration.instructionsStep();
}
void SimDialogHooks::beginCalibration() {
  p_.calibration.beginCalibration();
}
void SimDialogHooks::prepareCalibration() {
  p_.calibration.prepareCalibration();
}

}  // namespace voltaro::tools::sim
