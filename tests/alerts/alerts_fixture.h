// The alerts subsystem wired to simulated services on virtual time, with one
// journal of every request across the services, each stamped with the
// virtual time in milliseconds ("1550 setBrightness 2 40 40").
#pragma once

#include <string>
#include <vector>

#include "alerts/alert_rules.h"
#include "alerts/alerts_page.h"
#include "alerts/brightness_control.h"
#include "alerts/system_actions.h"
#include "dialogs/pending_dialog.h"
#include "fakes/fake_audio.h"
#include "fakes/fake_error_report.h"
#include "fakes/fake_file_dialog.h"
#include "platform/sim/sim_display.h"
#include "platform/sim/sim_power.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/virtual_runtime.h"
#include "view/shown_texts.h"

namespace voltaro::alerts::testing {

class Journal {
 public:
  explicit Journal(platform::sim::VirtualRuntime& runtime) : runtime_(runtime) {}
  void add(const std::string& entry) {
    entries.push_back(std::to_string(runtime_.elapsedMilliseconds()) + " " + entry);
  }
  std::vector<std::string> entries;

 private:
  platform::sim::VirtualRuntime& runtime_;
};

class JournalAudio : public fakes::FakeAudio {
 public:
  explicit JournalAudio(Journal& journal) : journal_(journal) {}
  void play(platform::Clip clip) override {
    journal_.add("play " + std::to_string(static_cast<int>(clip)));
    FakeAudio::play(clip);
  }
  bool setMasterVolume(int percent) override {
    journal_.add("volume " + std::to_string(percent));
    return FakeAudio::setMasterVolume(percent);
  }

 private:
  Journal& journal_;
};

class JournalConfirmation : public view::ConfirmationPort {
 public:
  explicit JournalConfirmation(Journal& journal) : journal_(journal) {}
  void showConfirmation(const view::ConfirmationTexts& texts,
                        view::ConfirmationMode mode) override {
    journal_.add("message " + texts.title);
    shown.push_back(texts);
    modes.push_back(mode);
  }
  std::vector<view::ConfirmationTexts> shown;
  std::vector<view::ConfirmationMode> modes;

 private:
  Journal& journal_;
};

class JournalHooks : public AlertsHooks {
 public:
  explicit JournalHooks(Journal& journal) : journal_(journal) {}
  void bringGadgetToFront() override { journal_.add("gadget"); }
  void saveSettings() override {
    journal_.add("save");
    ++saves;
  }
  int saves = 0;

 private:
  Journal& journal_;
};

struct AlertsWorld {
  AlertsWorld() {
    display.observer = [this](const std::string& c) { journal.add(c); };
    power.observer = [this](const std::string& c) { journal.add(c); };
    planTool.observer = [this](const std::string& c) { journal.add(c); };
    shell.observer = [this](const std::string& c) { journal.add(c); };
    display.supportedLevels = {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
  }

  // Entries other than brightness queries and the device opening.
  std::vector<std::string> requests() const {
    std::vector<std::string> out;
    for (const auto& e : journal.entries) {
      if (e.find("queryBrightness") == std::string::npos &&
          e.find("openBrightness") == std::string::npos) {
        out.push_back(e);
      }
    }
    return out;
  }

  platform::sim::VirtualRuntime runtime;
  Journal journal{runtime};
  settings::AppSettings settings;
  view::ShownTexts texts;
  platform::sim::SimDisplay display;
  platform::sim::SimPower power;
  platform::sim::SimPowerPlanTool planTool;
  JournalAudio audio{journal};
  platform::sim::SimShell shell;
  fakes::FakeErrorReport errors;
  fakes::FakeStatusLine status;
  fakes::FakeFileDialog files;
  JournalConfirmation confirmation{journal};
  dialogs::DialogHooks dialogHooks;
  dialogs::PendingDialog dialog{confirmation, runtime, dialogHooks};
  JournalHooks hooks{journal};
  BrightnessControl brightness{display, audio, runtime, settings, texts};
  SystemActions actions{display, audio, power, planTool, shell, settings, status, errors};
  AlertRules rules{settings, runtime, audio, brightness, actions, dialog, hooks};
  AlertsPage page{settings, rules, brightness, audio, files, texts, hooks};
};

}  // namespace voltaro::alerts::testing
