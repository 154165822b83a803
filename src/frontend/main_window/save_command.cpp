#include "frontend/main_window/save_command.h"

#include "alerts/sounds.h"
#include "common/file_io.h"
#include "common/scramble.h"
#include "engine/engine.h"
#include "frontend/main_window/battery_reports.h"
#include "logs/log_stamp.h"
#include "monitor/busy_flag.h"
#include "monitor/monitor.h"
#include "view/file_dialog_port.h"
#include "view/status_line.h"

namespace voltaro::frontend::main_window {

namespace {
constexpr int kSaveWaitRounds = 10;

view::FileDialogRequest reportRequest(const engine::Engine& e, const char* title,
                                      const char* fileName) {
  view::FileDialogRequest request;
  request.title = title;
  request.filter = "Text file (*.txt)|*.txt";
  request.defaultExtension = "txt";
  request.folder = e.dataFolder();
  request.fileName = fileName;
  request.confirmOverwrite = true;
  return request;
}

void writeReport(engine::Engine& e, const std::string& path,
                 const std::vector<std::string>& lines) {
  const FileWrite written = writeTextLines(path, lines);
  if (!written) e.ports().errors.report("Cannot write \"" + path + "\": " + written.cause + ".");
}
}  // namespace

void act9(engine::Engine& e, PageNumber page, view::StatusLine& status,
          const std::function<void()>& graphScreenshot) {
  if (!e.slots().deviceSetValid || e.slots().batteryCount == 0 || page == PageNumber::Home) {
    alerts::playRefusal(e.services().audio, e.settings());
    return;
  }
  const ReportHeader header{e.slots().currentSlot, logs::logStamp(e.services().runtime.now()).date};
  switch (page) {
    case PageNumber::Settings:
      status.show(std::string(e.saveSettings() ? "Settings have been saved"
                                        : "Settings could not be saved"));
      return;
    case PageNumber::Alerts:
      status.show(std::string(e.saveSettings() ? "Alerts have been saved" : "Alerts could not be saved"));
      return;
    case PageNumber::Graph:
      graphScreenshot();
      return;
    case PageNumber::Information: {
      const auto path = e.ports().fileDialogs.saveFile(
          reportRequest(e, "Save the Battery Information", "BatteryInfo"));
      if (path) writeReport(e, *path, batteryInformationReport(e.texts(), header));
      return;
    }
    case PageNumber::Calibrate: {
      const auto path = e.ports().fileDialogs.saveFile(
          reportRequest(e, "Save the calibration and wear data", "CalibrationData"));
      const bool primary = e.slots().currentSlot == e.slots().primarySlot;
      if (path) {
        writeReport(e, *path,
                    calibrationDataReport(e.texts(), header, primary, e.slots().primarySlot));
      }
      return;
    }
    case PageNumber::Home:
      return;
  }
}

void saveGraphScreenshot(engine::Engine& e, view::StatusLine& status,
                         const ScreenshotSaver& save) {
  if (e.monitor().busy()) e.monitor().waitidle(kSaveWaitRounds);
  history::ScreenshotResult result;
  {
    // No tick may redraw the surface between the stamp and the erase.
    monitor::BusyGuard busy(e.monitor().busyFlag());
    result = save(e.dataFolder(), productTitle() + " 9.2");
  }
  if (result.saved) {
    status.show(result.fileName + " saved OK");
    return;
  }
  e.ports().errors.report("Cannot save the screenshot \"" + e.dataFolder() + result.fileName +
                          "\": " + result.error + ".");
  status.show(result.fileName + " could not be saved");
}

}  // namespace voltaro::frontend::main_window
