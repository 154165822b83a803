// The whole engine as voltaroctl runs it: the given runtime and battery
// driver, a folders port over a chosen Documents base (or the user's own),
// silent sound, the simulated display, power, plan tool, shell, power
// notifications and processor times, and windows that nobody sees. What the
// program would show in its tray and status line goes to the ports handed in.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "engine/engine.h"
#include "engine/window_port.h"
#include "history/graph_port.h"
#include "monitor_session.h"
#include "platform/folders.h"
#include "platform/sim/sim_display.h"
#include "platform/sim/sim_power.h"
#include "platform/sim/sim_power_events.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_system_times.h"
#include "view/advice_port.h"
#include "view/confirmation_port.h"
#include "view/error_box.h"
#include "view/file_dialog_port.h"
#include "view/status_line.h"
#include "view/tray_port.h"

namespace voltaro::tools {

// A folders port whose Documents base is one given folder (`--data DIR`);
// there is no fallback base, so an unwritable DIR is the start-up error 2.
class DocumentsFolders : public platform::Folders {
 public:
  explicit DocumentsFolders(std::filesystem::path documents);

  std::optional<std::string> documentsFolder() override { return documents_; }
  std::optional<std::string> sharedFolder() override { return std::nullopt; }
  std::optional<std::string> programFolder() override { return std::nullopt; }
  char separator() const override;
  // Gives the owner write permission on every file of `folder`.
  void normaliseFileAttributes(const std::string& folder) override;

 private:
  std::string documents_;
};

// The folders port of `--data DIR`, or the user's own when `dataBase` is
// empty; nullptr with a message in `error` where this build has none.
std::unique_ptr<platform::Folders> makeFolders(const std::string& dataBase, std::string& error);

class SilentTray : public view::TrayPort {
 public:
  void setHint(const std::string&) override {}
  void setIcon(int) override {}
  void showBalloon(const std::string&, const std::string&, view::BalloonIcon,
                   std::uint32_t) override {}
};

class SilentStatusLine : public view::StatusLine {
 public:
  void show(const std::string&) override {}
};

// The program's error reports and start-up error boxes, one line each on a
// stream (standard error), counted so a command can fail when one came.
class ConsoleErrors : public view::ErrorReport, public view::ErrorBox {
 public:
  explicit ConsoleErrors(std::ostream& err) : err_(err) {}
  void report(const std::string& message) override;
  void showError(const std::string& text) override;
  int count() const { return count_; }

 private:
  std::ostream& err_;
  int count_ = 0;
};

// Questions nobody answers, advice nobody reads, file dialogs cancelled at
// once, a graph nobody draws.
class UnseenConfirmation : public view::ConfirmationPort {
 public:
  void showConfirmation(const view::ConfirmationTexts&, view::ConfirmationMode) override {}
};
class UnseenAdvice : public view::AdvicePort {
 public:
  void fill(const view::AdviceContent&) override {}
  void show() override {}
  void bringToFront() override {}
};
class CancelledFileDialogs : public view::FileDialogPort {
 public:
  std::optional<std::string> openFile(const view::FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<std::string> saveFile(const view::FileDialogRequest&) override {
    return std::nullopt;
  }
};
class UndrawnGraph : public history::GraphPort {
 public:
  void drawAxes() override {}
  void redraw() override {}
};

struct EngineSessionPorts {
  platform::Runtime& runtime;
  platform::BatteryDriver& driver;
  platform::Folders& folders;
  view::TrayPort& tray;
  view::StatusLine& statusLine;
  ConsoleErrors& errors;
};

class EngineSession {
 public:
  explicit EngineSession(const EngineSessionPorts& ports);
  ~EngineSession();
  EngineSession(const EngineSession&) = delete;
  EngineSession& operator=(const EngineSession&) = delete;

  // The main window's creation (formCreate): 0, or the start-up error's
  // exit status after its message.
  int create();
  // The last window exists: monitoring starts a moment later.
  void enableMonitoring() { engine_.enableMonitoring(); }

  engine::Engine& engine() { return engine_; }
  platform::sim::SimPowerEvents& powerEvents() { return powerEvents_; }

 private:
  platform::sim::SimPowerEvents powerEvents_;
  platform::sim::SimSystemTimes systemTimes_{1};
  MutedAudio audio_;
  platform::sim::SimDisplay display_;
  platform::sim::SimPower power_;
  platform::sim::SimPowerPlanTool planTool_;
  platform::sim::SimShell shell_;
  UnseenConfirmation confirmation_;
  UnseenAdvice advice_;
  CancelledFileDialogs fileDialogs_;
  UndrawnGraph graph_;
  engine::WindowPort window_;
  engine::Engine engine_;
};

}  // namespace voltaro::tools
