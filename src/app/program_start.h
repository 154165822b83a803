// The last steps of the start-up once the windows and the engine exist: the
// main window's creation, the window shown only on the very first run, and
// the start of monitoring.
#pragma once

namespace voltaro::engine {
class Engine;
}

namespace voltaro::app {

class MainWindow;

// Returns 0, or the exit status of a start-up error (the program ends).
int startProgram(engine::Engine& engine, MainWindow& window);

}  // namespace voltaro::app
