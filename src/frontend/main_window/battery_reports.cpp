#include "frontend/main_window/battery_reports.h"

namespace voltaro::frontend::main_window {

namespace {
using view::Page;

struct Row {
  Page page;
  const char* caption;
  int tabs;
  const char* unit;
};

constexpr Row kInformationRows[] = {
    {Page::Information, "Device Name", 2, ""},
    {Page::Information, "Manufacturer", 2, ""},
    {Page::Information, "Serial Number", 2, ""},
    {Page::Information, "Manufacture Date", 1, ""},
    {Page::Information, "Temperature", 2, ""},
    {Page::Information, "Chemistry", 2, ""},
    {Page::Information, "Capabilities", 2, ""},
    {Page::Information, "Technology", 2, ""},
    {Page::Information, "Slots / Batteries", 1, ""},
    {Page::Information, "Designed Capacity", 1, "mWh"},
    {Page::Information, "Full Charged Capacity", 1, "mWh"},
    {Page::Information, "Current Capacity", 1, "mWh"},
    {Page::Information, "Capacity Drop", 2, "mWh"},
    {Page::Information, "Battery Voltage", 2, "mV"},
    {Page::Information, "Charge Rate", 2, "mW"},
    {Page::Information, "Warning Alert", 2, "mWh"},
    {Page::Information, "Low Level Alert", 2, "mWh"},
    {Page::Information, "Critical Bias", 2, "mWh"},
    {Page::LeftColumn, "Cycles", 3, ""},
    {Page::LeftColumn, "Time", 3, ""},
};

constexpr Row kCalibrationRows[] = {
    {Page::Calibrate, "Battery Calibrations", 2, ""},
    {Page::Calibrate, "Latest Calibration", 2, "d"},
    {Page::Calibrate, "Full Discharge Cycles", 2, ""},
    {Page::Calibrate, "Cycles since Calibration", 1, ""},
    {Page::Calibrate, "Battery Usage Time", 2, "h"},
    {Page::Calibrate, "Wear Level", 3, "%"},
    {Page::Calibrate, "Maximum Wear Level", 2, "%"},
    {Page::Calibrate, "Maximum Capacity", 2, "mWh"},
};

std::vector<std::string> headerLines(const ReportHeader& header, const char* what) {
  return {"Voltaro v9.2 - Battery #" + std::to_string(header.slot) + " " + what, header.date, "",
          ""};
}

// A value that is not known ("None") takes no unit, as on the page.
std::string line(const view::ShownTexts& texts, const Row& row) {
  const std::string& value = texts.get(row.page, row.caption);
  return std::string(row.caption) + std::string(static_cast<std::size_t>(row.tabs), '\t') + value +
         (value == "None" ? "" : row.unit);
}
}  // namespace

std::vector<std::string> batteryInformationReport(const view::ShownTexts& texts,
                                                  const ReportHeader& header) {
  std::vector<std::string> lines = headerLines(header, "Information");
  for (const Row& row : kInformationRows) lines.push_back(line(texts, row));
  return lines;
}

std::vector<std::string> calibrationDataReport(const view::ShownTexts& texts,
                                               const ReportHeader& header, bool primarySelected,
                                               int primarySlot) {
  std::vector<std::string> lines = headerLines(header, "Calibration Data");
  if (!primarySelected) {
    lines.push_back("Select battery #" + std::to_string(primarySlot) + " !");
    return lines;
  }
  for (const Row& row : kCalibrationRows) lines.push_back(line(texts, row));
  return lines;
}

}  // namespace voltaro::frontend::main_window
