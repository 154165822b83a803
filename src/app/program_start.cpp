#include "app/program_start.h"

#include "app/main_window.h"
#include "engine/engine.h"

namespace voltaro::app {

int startProgram(engine::Engine& engine, MainWindow& window) {
  const int status = engine.formCreate();
  if (status != 0) return status;
  // Without a settings file this is the first run: the user sees the window
  // once; every later start stays in the tray.
  if (engine.firstRun()) window.showFromTray();
  engine.enableMonitoring();
  return 0;
}

}  // namespace voltaro::app
