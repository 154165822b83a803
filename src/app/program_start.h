// The last steps of the start-up once the windows and the engine exist: the
// main window's creation, the gadget's creation, the window shown only on
// the very first run, and the start of monitoring.
#pragma once

namespace voltaro::engine {
class Engine;
}
namespace voltaro::ui {
class GadgetWindow;
}

namespace voltaro::app {

class MainWindow;

// The exit status when a gadget skin cannot be used.
inline constexpr int kGadgetSkinStatus = 3;

// Returns 0, or the exit status of a start-up error (the program ends).
// Without a gadget window the program runs without a gadget.
int startProgram(engine::Engine& engine, MainWindow& window, ui::GadgetWindow* gadget = nullptr);

}  // namespace voltaro::app
