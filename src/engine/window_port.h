// What the engine asks of the program's main window beyond the texts: the
// pages' pictures, the start-with-the-system entry and the end of the
// program. The Qt program implements it; every default does nothing, so
// voltaroctl and the tests run the engine without windows.
#pragma once

namespace voltaro::engine {

class WindowPort {
 public:
  virtual ~WindowPort() = default;

  virtual bool calibratePageVisible() { return false; }
  virtual bool homePageVisible() { return false; }
  virtual void redrawSettingsPages() {}
  // Redraws the skinned control with this number (1..90).
  virtual void redrawControl(int /*number*/) {}
  virtual void redrawPriorityRadios() {}
  virtual void drawgauge() {}
  virtual void showAdviceWindow() {}

  // The start-with-the-system entry.
  virtual void setAutoRun(bool /*on*/) {}

  // The exit procedure is done: end the message loop.
  virtual void quit() {}
};

}  // namespace voltaro::engine
