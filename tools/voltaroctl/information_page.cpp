#include "information_page.h"

#include <iomanip>
#include <ostream>
#include <span>
#include <string>

namespace voltaro::tools {

namespace {

constexpr std::size_t kValueWidth = 14;

struct Row {
  view::Page page;
  const char* caption;
  const char* unit;
};

constexpr Row kGeneral[] = {
    {view::Page::Information, "Designed Capacity", "mWh"},
    {view::Page::Information, "Full Charged Capacity", "mWh"},
    {view::Page::Information, "Current Capacity", "mWh"},
    {view::Page::Information, "Capacity Drop", "mWh"},
    {view::Page::Information, "Warning Alert", "mWh"},
    {view::Page::Information, "Low Level Alert", "mWh"},
    {view::Page::Information, "Critical Bias", "mWh"},
    {view::Page::Information, "Battery Voltage", "mV"},
    {view::Page::Information, "Charge Rate", "mW"},
};

constexpr Row kModel[] = {
    {view::Page::Information, "Device Name", ""},
    {view::Page::Information, "Manufacturer", ""},
    {view::Page::Information, "Serial Number", ""},
    {view::Page::Information, "Manufacture Date", ""},
    {view::Page::Information, "Temperature", ""},
    {view::Page::Information, "Chemistry", ""},
    {view::Page::Information, "Capabilities", ""},
    {view::Page::Information, "Technology", ""},
};

constexpr Row kLeftColumn[] = {
    {view::Page::LeftColumn, "Time", ""},
    {view::Page::LeftColumn, "Cycles", ""},
    {view::Page::LeftColumn, "Wear", ""},
    {view::Page::LeftColumn, "Mode", ""},
};

void printSection(const char* title, std::span<const Row> rows, const view::ShownTexts& texts,
                  std::ostream& out) {
  out << "  " << title << "\n";
  for (const Row& row : rows) {
    const std::string value =
        texts.has(row.page, row.caption) ? texts.get(row.page, row.caption) : std::string("0");
    // Captions on the left, values right-aligned in a column, as on the page.
    std::string line = "    ";
    line += row.caption;
    line.resize(26, ' ');
    if (value.size() < kValueWidth) line.append(kValueWidth - value.size(), ' ');
    line += value;
    if (row.unit[0] != '\0') {
      line += ' ';
      line += row.unit;
    }
    out << line << "\n";
  }
}

}  // namespace

void printInformationPage(const view::ShownTexts& texts, std::ostream& out) {
  printSection("General", kGeneral, texts, out);
  printSection("Model", kModel, texts, out);
  printSection("Left column", kLeftColumn, texts, out);
}

}  // namespace voltaro::tools
