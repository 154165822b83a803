#include "platform/linux_services/backlight_display.h"

namespace voltaro::platform::linux_services {

BacklightDisplay::BacklightDisplay(std::string classFolder, BacklightWriter& writer,
                                   std::function<bool()> turnMonitorOff,
                                   std::function<bool()> onAcPower)
    : classFolder_(std::move(classFolder)),
      writer_(writer),
      turnMonitorOff_(std::move(turnMonitorOff)),
      onAcPower_(std::move(onAcPower)) {}

std::vector<std::uint8_t> BacklightDisplay::openBrightness() {
  device_ = findBacklight(classFolder_);
  if (!device_) return {};
  return backlightLevels(device_->maxBrightness);
}

std::optional<std::uint8_t> BacklightDisplay::queryBrightness(BrightnessPolicy) {
  if (!device_) return std::nullopt;
  const auto raw = readBacklightBrightness(classFolder_, device_->name);
  if (!raw) return std::nullopt;
  return rawToPercent(*raw, device_->maxBrightness);
}

bool BacklightDisplay::setBrightness(BrightnessPolicy policy, std::uint8_t ac, std::uint8_t dc) {
  if (!device_) return false;
  const bool onAc = onAcPower_ ? onAcPower_() : true;
  // A request for the other power source's level is remembered by nothing
  // here: it takes effect only when it is the one that applies now.
  if (policy == BrightnessPolicy::Ac && !onAc) return true;
  if (policy == BrightnessPolicy::Dc && onAc) return true;
  const std::uint8_t percent = onAc ? ac : dc;
  return writer_.setBacklight(device_->name, percentToRaw(percent, device_->maxBrightness));
}

bool BacklightDisplay::monitorOff() {
  return turnMonitorOff_ && turnMonitorOff_();
}

}  // namespace voltaro::platform::linux_services
