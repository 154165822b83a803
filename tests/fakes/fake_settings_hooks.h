// Settings hooks that record every call in order, with a copy of the watched
// settings at each gadget re-layout (which is when the program saves).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/app_settings.h"
#include "settings/settings_hooks.h"

namespace voltaro::fakes {

class FakeSettingsHooks : public settings::SettingsHooks {
 public:
  struct Asked {
    std::uint8_t code;
    view::ConfirmationTexts texts;
    view::ConfirmationMode mode;
  };

  // The record the re-layout snapshots; may stay null.
  const settings::AppSettings* watched = nullptr;

  void setTrayCheck(settings::TrayCheck item, bool checked) override {
    calls.push_back(check(item, checked));
  }
  void checkOpacityItem(int percent) override {
    calls.push_back("opacity item " + std::to_string(percent));
  }
  void checkPriorityItem(int priority) override {
    calls.push_back("priority item " + std::to_string(priority));
  }
  void showGadget() override { calls.push_back("show gadget"); }
  void setGadgetStayOnTop(bool onTop) override {
    calls.push_back(std::string("gadget on top ") + (onTop ? "1" : "0"));
  }
  void relayoutGadget() override {
    calls.push_back("relayout");
    if (watched != nullptr) atRelayout.push_back(*watched);
  }
  void applyGadgetOpacity() override { calls.push_back("apply opacity"); }
  void setAutoRun(bool on) override { calls.push_back(std::string("autorun ") + (on ? "1" : "0")); }
  void applyProcessPriority() override { calls.push_back("apply priority"); }
  void redrawSettingsPages() override { calls.push_back("redraw pages"); }
  void askConfirmation(std::uint8_t code, const view::ConfirmationTexts& texts,
                       view::ConfirmationMode mode) override {
    asked.push_back(Asked{code, texts, mode});
  }

  static std::string check(settings::TrayCheck item, bool checked) {
    return "check " + std::to_string(static_cast<int>(item)) + "=" + (checked ? "1" : "0");
  }

  std::vector<std::string> calls;
  std::vector<settings::AppSettings> atRelayout;
  std::vector<Asked> asked;
};

}  // namespace voltaro::fakes
