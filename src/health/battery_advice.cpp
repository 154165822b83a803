#include "health/battery_advice.h"

#include "common/file_io.h"
#include "common/rounding.h"

namespace voltaro::health {

namespace {

constexpr std::uint32_t kCalibrationDueHundredths = 3000;  // more than 30 cycles
constexpr double kCalibrationDueDays = 30.0;
constexpr double kGreenModeMaximumPercent = 50.0;
constexpr double kReplacementWearPercent = 50.0;

view::AdviceAnswer answer(bool yes) {
  return yes ? view::AdviceAnswer{"Yes", kAdviceYesColour}
             : view::AdviceAnswer{"No", kAdviceNoColour};
}

}  // namespace

BatteryAdvice::BatteryAdvice(const AdviceContext& context)
    : store_(context.store),
      info_(context.info),
      slots_(context.slots),
      live_(context.live),
      settings_(context.settings),
      dataFolder_(context.dataFolder),
      window_(context.window),
      runtime_(context.runtime),
      hooks_(context.hooks) {}

bool BatteryAdvice::calibrationDue() const {
  if (hooks_.calibrationRunning()) return false;
  const HealthRecord& record = store_.record();
  if (record.cyclesSinceCalibration > kCalibrationDueHundredths) return true;
  return runtime_.now() - static_cast<double>(record.latestCalibration) > kCalibrationDueDays;
}

bool BatteryAdvice::chargeToFull(float percent) const {
  return hooks_.calibrationRunning() &&
         fileExists(dataFolder_ + std::string(kDischargeMarkerFile)) &&
         roundHalfEven(percent) < 100;
}

bool BatteryAdvice::greenModeAdvised(float percent) const {
  return !hooks_.greenModeOn() && !hooks_.fastDischargeRunning() && !live_.onPower &&
         percent <= kGreenModeMaximumPercent;
}

bool BatteryAdvice::replacementAdvised() const {
  const WearFigures& figures = store_.figures();
  return figures.maximumWear > kReplacementWearPercent ||
         figures.wearLevel > kReplacementWearPercent;
}

bool BatteryAdvice::evaladvice() {
  view::AdviceContent content;
  content.answers.fill(answer(false));
  if (!store_.primarySelected()) {
    content.battery = "Select Battery " + std::to_string(slots_.primarySlot);
    window_.fill(content);
    return false;
  }
  content.battery = info_.manufacturer + " " + info_.deviceName;
  const float percent = live_.percent(slots_.currentSlot);
  const bool items[view::kAdviceItemCount] = {calibrationDue(), chargeToFull(percent),
                                              greenModeAdvised(percent), replacementAdvised()};
  bool any = false;
  for (std::size_t i = 0; i < view::kAdviceItemCount; ++i) {
    content.answers[i] = answer(items[i]);
    any = any || items[i];
  }
  window_.fill(content);
  return any;
}

void BatteryAdvice::act31() {
  evaladvice();
  window_.show();
}

void BatteryAdvice::showInFront() {
  window_.show();
  window_.bringToFront();
}

}  // namespace voltaro::health
