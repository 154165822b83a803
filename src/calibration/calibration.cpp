#include "calibration/calibration.h"

#include "common/rounding.h"

namespace voltaro::calibration {

namespace {

using dialogs::code::kCalibrationCheck;
using dialogs::code::kCalibrationComplete;
using dialogs::code::kCalibrationRunning;
using dialogs::code::kCalibrationSteps;
using dialogs::code::kCalibrationUnplug;
using dialogs::code::kSelectBattery;
using view::ConfirmationMode;
using view::ConfirmationTexts;

constexpr double kHighWearPercent = 50.0;
constexpr float kChargedPercent = 95.0f;

}  // namespace

Calibration::Calibration(const CalibrationContext& c)
    : slots_(c.slots),
      live_(c.live),
      settings_(c.settings),
      texts_(c.texts),
      errors_(c.errors),
      dialog_(c.dialog),
      parameters_(c.parameters),
      health_(c.health),
      log_(c.log),
      plans_(c.plans),
      power_(c.power),
      markers_(c.dataFolder) {}

int Calibration::roundedLevel() const {
  return static_cast<int>(roundHalfEven(live_.percent(slots_.currentSlot)));
}

void Calibration::calibrateCommand() {
  if (calibrating_) {
    dialog_.ask(kCalibrationRunning,
                ConfirmationTexts{"Confirmation", "Calibration process is already running!",
                                  "Do you want to stop it?", ""},
                ConfirmationMode::YesNo);
    return;
  }
  if (!health_.primarySelected()) {
    dialog_.ask(kSelectBattery,
                ConfirmationTexts{"Information",
                                  "Please select Battery " + std::to_string(slots_.primarySlot) +
                                      " to enable the Calibration process",
                                  "and do not change it until the procedure is completed.", ""},
                ConfirmationMode::Ok);
    return;
  }
  if (health_.figures().maximumWear > kHighWearPercent) {
    dialog_.ask(kCalibrationCheck,
                ConfirmationTexts{"Confirmation", "The wear level of your battery exceeds 50% !",
                                  "Calibration process might not work well.",
                                  "Do you want to proceed anyway?"},
                ConfirmationMode::YesNo);
    return;
  }
  if (live_.percent(slots_.currentSlot) > kChargedPercent) {
    prepareCalibration();
    return;
  }
  askNotCharged();
}

void Calibration::askNotCharged() {
  dialog_.ask(kCalibrationCheck,
              ConfirmationTexts{"Confirmation", "The current battery is not fully charged!",
                                "Do you want to continue anyway? (not recommended)", ""},
              ConfirmationMode::YesNo);
}

void Calibration::prepareCalibration() {
  const power::ActivePlan active = plans_.findActivePlan();
  const auto& table = plans_.plans();
  activePlanId_.clear();
  if (active.index >= 1 && static_cast<std::size_t>(active.index) <= table.size()) {
    activePlanId_ = table[static_cast<std::size_t>(active.index - 1)].guidField;
  }
  const PowerParameterTexts values = power_.parameterTexts();
  parameters_.fill(view::ParametersContent{
      .activePlan = active.name,
      .chargeLevel = std::to_string(roundedLevel()) + "%",
      .lowAction = values.lowAction,
      .criticalLevel = values.criticalLevel,
      .criticalAction = values.criticalAction,
      .reserveLevel = values.reserveLevel,
      .question = "Do you want to set these parameters and continue?",
      .sleepAndHibernation = values.sleepAndHibernation,
  });
  if (table.empty()) {
    calstart();
    return;
  }
  parameters_.show();
}

void Calibration::parametersYes() {
  fix();
  calstart();
  parameters_.hide();
}

void Calibration::parametersNo() {
  parameters_.hide();
}

void Calibration::fix() {
  // Plans listed but none marked active: there is no plan to write into.
  if (activePlanId_.empty()) return;
  power_.setBatteryValues(activePlanId_);
}

void Calibration::calstart() {
  if (!live_.onPower) {
    instructionsStep();
    return;
  }
  dialog_.ask(kCalibrationUnplug,
              ConfirmationTexts{"Confirmation", "In order to start the Calibration process",
                                "you have to unplug the laptop power cord now!",
                                "Press YES when ready or NO to cancel"},
              ConfirmationMode::YesNo);
}

void Calibration::instructionsStep() {
  power_.disableStandbyOnBattery();
  power_.disableHibernation();
  dialog_.ask(
      kCalibrationSteps,
      ConfirmationTexts{"Information",
                        "1. Keep the computer awake until the critical battery level is reached",
                        "2. After your system shuts down, let it rest for at least two hours",
                        "3. Restore the AC Power and charge the battery to 100%"},
      ConfirmationMode::Ok);
}

void Calibration::setCalibrating(bool calibrating) {
  calibrating_ = calibrating;
  power_.keepAwake(calibrating);
}

void Calibration::beginCalibration() {
  calibrating_ = true;
  power_.keepAwake(true);
  dischargeFailureReported_ = false;
  showState();
  log(logs::CalibrationLogEvent::Started);
  markers_.removeBoth();
  createMarker(markers_.createStart(), kStartMarkerFile);
}

void Calibration::endCalibration(CalibrationEnd kind, bool notify) {
  calibrating_ = false;
  power_.keepAwake(false);
  showState();
  switch (kind) {
    case CalibrationEnd::Stopped:
      log(logs::CalibrationLogEvent::Stopped);
      break;
    case CalibrationEnd::Completed:
      log(logs::CalibrationLogEvent::Completed);
      break;
  }
  markers_.removeBoth();
  if (!notify) return;
  dialog_.ask(kCalibrationComplete,
              ConfirmationTexts{"Information", "Calibration is complete", "", ""},
              ConfirmationMode::Ok);
}

// Called on every reading while drained: a marker that cannot be written is
// tried again each time but reported once, not every second.
void Calibration::calibrationBatteryDischarged() {
  if (markers_.dischargeExists()) return;
  if (markers_.createDischarge() || dischargeFailureReported_) return;
  dischargeFailureReported_ = true;
  createMarker(false, kDischargeMarkerFile);
}

void Calibration::recordCompletedCalibration() {
  health_.recordCalibration();
}

void Calibration::writeCapacityReport() {
  log_.write(logs::CalibrationLogEvent::Capacity);
}

void Calibration::showState() {
  texts_.set(view::Page::Calibrate, kCalibrationCaption, calibrating_ ? "On" : "Off");
}

void Calibration::log(logs::CalibrationLogEvent event) {
  if (settings_.CalibrationLog) log_.write(event);
}

// The state in memory is already set when a marker cannot be written; the
// failure goes to the general error report, and the next start will not
// find the state the marker should have kept.
void Calibration::createMarker(bool written, std::string_view name) {
  if (written) return;
  errors_.report("Cannot write the calibration marker file \"" + std::string(name) + "\"");
}

}  // namespace voltaro::calibration
