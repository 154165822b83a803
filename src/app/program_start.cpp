#include "app/program_start.h"

#include <QCoreApplication>
#include <cstdio>

#include "app/gadget_start.h"
#include "app/main_window.h"
#include "engine/engine.h"
#include "view/error_box.h"

namespace voltaro::app {

int startProgram(engine::Engine& engine, MainWindow& window, ui::GadgetWindow* gadget) {
  const int status = engine.formCreate();
  if (status != 0) return status;
  // Monitoring starts once the gadget exists; without its skins the
  // program cannot show it and ends here.
  if (gadget != nullptr) {
    if (auto error = createGadget(*gadget, QCoreApplication::applicationDirPath())) {
      std::fprintf(stderr, "voltaro: %s\n", error->c_str());
      engine.ports().errorBox.showError(*error);
      return kGadgetSkinStatus;
    }
  }
  // Without a settings file this is the first run: the user sees the window
  // once; every later start stays in the tray.
  if (engine.firstRun()) window.showFromTray();
  engine.enableMonitoring();
  return 0;
}

}  // namespace voltaro::app
