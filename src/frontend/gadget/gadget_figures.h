// The figures the gadget shows, read from the engine: the shown battery's
// rounded charge, power source, charging state and time remaining, the
// processor usage and the gadget's display options.
#pragma once

#include "gadget/gadget_composer.h"

namespace voltaro::engine {
class Engine;
}
namespace voltaro::settings {
struct AppSettings;
}

namespace voltaro::frontend {

gadget::GadgetFigures gadgetFigures(engine::Engine& engine);
gadget::GadgetLook gadgetLook(const settings::AppSettings& settings);

}  // namespace voltaro::frontend
