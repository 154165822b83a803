#include "app/window_harness.h"

#include <QApplication>
#include <QMouseEvent>

#include "app/program_start.h"

namespace voltaro::testing {

WindowHarness::WindowHarness(const std::filesystem::path& documents, bool withGadget)
    : services(bareSimulatedServices(runtime, audio, folders)),
      driver(services->machine().driver),
      display(services->machine().display),
      power(services->machine().power),
      shell(services->machine().shell) {
  folders.documents = documents.string();
  folders.shared = documents.string();
  driver.setBattery(1, 41);
  display.supportedLevels = {20, 40, 60, 80, 100};
  engine_ = std::make_unique<engine::Engine>(
      services->services(),
      engine::PresentationPorts{tray, window, errors, errorBox, confirmation, advice, fileDialogs,
                                window, window, &parameters,
                                withGadget ? &gadget.controller() : nullptr, &trayMenu.port()});
  window.clickSound = [this] { audio.play(platform::Clip::Click); };
  window.attach(*engine_);
  trayMenu.attach(*engine_);
  if (withGadget) gadget.controller().attach(*engine_);
}

int WindowHarness::start() {
  return app::startProgram(*engine_, window);
}

namespace {
void send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
          Qt::KeyboardModifiers modifiers) {
  const QPointF local(at);
  const QPointF global = QPointF(target->mapToGlobal(at));
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, local, local, global, button, buttons, modifiers);
  QApplication::sendEvent(target, &event);
}
}  // namespace

void WindowHarness::pressAndRelease(int number, QPoint press, QPoint release,
                                    Qt::KeyboardModifiers modifiers) {
  QWidget* image = window.control(number);
  send(image, QEvent::MouseButtonPress, press, Qt::LeftButton, modifiers);
  if (release != press) send(image, QEvent::MouseMove, release, Qt::LeftButton, modifiers);
  send(image, QEvent::MouseButtonRelease, release, Qt::NoButton, modifiers);
}

void WindowHarness::sendMouse(QWidget* target, QEvent::Type type, QPoint at,
                              Qt::MouseButtons buttons) {
  send(target, type, at, buttons, Qt::NoModifier);
}

void WindowHarness::click(int number, int x, int y) {
  pressAndRelease(number, {x, y}, {x, y});
}

}  // namespace voltaro::testing
