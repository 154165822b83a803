// What `voltaroctl watch` and `simulate` print: every change of a shown
// left-column value, of the tray hint, each notice and status-line text, one
// line each behind a time stamp.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "platform/runtime.h"

#include "view/shown_texts.h"
#include "view/status_line.h"
#include "view/tray_port.h"

namespace voltaro::tools {

class ChangePrinter : public view::TrayPort, public view::StatusLine {
 public:
  ChangePrinter(std::ostream& out, std::function<std::string()> stamp);

  // Prints the changes of "Charge", "Time", "Cycles", "Wear" and "Mode".
  void attach(view::ShownTexts& texts);
  // A line of its own: what the scenario did ("> unplug").
  void note(const std::string& text);
  // Any other line behind the stamp.
  void line(const std::string& text) { print(text); }
  // Told of every change of a shown text, after the printer has seen it.
  std::function<void(view::Page, const std::string&, const std::string&)> alsoWatch;
  int linesPrinted() const { return lines_; }

  // TrayPort: the hint when it changes, each balloon as a notice.
  void setHint(const std::string& hint) override;
  void setIcon(int) override {}
  void showBalloon(const std::string& title, const std::string& text, view::BalloonIcon icon,
                   std::uint32_t timeoutMilliseconds) override;
  // StatusLine.
  void show(const std::string& text) override;

  // "a\r\nb" as "a | b".
  static std::string oneLine(const std::string& text);

 private:
  void print(const std::string& text);

  std::ostream& out_;
  std::function<std::string()> stamp_;
  std::string hint_;
  int lines_ = 0;
};

// Prints when the monitoring tick stops (suspend, no battery) and runs again.
class TickWatch {
 public:
  TickWatch(platform::Runtime& runtime, ChangePrinter& printer, std::function<bool()> running);

 private:
  std::unique_ptr<platform::Timer> timer_;
  bool wasRunning_ = false;
};

}  // namespace voltaro::tools
