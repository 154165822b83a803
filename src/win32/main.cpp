// The Windows program's entry: one copy per user session, the engine on the
// system's batteries (or a simulated battery with VOLTARO_SIMULATE=FILE), the
// main window, the tray icon with its menu and the message boxes, then the
// message loop on the program's thread.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "alerts/sounds.h"
#include "canvas/gdiplus_session.h"
#include "common/scramble.h"
#include "engine/engine.h"
#include "engine/service_set.h"
#include "engine/windows_system_actions.h"
#include "frontend/tray_menu/menu_model.h"
#include "frontend/tray_menu/tray_menu_checks.h"
#include "frontend/tray_menu/tray_menu_commands.h"
#include "frontend/tray_menu/tray_menu_tree.h"
#include "gadget/skin_files.h"
#include "platform/windows/win32_audio.h"
#include "platform/windows/win32_http.h"
#include "scenario/scenario_run.h"
#include "scenario/scenario_script.h"
#include "win32/single_instance.h"
#include "win32/win32_art.h"
#include "win32/win32_dialogs.h"
#include "win32/win32_gadget_window.h"
#include "win32/win32_main_window.h"
#include "win32/win32_runtime.h"
#include "win32/win32_tray.h"

using namespace voltaro;

namespace {
struct ScenarioHost final : scenario::ScenarioHost {
  engine::Engine* running = nullptr;
  engine::Engine* engine() override { return running; }
};

// The folder of voltaro.exe, where its gadget skins are installed.
std::string programFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::filesystem::path(std::wstring(path, length)).parent_path().string();
}

// The gadget's skins beside the program and its charging symbols from the
// program's resources; a message for the user when one cannot be used.
std::optional<std::string> createGadget(win32::Win32GadgetWindow& gadget) {
  gadget::GadgetSkins skins;
  if (auto error = gadget::loadSkinFiles({programFolder()}, skins)) return error;
  for (const bool small : {false, true}) {
    const std::string name = small ? "gadget_charging_small" : "gadget_charging_large";
    if (auto error = gadget::loadChargingSymbol(win32::resourceBytes(name), small, name, skins)) {
      return error;
    }
  }
  gadget.controller().formCreate(std::move(skins));
  return std::nullopt;
}

// The start-up keeper: the icon is added again every 3 s for the first 11
// ticks, then every 30 s until the 40th, in case the tray was recreated.
void keepTrayVisible(platform::Timer& timer, win32::Win32Tray& tray) {
  timer.setInterval(3000);
  timer.setHandler([&timer, &tray, count = 0]() mutable {
    const int before = count++;
    if (count >= 40) {
      timer.setEnabled(false);
      return;
    }
    if (before == 10) timer.setInterval(30000);
    tray.makeVisible();
  });
  timer.setEnabled(true);
}
}  // namespace

int main() {
  win32::SingleInstance guard;
  if (!guard.acquire()) return 0;
  canvas::GdiplusSession gdiplus;
  win32::Win32Runtime runtime;

  const char* scenarioFile = std::getenv("VOLTARO_SIMULATE");
  const bool simulated = scenarioFile != nullptr && *scenarioFile != '\0';
  // The clips are the program's own resources.
  std::array<std::vector<std::uint8_t>, platform::windows::Win32Audio::kClipCount> clips;
  for (std::size_t i = 0; i < clips.size(); ++i) {
    const auto bytes = win32::resourceBytes("clip" + std::to_string(i + 1));
    clips[i].assign(bytes.begin(), bytes.end());
  }
  platform::windows::Win32Audio audio(std::move(clips), runtime.window());
  engine::ServiceChoice choice;
  choice.audio = &audio;
  choice.batteries = simulated ? engine::Batteries::Simulated : engine::Batteries::System;
  choice.actions = simulated ? engine::Actions::Simulated : engine::Actions::System;
  choice.systemActions = engine::makeWindowsSystemActions;
  choice.documents = engine::Documents::User;
  std::string error;
  auto services = engine::ServiceSet::create(runtime, choice, error);
  if (!services) {
    std::fprintf(stderr, "voltaro: %s\n", error.c_str());
    return 2;
  }
  scenario::ScenarioScript script;
  if (simulated) {
    scenario::ScenarioReading reading =
        scenario::readScenarioFile(scenarioFile, services->machine().driver);
    if (!reading.ok()) {
      std::fprintf(stderr, "voltaro: scenario: %s\n", reading.error->text().c_str());
      return 2;
    }
    script = std::move(reading.script);
  }

  win32::Win32Art art;
  win32::Win32MainWindow window(art);
  frontend::tray_menu::MenuModel menuModel(frontend::tray_menu::buildTrayMenu());
  frontend::tray_menu::TrayMenuChecks checks(menuModel);
  win32::Win32Tray tray(art, menuModel);
  win32::TrayPages pages(window, [&tray](int x, int y) { tray.openMenu(x, y); });
  win32::Win32Errors errors;
  win32::Win32Confirmation confirmation(runtime);
  win32::Win32Advice advice(runtime);
  win32::Win32FileDialogs fileDialogs;
  win32::Win32Parameters parameters(runtime);
  platform::windows::Win32Http http;
  win32::Win32GadgetWindow gadget;

  engine::PlatformServices platformServices = services->services();
  platformServices.http = &http;
  // The update check's worker hands its result to the program's thread.
  platformServices.postToProgramThread = [&runtime](std::function<void()> event) {
    runtime.post(std::move(event));
  };
  engine::Engine engine(
      platformServices,
      engine::PresentationPorts{tray, window, errors, errors, confirmation, advice, fileDialogs,
                                window, window, &parameters, &gadget.controller(), &checks});
  services->setOnAcPower([&engine] { return engine.live().onPower; });
  confirmation.answeredYes = [&engine] { engine.dialog().answerYes(); };
  confirmation.answeredNo = [&engine] { engine.dialog().answerNo(); };
  parameters.answeredYes = [&engine] { engine.calibration().parametersYes(); };
  parameters.answeredNo = [&engine] { engine.calibration().parametersNo(); };

  frontend::tray_menu::TrayMenuCommands commands(engine, checks, pages);
  tray.chosen = [&commands](frontend::tray_menu::ItemId id) { commands.run(id); };
  tray.aboutToOpen = [&commands] { commands.PopupMenu1Popup(); };
  tray.clicked = [&commands] {
    POINT cursor{};
    GetCursorPos(&cursor);
    commands.CoolTrayIcon1Click(cursor.x, cursor.y);
  };
  tray.doubleClicked = [&commands] { commands.CoolTrayIcon1DblClick(); };
  window.clickSound = [&engine] {
    alerts::playClip(engine.services().audio, engine.settings(), platform::Clip::Click);
  };
  window.pageShown = [&checks](frontend::main_window::PageNumber page) {
    checks.checkPage(static_cast<int>(page));
  };
  window.attach(engine);
  window.sessionEnding = [&engine] { engine.exitProcedure(); };
  gadget.controller().attach(engine);
  gadget.mainWindowRequested = [&window] { window.showFromTray(); };
  // The gadget's right-click menu is the notification-area menu itself.
  gadget.contextMenuRequested = [&tray](int x, int y) { tray.openMenu(x, y); };

  tray.setHint(productTitle());
  tray.setIcon(14);
  tray.makeVisible();
  auto keeper = runtime.createTimer();
  keepTrayVisible(*keeper, tray);

  const int status = engine.formCreate();
  if (status != 0) return status;
  // Monitoring starts once the gadget exists; without its skins the program
  // cannot show it and ends here.
  if (auto failure = createGadget(gadget)) {
    std::fprintf(stderr, "voltaro: %s\n", failure->c_str());
    errors.showError(*failure);
    return 3;
  }
  if (engine.firstRun() || std::getenv("VOLTARO_SHOW_WINDOW") != nullptr) window.showFromTray();
  window.showPage(frontend::main_window::PageNumber::Information);
  engine.enableMonitoring();
  ScenarioHost host;
  std::unique_ptr<scenario::ScenarioRun> run;
  if (simulated) {
    host.running = &engine;
    run = std::make_unique<scenario::ScenarioRun>(std::move(script), services->machine(), runtime,
                                                  host);
    run->engineStarted();
  }
  const int result = runtime.run();
  engine.formDestroy();
  return result;
}
