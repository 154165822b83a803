#include "brightness_command.h"

#include <optional>
#include <ostream>

#include "alerts/brightness_control.h"
#include "platform/sim/sim_audio.h"
#include "platform/sim/virtual_runtime.h"
#include "settings/app_settings.h"
#include "view/shown_texts.h"

namespace voltaro::tools {

std::optional<std::uint8_t> parseTrayLevel(const std::string& word) {
  if (word.empty() || word.size() > 3) return std::nullopt;
  int value = 0;
  for (char c : word) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < 10 || value > 100 || value % 10 != 0) return std::nullopt;
  return static_cast<std::uint8_t>(value);
}

namespace {

std::string trayItemText(std::uint8_t level) {
  const auto item = alerts::trayItemForLevel(level);
  return item ? " (tray item " + std::to_string(*item * 10) + "%)" : " (no tray item)";
}

void printBrightness(alerts::BrightnessControl& control, std::ostream& out) {
  const alerts::BrightnessPair pair = control.queryBrightness();
  out << "On AC power  " << int{pair.ac} << " %" << trayItemText(pair.ac) << '\n';
  out << "On battery   " << int{pair.dc} << " %" << trayItemText(pair.dc) << '\n';
  out << "Levels      ";
  for (std::uint8_t level : control.levels()) out << ' ' << int{level};
  out << " %\n";
}

}  // namespace

int runBrightness(platform::Display& display, std::optional<std::uint8_t> level, std::ostream& out,
                  std::ostream& err) {
  platform::sim::VirtualRuntime runtime;
  platform::sim::SimAudio audio;  // refusals make no sound here
  settings::AppSettings settings;
  settings.PlaySounds = 0;
  view::ShownTexts texts;
  alerts::BrightnessControl control(display, audio, runtime, settings, texts);
  control.initBrightness();
  if (!control.available()) {
    err << "voltaroctl brightness: this display has no brightness control\n";
    return kExitFailed;
  }
  if (level) {
    control.applyTrayBrightness(*level);
    const alerts::BrightnessPair now = control.queryBrightness();
    if (now.ac != *level && now.dc != *level) {
      err << "voltaroctl brightness: the display did not take " << int{*level} << " %\n";
      printBrightness(control, out);
      return kExitFailed;
    }
  }
  printBrightness(control, out);
  return kExitDone;
}

}  // namespace voltaro::tools
