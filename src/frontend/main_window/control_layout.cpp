#include "frontend/main_window/control_layout.h"

#include <algorithm>
#include <array>

namespace voltaro::frontend::main_window {

namespace {
constexpr auto kInfo = PageNumber::Information;
constexpr auto kGraph = PageNumber::Graph;
constexpr auto kSettings = PageNumber::Settings;
constexpr auto kAlerts = PageNumber::Alerts;
constexpr auto kCalibrate = PageNumber::Calibrate;
constexpr auto kHome = PageNumber::Home;

constexpr ControlPlace top(int number, int left) {
  return ControlPlace{number, std::nullopt, left, 0, Sprite::TopBar};
}
constexpr ControlPlace on(PageNumber page, int number, int left, int row, Sprite sprite) {
  return ControlPlace{number, page, left, rowControlTop(row), sprite};
}
constexpr ControlPlace at(PageNumber page, int number, int left, int topY, Sprite sprite) {
  return ControlPlace{number, page, left, topY, sprite};
}

// Settings: the "General" column at 222 (second control 262), "Visual" at 525,
// "Show on Gadget" and "Task Priority" at 749.
// Alerts: warning switches at 230 with their left-hand control at 190,
// critical switches at 613 with arrows at 573.
// Calibrate: the start controls on the section header rows, the option
// switches at 733 and the down / up arrows at 648 / 681.
constexpr std::array kPlaces = {
    top(8, 0),
    top(1, 91),
    top(2, 182),
    top(3, 273),
    top(4, 364),
    top(5, 455),
    top(11, 546),
    top(10, 637),
    top(6, 728),
    top(9, 819),
    top(7, 910),
    // Home
    on(kHome, 13, 326, 0, Sprite::Go),
    on(kHome, 14, 326, 1, Sprite::Go),
    on(kHome, 15, 326, 2, Sprite::Go),
    on(kHome, 19, 326, 3, Sprite::Go),
    // Settings, "General"
    on(kSettings, 20, 222, 0, Sprite::Switch),
    on(kSettings, 21, 222, 1, Sprite::Switch),
    on(kSettings, 28, 262, 1, Sprite::Go),
    on(kSettings, 22, 222, 2, Sprite::Switch),
    on(kSettings, 29, 262, 2, Sprite::Go),
    on(kSettings, 23, 222, 3, Sprite::Switch),
    on(kSettings, 24, 222, 4, Sprite::Switch),
    on(kSettings, 35, 222, 5, Sprite::Switch),
    on(kSettings, 26, 222, 6, Sprite::Switch),
    on(kSettings, 32, 222, 7, Sprite::Switch),
    on(kSettings, 86, 222, 8, Sprite::Switch),
    on(kSettings, 31, 262, 8, Sprite::Go),
    // Settings, "Visual"
    on(kSettings, 27, 525, 0, Sprite::Switch),
    on(kSettings, 33, 525, 1, Sprite::Switch),
    on(kSettings, 34, 525, 2, Sprite::Switch),
    on(kSettings, 84, 525, 3, Sprite::Switch),
    on(kSettings, 85, 525, 4, Sprite::Switch),
    on(kSettings, 25, 525, 5, Sprite::Switch),
    on(kSettings, 80, 525, 6, Sprite::Switch),
    on(kSettings, 83, 525, 7, Sprite::Switch),
    on(kSettings, 30, 525, 8, Sprite::Go),
    // Settings, "Show on Gadget" and "Task Priority"
    on(kSettings, 61, 749, 0, Sprite::Switch),
    on(kSettings, 62, 749, 1, Sprite::Switch),
    on(kSettings, 63, 749, 2, Sprite::Switch),
    on(kSettings, 64, 749, 5, Sprite::Switch),
    on(kSettings, 87, 749, 6, Sprite::Switch),
    on(kSettings, 88, 749, 7, Sprite::Switch),
    on(kSettings, 89, 749, 8, Sprite::Switch),
    // Alerts, "Warning Alert"
    on(kAlerts, 36, 230, 0, Sprite::Switch),
    on(kAlerts, 37, 230, 1, Sprite::Switch),
    on(kAlerts, 38, 190, 2, Sprite::Back),
    on(kAlerts, 39, 230, 2, Sprite::Go),
    on(kAlerts, 40, 230, 3, Sprite::Switch),
    on(kAlerts, 41, 230, 4, Sprite::Switch),
    on(kAlerts, 42, 190, 5, Sprite::Go),
    on(kAlerts, 43, 230, 5, Sprite::Switch),
    on(kAlerts, 44, 230, 6, Sprite::Switch),
    on(kAlerts, 45, 190, 7, Sprite::Back),
    on(kAlerts, 46, 230, 7, Sprite::Go),
    on(kAlerts, 47, 230, 8, Sprite::Go),
    // Alerts, "Critical Alert"
    on(kAlerts, 48, 613, 0, Sprite::Switch),
    on(kAlerts, 49, 613, 1, Sprite::Switch),
    on(kAlerts, 50, 573, 2, Sprite::Back),
    on(kAlerts, 51, 613, 2, Sprite::Go),
    on(kAlerts, 52, 613, 3, Sprite::Switch),
    on(kAlerts, 53, 613, 4, Sprite::Switch),
    on(kAlerts, 54, 613, 5, Sprite::Switch),
    on(kAlerts, 55, 613, 6, Sprite::Switch),
    on(kAlerts, 56, 613, 7, Sprite::Switch),
    on(kAlerts, 57, 613, 8, Sprite::Switch),
    // Calibrate, "Calibration"
    at(kCalibrate, 58, 320, 25, Sprite::Go),
    at(kCalibrate, 65, 77, rowControlTop(8), Sprite::Go),
    at(kCalibrate, 66, 197, rowControlTop(8), Sprite::Go),
    at(kCalibrate, 67, 320, rowControlTop(8), Sprite::Go),
    // Calibrate, "Fast Discharge"
    at(kCalibrate, 68, 648, 25, Sprite::Go),
    on(kCalibrate, 69, 648, 0, Sprite::Back),
    on(kCalibrate, 70, 681, 0, Sprite::Go),
    on(kCalibrate, 71, 733, 1, Sprite::Switch),
    on(kCalibrate, 72, 648, 1, Sprite::Back),
    on(kCalibrate, 73, 681, 1, Sprite::Go),
    on(kCalibrate, 74, 733, 2, Sprite::Switch),
    on(kCalibrate, 75, 648, 2, Sprite::Back),
    on(kCalibrate, 76, 681, 2, Sprite::Go),
    on(kCalibrate, 77, 733, 3, Sprite::Switch),
    on(kCalibrate, 78, 648, 3, Sprite::Back),
    on(kCalibrate, 79, 681, 3, Sprite::Go),
    on(kCalibrate, 90, 648, 8, Sprite::Go),
    // Graph
    at(kGraph, 59, 278, 14, Sprite::Plus),
    at(kGraph, 60, 318, 14, Sprite::Minus),
    at(kGraph, 81, 464, 14, Sprite::Back),
    at(kGraph, 82, 504, 14, Sprite::Go),
};

constexpr std::array kTopBar = {
    TopBarButton{8, 0, "Save", 25},     TopBarButton{1, 91, "Info", 30},
    TopBarButton{2, 182, "Graph", 22},  TopBarButton{3, 273, "Settings", 12},
    TopBarButton{4, 364, "Alerts", 22}, TopBarButton{5, 455, "Calibrate", 12},
    TopBarButton{11, 546, "Home", 25},  TopBarButton{10, 637, "Green", 20},
    TopBarButton{6, 728, "Help", 28},   TopBarButton{9, 819, "Minimize", 12},
    TopBarButton{7, 910, "Exit", 30},
};

constexpr std::array<int, kPageCount> kPageButtons = {1, 2, 3, 4, 5, 11};
constexpr std::array<std::string_view, kPageCount> kTitles = {
    "Information", "Graph", "Settings", "Alerts", "Calibrate", "Home"};
}  // namespace

std::span<const ControlPlace> controlPlaces() {
  return kPlaces;
}

const ControlPlace* controlPlace(int number) {
  auto it = std::find_if(kPlaces.begin(), kPlaces.end(),
                         [number](const ControlPlace& p) { return p.number == number; });
  return it == kPlaces.end() ? nullptr : &*it;
}

std::span<const TopBarButton> topBarButtons() {
  return kTopBar;
}

int pageButton(PageNumber page) {
  return kPageButtons[static_cast<std::size_t>(page) - 1];
}

std::optional<PageNumber> pageOfButton(int number) {
  for (std::size_t i = 0; i < kPageButtons.size(); ++i) {
    if (kPageButtons[i] == number) return static_cast<PageNumber>(i + 1);
  }
  return std::nullopt;
}

std::string_view pageTitle(PageNumber page) {
  return kTitles[static_cast<std::size_t>(page) - 1];
}

}  // namespace voltaro::frontend::main_window
