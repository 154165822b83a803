// The ports of a simulated calibration or fast-discharge run: dialogs and
// messages are printed with the simulated clock, the shell runs nothing and
// lists three power plans, and the workers read the virtual clock.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/shell.h"
#include "platform/threads.h"
#include "view/confirmation_port.h"
#include "view/parameters_port.h"
#include "view/status_line.h"
#include "view/tray_port.h"

namespace voltaro::tools::sim {

// Prints one line stamped with the simulated clock.
class Printer {
 public:
  Printer(std::ostream& out, std::function<std::string()> clock)
      : out_(out), clock_(std::move(clock)) {}
  void line(const std::string& text) { out_ << clock_() << "  " << text << "\n"; }

 private:
  std::ostream& out_;
  std::function<std::string()> clock_;
};

// Which window an open question belongs to.
enum class OpenDialog : std::uint8_t { None, Confirmation, Parameters };

class PrintingConfirmation : public view::ConfirmationPort {
 public:
  explicit PrintingConfirmation(Printer& printer) : printer_(printer) {}
  void showConfirmation(const view::ConfirmationTexts& texts,
                        view::ConfirmationMode mode) override {
    std::string text = (mode == view::ConfirmationMode::YesNo ? "question " : "notice ") +
                       texts.title + ": " + texts.line0;
    for (const auto* line : {&texts.line1, &texts.line2}) {
      if (!line->empty()) text += " / " + *line;
    }
    printer_.line(text);
    if (onShown) onShown(OpenDialog::Confirmation);
  }
  std::function<void(OpenDialog)> onShown;

 private:
  Printer& printer_;
};

class PrintingParameters : public view::ParametersPort {
 public:
  explicit PrintingParameters(Printer& printer) : printer_(printer) {}
  void fill(const view::ParametersContent& c) override { content_ = c; }
  void show() override {
    printer_.line("parameters: plan " + content_.activePlan + ", charge " + content_.chargeLevel +
                  ", low action " + content_.lowAction + ", critical level " +
                  content_.criticalLevel + ", critical action " + content_.criticalAction +
                  ", reserve " + content_.reserveLevel + " / " + content_.question);
    visible = true;
    if (onShown) onShown(OpenDialog::Parameters);
  }
  void hide() override { visible = false; }
  bool visible = false;
  std::function<void(OpenDialog)> onShown;

 private:
  Printer& printer_;
  view::ParametersContent content_;
};

class PrintingStatusLine : public view::StatusLine, public view::ErrorReport {
 public:
  explicit PrintingStatusLine(Printer& printer) : printer_(printer) {}
  void show(const std::string& text) override { printer_.line("status line: " + text); }
  void report(const std::string& message) override { printer_.line("error: " + message); }

 private:
  Printer& printer_;
};

class PrintingTray : public view::TrayPort {
 public:
  explicit PrintingTray(Printer& printer) : printer_(printer) {}
  void setHint(const std::string&) override {}
  void setIcon(int) override {}
  void showBalloon(const std::string& title, const std::string& text, view::BalloonIcon,
                   std::uint32_t) override {
    printer_.line("balloon " + title + ": " + text);
  }

 private:
  Printer& printer_;
};

class SilentAudio : public platform::Audio {
 public:
  void play(platform::Clip) override {}
  std::optional<int> masterVolume() override { return std::nullopt; }
  bool setMasterVolume(int) override { return false; }
  bool setMuted(bool) override { return false; }
};

// Runs nothing: prints each command and lists three plans, the second one
// active, in the plan tool's wording.
class PrintingShell : public platform::Shell {
 public:
  explicit PrintingShell(Printer& printer) : printer_(printer) {}
  bool openFile(const std::string& target) override {
    printer_.line("open " + target);
    return true;
  }
  bool openTextFile(const std::string& path) override {
    printer_.line("edit " + path);
    return true;
  }
  bool openPowerSettings(platform::PowerSettingsView) override {
    printer_.line("open power settings");
    return true;
  }
  bool runAndWait(bool elevate, const std::string& program,
                  const std::vector<std::string>& arguments, const std::string&) override {
    std::string text = std::string(elevate ? "run elevated " : "run ") + program;
    for (const auto& a : arguments) text += " " + a;
    printer_.line(text);
    return true;
  }
  std::string captureOutput(const std::string&, const std::vector<std::string>&,
                            const std::string&) override {
    return "Power Scheme GUID: 381b4222-f694-41f0-9685-ff5bb260df2e  (Balanced)\r\n"
           "Power Scheme GUID: 8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c  (High performance) *\r\n"
           "Power Scheme GUID: a1841308-3541-4fab-bc81-f71556f20b4a  (Power saver)\r\n";
  }

 private:
  Printer& printer_;
};

// The workers' clock follows the virtual clock, set by the simulation loop.
class VirtualWorkerClock : public platform::WorkerThreads {
 public:
  std::int64_t steadyNanoseconds() const override {
    return platform::steadyNanosecondsOf(now_.load());
  }
  bool raiseCurrentThreadPriority() override {
    ++raises;
    return true;
  }
  void setNow(DayTime value) { now_.store(value); }
  std::atomic<int> raises{0};

 private:
  std::atomic<DayTime> now_{0};
};

}  // namespace voltaro::tools::sim
