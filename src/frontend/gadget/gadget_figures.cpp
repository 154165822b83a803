#include "frontend/gadget/gadget_figures.h"

#include <algorithm>

#include "battery/battery_state.h"
#include "common/rounding.h"
#include "engine/engine.h"
#include "monitor/time_texts.h"

namespace voltaro::frontend {

gadget::GadgetLook gadgetLook(const settings::AppSettings& s) {
  return gadget::GadgetLook{s.SmallSizeGadget != 0, s.Style3DGadget != 0};
}

gadget::GadgetFigures gadgetFigures(engine::Engine& engine) {
  const auto& s = engine.settings();
  const auto& live = engine.live();
  const int slot = engine.slots().currentSlot;
  gadget::GadgetFigures f;
  if (slot >= 1 && slot <= battery::kSlotCount) {
    // An unknown charge draws the empty picture without a charge text; an
    // unknown time draws no time.
    const std::optional<float> percent = live.knownPercent(slot);
    f.levelKnown = percent.has_value();
    if (percent)
      f.level = static_cast<int>(std::clamp<std::int64_t>(roundHalfEven(*percent), 0, 100));
    const std::uint32_t seconds = live.knownRemaining(slot).value_or(0);
    if (seconds != 0 && s.GadgetShowTimeRemaining) f.timeText = monitor::nicehm(seconds);
  }
  f.onPower = live.onPower;
  f.charging = live.charging;
  // Figures that are not shown stay 0, so their changes redraw nothing.
  if (s.GadgetShowCpuUsage) f.cpuUsage = engine.monitor().cpuUsage();
  f.showCapacity = s.GadgetShowCapacity != 0;
  f.showTimeRemaining = s.GadgetShowTimeRemaining != 0;
  f.showCpuUsage = s.GadgetShowCpuUsage != 0;
  f.look = gadgetLook(s);
  return f;
}

}  // namespace voltaro::frontend
