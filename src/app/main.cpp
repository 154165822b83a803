// The program entry: one copy per user, the engine on the Linux services (or
// a simulated battery with VOLTARO_SIMULATE=FILE), the main window, the
// desktop gadget, the dialogs and the tray icon with its menu, then the event
// loop.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <span>

#include "alerts/sounds.h"
#include "app/main_window.h"
#include "app/program_options.h"
#include "app/program_services.h"
#include "app/program_start.h"
#include "app/session_end.h"
#include "app/tray_icon_menu.h"
#include "common/scramble.h"
#include "engine/engine.h"
#include "ui/autostart_entry.h"
#include "ui/dialog_windows.h"
#include "ui/gadget_window.h"
#include "ui/qt_ports.h"
#include "ui/qt_tray.h"
#include "ui/single_instance.h"

using namespace voltaro;

namespace {
// The start-up timer: 11 ticks at 3 s, then ticks at 30 s until the 40th,
// each making the tray icon visible again in case the tray was recreated.
void startTrayKeeper(ui::QtTray& tray, QObject* owner) {
  auto* timer = new QTimer(owner);
  timer->setInterval(3000);
  // The count lives in the connection, so it goes with the timer however the
  // program ends.
  QObject::connect(timer, &QTimer::timeout, owner, [timer, &tray, count = 0]() mutable {
    const int before = count++;
    if (count >= 40) {
      timer->stop();
      timer->deleteLater();
      return;
    }
    if (before == 10) timer->setInterval(30000);
    tray.makeVisible();
  });
  timer->start();
}
}  // namespace

int main(int argc, char** argv) {
  if (const auto answered = app::answerWithoutDisplay(
          std::span<char* const>(argv, static_cast<std::size_t>(argc)), std::cout)) {
    return *answered;
  }
  // The skin is drawn in pixels; a 1.25 screen keeps it at its size, sharp.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  QApplication application(argc, argv);
  const QString title = QString::fromStdString(productTitle());
  application.setApplicationName(title);
  application.setApplicationDisplayName(title);
  application.setQuitOnLastWindowClosed(false);

  ui::SingleInstance guard(title);
  if (!guard.acquire()) return 0;

  app::ProgramServices platform;
  if (!platform.scenarioError().empty()) {
    std::fprintf(stderr, "voltaro: scenario: %s\n", platform.scenarioError().c_str());
    return 2;
  }
  const double dpi =
      application.primaryScreen() ? application.primaryScreen()->logicalDotsPerInch() : 96.0;
  ui::QtTray tray;
  ui::QtErrorReport errors;
  ui::QtErrorBox errorBox;
  app::MainWindow window(dpi);
  ui::GadgetWindow gadget;
  ui::ConfirmationWindow confirmation;
  ui::AdviceWindow advice;
  ui::ParametersWindow parameters;
  ui::QtFileDialogs fileDialogs(&window);
  app::TrayIconMenu trayMenu(tray, window);
  engine::Engine engine(platform.services(),
                        engine::PresentationPorts{tray, window, errors, errorBox, confirmation,
                                                  advice, fileDialogs, window, window, &parameters,
                                                  &gadget.controller(), &trayMenu.port()});
  platform.onAcPowerHint = [&engine] { return engine.live().onPower; };

  auto click = [&engine] {
    alerts::playClip(engine.services().audio, engine.settings(), platform::Clip::Click);
  };
  window.clickSound = click;
  for (ui::SkinnedDialog* dialog :
       {static_cast<ui::SkinnedDialog*>(&confirmation), static_cast<ui::SkinnedDialog*>(&advice),
        static_cast<ui::SkinnedDialog*>(&parameters)}) {
    dialog->buttonPressed = click;
    dialog->mainWindowVisible = [&window] { return window.isVisible(); };
    dialog->mainWindowFrame = [&window] { return window.frameGeometry(); };
  }
  confirmation.answeredYes = [&engine] { engine.dialog().answerYes(); };
  confirmation.answeredNo = [&engine] { engine.dialog().answerNo(); };
  parameters.answeredYes = [&engine] { engine.calibration().parametersYes(); };
  parameters.answeredNo = [&engine] { engine.calibration().parametersNo(); };
  ui::AutostartEntry autostart(ui::AutostartEntry::defaultFolder(),
                               QCoreApplication::applicationFilePath());
  window.autoRunChanged = [&autostart](bool on) { autostart.setAutoRun(on); };
  window.attach(engine);
  gadget.controller().attach(engine);
  gadget.mainWindowRequested = [&window] { window.showFromTray(); };

  tray.setHint(productTitle());
  tray.setIcon(14);
  trayMenu.attach(engine);
  // The gadget's right-click menu is the notification-area menu itself.
  gadget.contextMenuRequested = [&trayMenu](QPoint at) { trayMenu.openMenu(at.x(), at.y()); };
  tray.makeVisible();
  QObject::connect(&guard, &ui::SingleInstance::activationRequested, &window,
                   [&window] { window.showFromTray(); });
  startTrayKeeper(tray, &window);

  const int status = app::startProgram(engine, window, &gadget);
  if (status != 0) return status;
  platform.startScenario(engine);
  app::SessionEnd sessionEnd([&engine] { engine.exitProcedure(); },
                             [&engine] { engine.saveSettings(); });
  const int result = QApplication::exec();
  engine.formDestroy();
  return result;
}
