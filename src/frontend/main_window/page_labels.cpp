#include "frontend/main_window/page_labels.h"

#include <vector>

namespace voltaro::frontend::main_window {

namespace {
using canvas::HAlign;
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
constexpr const char* kColumnRows[] = {"Charge", "Time", "Cycles", "Wear", "Days", "Green", "Mode"};

class Builder {
 public:
  void caption(PageNumber page, int x, int y, const char* text) {
    add(page, {x, y - 2, 200, 22}, text, HAlign::Left, kCaptionColour);
  }
  void value(PageNumber page, Page source, const char* caption, int right, int y, int width) {
    LabelPlace& label =
        add(page, {right - width, y - 2, width, 22}, "", HAlign::Right, kValueColour);
    label.bound = TextKey{source, caption};
  }
  void unit(PageNumber page, int x, int y, const char* text) {
    add(page, {x, y - 2, 60, 22}, text, HAlign::Left, kCaptionColour);
  }
  void header(PageNumber page, int x, int width, const char* text, int y = 30) {
    bands.push_back({Area::Page, page, {x - 12, y - 6, width + 12, 28}, kHeaderBand});
    add(page, {x, y - 3, width, 22}, text, HAlign::Left, kHeaderColour).bold = true;
  }
  LabelPlace& add(PageNumber page, canvas::Rect box, const char* text, HAlign align,
                  canvas::Colour colour) {
    LabelPlace label;
    label.page = page;
    label.box = box;
    label.text = text;
    label.align = align;
    label.colour = colour;
    labels.push_back(std::move(label));
    return labels.back();
  }
  LabelPlace& addTo(Area area, canvas::Rect box, const char* text, HAlign align,
                    canvas::Colour colour, LabelRole role = LabelRole::Plain) {
    LabelPlace& label = add(PageNumber::Information, box, text, align, colour);
    label.area = area;
    label.role = role;
    return label;
  }

  std::vector<LabelPlace> labels;
  std::vector<BandPlace> bands;
};

void buildWindow(Builder& b) {
  LabelPlace& battery = b.addTo(Area::Window, {48, 99, 105, 22}, "No Battery!", HAlign::Centre,
                                kValueColour, LabelRole::BatteryLink);
  battery.bold = true;
  battery.bound = TextKey{Page::Caption, "Battery"};
  b.addTo(Area::Window, {232, 99, 602, 22}, "Information", HAlign::Left, kValueColour,
          LabelRole::PageTitle)
      .bold = true;
  b.addTo(Area::Window, {23, 640, 353, 22}, "Status", HAlign::Left, kBlack, LabelRole::Status);
  b.addTo(Area::Window, {910, 640, 80, 22}, "Keldwick", HAlign::Left, kBlack, LabelRole::MakerLink);
  for (int k = 0; k < 7; ++k) {
    const int y = 165 + 45 * k;
    b.addTo(Area::LeftColumn, {23, y - 2, 90, 22}, kColumnRows[k], HAlign::Left, kCaptionColour);
    // Green Mode writes its "On" / "Off" under the Home page's caption.
    b.addTo(Area::LeftColumn, {66, y - 2, 110, 22}, "", HAlign::Right, kValueColour).bound =
        TextKey{k == 5 ? Page::Home : Page::LeftColumn, kColumnRows[k]};
  }
}

void buildInformation(Builder& b) {
  const auto info = PageNumber::Information;
  b.header(info, 32, 340, "General");
  b.header(info, 416, 352, "Model");
  for (int k = 0; k < 9; ++k) {
    b.caption(info, 32, rowTop(k), kGeneral[k]);
    b.value(info, Page::Information, kGeneral[k], 314, rowTop(k), 110);
    b.unit(info, 324, rowTop(k), kGeneralUnits[k]);
    b.caption(info, 416, rowTop(k), kModel[k]);
    b.value(info, Page::Information, kModel[k], 767, rowTop(k), 200);
  }
  b.caption(PageNumber::Graph, 224, 19, "Zoom");
  b.caption(PageNumber::Graph, 408, 19, "Origin");
}

void buildSettings(Builder& b) {
  const auto settings = PageNumber::Settings;
  b.header(settings, 32, 268, "General");
  b.header(settings, 335, 228, "Visual");
  b.header(settings, 595, 190, "Show on Gadget");
  for (int k = 0; k < 9; ++k) {
    b.caption(settings, 32, rowTop(k), kSettingsGeneral[k]);
    b.caption(settings, 335, rowTop(k), kSettingsVisual[k]);
  }
  const char* gadget[] = {"Battery Capacity", "Time Remaining", "CPU Usage"};
  for (int k = 0; k < 3; ++k) b.caption(settings, 595, rowTop(k), gadget[k]);
  b.header(settings, 595, 190, "Task Priority", rowTop(4));
  const char* priorities[] = {"Idle", "Normal", "High", "Real-time"};
  for (int k = 0; k < 4; ++k) b.caption(settings, 595, rowTop(5 + k), priorities[k]);
}

void buildAlerts(Builder& b) {
  const auto alerts = PageNumber::Alerts;
  b.header(alerts, 32, 340, "Warning Alert");
  b.header(alerts, 415, 352, "Critical Alert");
  for (int k = 0; k < 9; ++k) {
    b.caption(alerts, 32, rowTop(k), kWarningRows[k]);
    b.caption(alerts, 415, rowTop(k), kCriticalRows[k]);
  }
  b.value(alerts, Page::Alerts, "Warning Level", 182, rowTop(2), 70);
  b.value(alerts, Page::Alerts, "Brightness Level", 182, rowTop(7), 70);
  b.value(alerts, Page::Alerts, "Critical Level", 565, rowTop(2), 70);
}

void buildCalibrate(Builder& b) {
  const auto calibrate = PageNumber::Calibrate;
  b.header(calibrate, 32, 340, "Calibration");
  b.header(calibrate, 408, 360, "Fast Discharge");
  b.value(calibrate, Page::Calibrate, "Calibration", 295, 30, 80);
  b.value(calibrate, Page::Calibrate, "Fast Discharge", 615, 30, 60);
  for (int k = 0; k < 8; ++k) {
    b.caption(calibrate, 32, rowTop(k), kCalibration[k]);
    b.value(calibrate, Page::Calibrate, kCalibration[k], 295, rowTop(k), 90);
    b.unit(calibrate, 302, rowTop(k), kCalibrationUnits[k]);
    b.caption(calibrate, 408, rowTop(k), k == 7 ? "" : kFastDischarge[k]);
    b.value(calibrate, Page::Calibrate, kFastDischarge[k], 615, rowTop(k), 60);
    b.unit(calibrate, 622, rowTop(k), kFastDischargeUnits[k]);
  }
  // The processor caption names the core count ("4-core CPU Usage").
  b.add(calibrate, {408, rowTop(7) - 2, 150, 22}, "CPU Usage", HAlign::Left, kCaptionColour).bound =
      TextKey{Page::Caption, "CPU Usage"};
  b.caption(calibrate, 408, rowTop(8), "Advanced Power Settings");
  b.caption(calibrate, 32, rowTop(8), "Load");
  b.caption(calibrate, 152, rowTop(8), "Save");
  b.caption(calibrate, 264, rowTop(8), "Reset");
}

void buildHome(Builder& b) {
  const auto home = PageNumber::Home;
  b.header(home, 32, 340, "Links");
  for (int k = 0; k < 4; ++k) b.caption(home, 32, rowTop(k), kLinks[k]);
  b.add(home, {32, 433, 353, 22}, "", HAlign::Left, kValueColour).bound =
      TextKey{Page::Home, "Version"};
  // The program's name under its picture on the free right half of the page.
  LabelPlace& name = b.add(home, {420, 262, 360, 30}, "Voltaro", HAlign::Centre, kValueColour);
  name.bold = true;
  name.pixels = 22;
  b.add(home, {420, 296, 360, 22}, "Battery monitor for the notification area", HAlign::Centre,
        kCaptionColour);
}

const Builder& built() {
  static const Builder builder = [] {
    Builder b;
    buildWindow(b);
    buildInformation(b);
    buildSettings(b);
    buildAlerts(b);
    buildCalibrate(b);
    buildHome(b);
    return b;
  }();
  return builder;
}
}  // namespace

std::span<const LabelPlace> windowLabels() {
  return built().labels;
}

std::span<const BandPlace> headerBands() {
  return built().bands;
}

canvas::Point areaOrigin(Area area) {
  switch (area) {
    case Area::Window:
      return {0, 0};
    case Area::LeftColumn:
      return {0, kPanelTop};
    case Area::Page:
      return {kPanelLeft, kPanelTop};
  }
  return {0, 0};
}

}  // namespace voltaro::frontend::main_window
