// The commands of the main window's skinned controls and keys, and the extra
// work of showing a page, on the engine and the window that shows them.
#pragma once

#include "frontend/main_window/control_layout.h"
#include "frontend/main_window/gauge_drawing.h"

namespace voltaro::engine {
class Engine;
}

namespace voltaro::frontend::main_window {

class WindowHost;

// A top-bar page button: shows its page unless it is current. False when
// `number` shows no page.
bool runPageButton(WindowHost& window, int number);
// Runs control `number`'s command, as a release on it does; `shift` steps
// the alert levels by ten.
void runControl(engine::Engine& engine, WindowHost& window, int number, bool shift);
// The main window's keyboard table for one pressed character.
void pressKey(engine::Engine& engine, WindowHost& window, char key);

// Before the panels change: false when nothing at all may happen (the Graph
// page is already in view); otherwise waits briefly for a tick in progress
// when the Graph page comes into view.
bool prepareShowPage(engine::Engine& engine, PageNumber page, bool graphInView);
// After the panels changed: the page's own extra work (the brightness query
// of the Settings and Alerts pages, the Calibrate page's figures, the graph).
void finishShowPage(engine::Engine& engine, WindowHost& window, PageNumber page);

// What the left column's gauge shows.
struct GaugeFigures {
  int level = 0;              // min(round(charge percent), 100)
  bool chargingCase = false;  // on power and charging below 100 %
  GaugeMode mode = GaugeMode::Normal;
};
GaugeFigures gaugeFigures(engine::Engine& engine);

}  // namespace voltaro::frontend::main_window
