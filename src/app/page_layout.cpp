// The labels of the six pages at their places: captions, values bound to the
// shown texts, units and section headers.
#include <array>

#include "app/main_window.h"

namespace voltaro::app {

namespace {
using view::Page;
constexpr const char* kGeneral[] = {
    "Designed Capacity", "Full Charged Capacity", "Current Capacity",
    "Capacity Drop",     "Warning Alert",         "Low Level Alert",
    "Critical Bias",     "Battery Voltage",       "Charge Rate"};
constexpr const char* kGeneralUnits[] = {"mWh", "mWh", "mWh", "mWh", "mWh",
                                         "mWh", "mWh", "mV",  "mW"};
constexpr const char* kModel[] = {"Device Name",      "Manufacturer", "Serial Number",
                                  "Manufacture Date", "Temperature",  "Chemistry",
                                  "Capabilities",     "Technology",   "Slots / Batteries"};
constexpr const char* kSettingsGeneral[] = {
    "Auto Run",       "Discharge Log", "Calibration Log", "Battery on Top",     "Exit Confirmation",
    "Show Icon Menu", "Play Sounds",   "Play Voices",     "Show Battery Advice"};
constexpr const char* kSettingsVisual[] = {
    "Enable Aero on AC", "Show Battery Gadget", "Show Gadget Hints",
    "Small Size Gadget", "3D Style Gadget",     "Smooth Graphics",
    "Filled Graphics",   "Discharge Line",      "Default Settings"};
constexpr const char* kWarningRows[] = {"Enabled",           "Minutes Count",    "Alert Level",
                                        "Mute Speakers",     "Disable Aero",     "Launch a Program",
                                        "Adjust Brightness", "Brightness Level", "Test Brightness"};
constexpr const char* kCriticalRows[] = {"Enabled",       "Minutes Count",   "Alert Level",
                                         "Monitor Off",   "System Standby",  "System Hibernate",
                                         "Force Standby", "Force Hibernate", "Show Message"};
constexpr const char* kCalibration[] = {"Battery Calibrations",  "Latest Calibration",
                                        "Full Discharge Cycles", "Cycles since Calibration",
                                        "Battery Usage Time",    "Wear Level",
                                        "Maximum Wear Level",    "Maximum Capacity"};
constexpr const char* kCalibrationUnits[] = {"", "d", "", "", "h", "%", "%", "mWh"};
constexpr const char* kFastDischarge[] = {"Duration",      "Add CPU Load", "Brightness Level",
                                          "Disc Activity", "Time Left",    "Discharging Time",
                                          "Charging Time", "CPU Usage"};
constexpr const char* kFastDischargeUnits[] = {"m", "x", "%", "%", "m", "m", "m", "%"};
constexpr const char* kLinks[] = {"Home Page", "Download Page", "Support Page",
                                  "Check for New Version"};
}  // namespace

void MainWindow::buildPages() {
  const auto info = PageNumber::Information;
  addHeader(info, 32, 340, "General");
  addHeader(info, 416, 352, "Model");
  for (int k = 0; k < 9; ++k) {
    addCaption(info, 32, rowTop(k), kGeneral[k]);
    addValue(info, Page::Information, kGeneral[k], 314, rowTop(k), 110);
    addUnit(info, 324, rowTop(k), kGeneralUnits[k]);
    addCaption(info, 416, rowTop(k), kModel[k]);
    addValue(info, Page::Information, kModel[k], 767, rowTop(k), 200);
  }

  const auto graph = PageNumber::Graph;
  addCaption(graph, 224, 19, "Zoom");
  addCaption(graph, 408, 19, "Origin");

  const auto settings = PageNumber::Settings;
  addHeader(settings, 32, 268, "General");
  addHeader(settings, 335, 228, "Visual");
  addHeader(settings, 595, 190, "Show on Gadget");
  for (int k = 0; k < 9; ++k) {
    addCaption(settings, 32, rowTop(k), kSettingsGeneral[k]);
    addCaption(settings, 335, rowTop(k), kSettingsVisual[k]);
  }
  const char* gadget[] = {"Battery Capacity", "Time Remaining", "CPU Usage"};
  for (int k = 0; k < 3; ++k) addCaption(settings, 595, rowTop(k), gadget[k]);
  addHeader(settings, 595, 190, "Task Priority", rowTop(4));
  const char* priorities[] = {"Idle", "Normal", "High", "Real-time"};
  for (int k = 0; k < 4; ++k) addCaption(settings, 595, rowTop(5 + k), priorities[k]);

  const auto alerts = PageNumber::Alerts;
  addHeader(alerts, 32, 340, "Warning Alert");
  addHeader(alerts, 415, 352, "Critical Alert");
  for (int k = 0; k < 9; ++k) {
    addCaption(alerts, 32, rowTop(k), kWarningRows[k]);
    addCaption(alerts, 415, rowTop(k), kCriticalRows[k]);
  }
  addValue(alerts, Page::Alerts, "Warning Level", 182, rowTop(2), 70);
  addValue(alerts, Page::Alerts, "Brightness Level", 182, rowTop(7), 70);
  addValue(alerts, Page::Alerts, "Critical Level", 565, rowTop(2), 70);

  const auto calibrate = PageNumber::Calibrate;
  addHeader(calibrate, 32, 340, "Calibration");
  addHeader(calibrate, 408, 360, "Fast Discharge");
  addValue(calibrate, Page::Calibrate, "Calibration", 295, 30, 80);
  addValue(calibrate, Page::Calibrate, "Fast Discharge", 615, 30, 60);
  for (int k = 0; k < 8; ++k) {
    addCaption(calibrate, 32, rowTop(k), kCalibration[k]);
    addValue(calibrate, Page::Calibrate, kCalibration[k], 295, rowTop(k), 90);
    addUnit(calibrate, 302, rowTop(k), kCalibrationUnits[k]);
    addCaption(calibrate, 408, rowTop(k), k == 7 ? "" : kFastDischarge[k]);
    addValue(calibrate, Page::Calibrate, kFastDischarge[k], 615, rowTop(k), 60);
    addUnit(calibrate, 622, rowTop(k), kFastDischargeUnits[k]);
  }
  // The processor caption names the core count ("4-core CPU Usage").
  QLabel* cpu = addLabel(pagePanel(calibrate), "CPU Usage", QRect(408, rowTop(7) - 2, 150, 22),
                         Qt::AlignLeft, QColor(153, 153, 153));
  bindValue(cpu, Page::Caption, "CPU Usage");
  addCaption(calibrate, 408, rowTop(8), "Advanced Power Settings");
  addCaption(calibrate, 32, rowTop(8), "Load");
  addCaption(calibrate, 152, rowTop(8), "Save");
  addCaption(calibrate, 264, rowTop(8), "Reset");

  const auto home = PageNumber::Home;
  addHeader(home, 32, 340, "Links");
  for (int k = 0; k < 4; ++k) addCaption(home, 32, rowTop(k), kLinks[k]);
  QLabel* version =
      addLabel(pagePanel(home), "", QRect(32, 433, 353, 22), Qt::AlignLeft, QColor(232, 236, 244));
  bindValue(version, Page::Home, "Version");
  // The program's picture and name on the free right half of the page.
  auto* logo = new QLabel(pagePanel(home));
  logo->setPixmap(QPixmap(":/skin/voltaro.png")
                      .scaled(128, 128, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  logo->setGeometry(536, 120, 128, 128);
  logo->setAttribute(Qt::WA_TransparentForMouseEvents);
  QLabel* name = addLabel(pagePanel(home), "Voltaro", QRect(420, 262, 360, 30), Qt::AlignHCenter,
                          QColor(232, 236, 244), true);
  QFont big = name->font();
  big.setPixelSize(22);
  name->setFont(big);
  addLabel(pagePanel(home), "Battery monitor for the notification area", QRect(420, 296, 360, 22),
           Qt::AlignHCenter, QColor(153, 153, 153));
}

}  // namespace voltaro::app
