// The main window on the whole engine: simulated services on virtual time,
// recording fakes for the dialogs, and the real window as the status line,
// graph and window port. A temporary Documents folder holds the data folder.
#pragma once

#include <QEvent>
#include <filesystem>
#include <memory>

#include "app/main_window.h"
#include "app/skin_image.h"
#include "app/tray_icon_menu.h"
#include "engine/engine.h"
#include "engine/engine_harness.h"
#include "fakes/fake_advice.h"
#include "fakes/fake_audio.h"
#include "fakes/fake_confirmation.h"
#include "fakes/fake_error_box.h"
#include "fakes/fake_error_report.h"
#include "fakes/fake_file_dialog.h"
#include "fakes/fake_folders.h"
#include "fakes/fake_parameters.h"
#include "fakes/fake_tray.h"
#include "fakes/temporary_folder.h"
#include "platform/sim/sim_battery_driver.h"
#include "platform/sim/sim_display.h"
#include "platform/sim/sim_power.h"
#include "platform/sim/sim_power_events.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_system_times.h"
#include "platform/sim/virtual_runtime.h"
#include "ui/gadget_window.h"
#include "ui/qt_tray.h"

namespace voltaro::testing {

class WindowHarness {
 public:
  // `withGadget`: the engine has the desktop gadget, whose creation the
  // start of monitoring waits for.
  explicit WindowHarness(const std::filesystem::path& documents, bool withGadget = false);
  // formCreate, the first-run rule and the start of monitoring.
  int start();

  engine::Engine& engine() { return *engine_; }
  settings::AppSettings& settings() { return engine_->settings(); }

  // A left-button press and release on control `number` at (x, y) of the
  // control, with the release at (releaseX, releaseY).
  void click(int number, int x = 13, int y = 13);
  void pressAndRelease(int number, QPoint press, QPoint release,
                       Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // One mouse event on any widget of the window.
  static void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons);

  platform::sim::VirtualRuntime runtime;
  fakes::FakeAudio audio;
  fakes::FakeFolders folders;
  std::unique_ptr<engine::ServiceSet> services;
  platform::sim::SimBatteryDriver& driver;
  platform::sim::SimDisplay& display;
  platform::sim::SimPower& power;
  platform::sim::SimShell& shell;
  fakes::FakeTray tray;
  fakes::FakeErrorReport errors;
  fakes::FakeErrorBox errorBox;
  fakes::FakeConfirmation confirmation;
  fakes::FakeAdvice advice;
  fakes::FakeFileDialog fileDialogs;
  fakes::FakeParameters parameters;
  app::MainWindow window{96.0};
  ui::QtTray qtTray;
  app::TrayIconMenu trayMenu{qtTray, window};
  ui::GadgetWindow gadget;

 private:
  std::unique_ptr<engine::Engine> engine_;
};

}  // namespace voltaro::testing
