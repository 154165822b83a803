#include "information_page.h"

#include <iomanip>
#include <ostream>
#include <span>
#include <string>

namespace voltaro::tools {

namespace {

constexpr std::size_t kValueWidth = 14;

using Row = PageRow;

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

}  // namespace

void printPageSection(const char* title, std::span<const PageRow> rows,
                      const view::ShownTexts& texts, std::ostream& out, std::size_t captionWidth) {
  out << "  " << title << "\n";
  for (const Row& row : rows) {
    const std::string value =
        texts.has(row.page, row.caption) ? texts.get(row.page, row.caption) : std::string("0");
    // Captions on the left, values right-aligned in a column, as on the page.
    std::string line = "    ";
    line += row.caption;
    line.resize(captionWidth, ' ');
    if (value.size() < kValueWidth) line.append(kValueWidth - value.size(), ' ');
    line += value;
    if (row.unit[0] != '\0') {
      line += ' ';
      line += row.unit;
    }
    out << line << "\n";
  }
}

void printInformationPage(const view::ShownTexts& texts, std::ostream& out) {
  printPageSection("General", kGeneral, texts, out);
  printPageSection("Model", kModel, texts, out);
  printPageSection("Left column", kLeftColumn, texts, out);
}

}  // namespace voltaro::tools
