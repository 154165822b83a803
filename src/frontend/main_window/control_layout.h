// Where each skinned control of the main window sits and which sprite strip
// it draws from. Positions are relative to the control's parent: the window
// for the top bar, the page panel for the round controls.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace voltaro::frontend::main_window {

// The pages in their numbering: 1 Information .. 6 Home.
enum class PageNumber : std::uint8_t {
  Information = 1,
  Graph = 2,
  Settings = 3,
  Alerts = 4,
  Calibrate = 5,
  Home = 6,
};
inline constexpr int kPageCount = 6;

enum class Sprite : std::uint8_t {
  TopBar,  // a strip of its own per top-bar button
  Switch,  // "checked" or "notchecked" by the setting it shows
  Go,      // "dreapta": go, forward, increase
  Back,    // "stanga": back, decrease
  Plus,    // "plusul"
  Minus,   // "minusul"
};

struct ControlPlace {
  int number = 0;
  // The page whose panel holds it; nullopt for the top bar.
  std::optional<PageNumber> page;
  int left = 0;  // pixels
  int top = 0;   // pixels
  Sprite sprite = Sprite::Go;
};

// Every command-bearing control, 1..90 without 12 and 16..18.
std::span<const ControlPlace> controlPlaces();
const ControlPlace* controlPlace(int number);

struct TopBarButton {
  int number = 0;
  int left = 0;
  std::string_view caption;
  int captionX = 0;  // pixels within each 90-pixel frame
};
std::span<const TopBarButton> topBarButtons();

// The top-bar button that shows a page, and the reverse; 0 / nullopt when
// the control shows no page.
int pageButton(PageNumber page);
std::optional<PageNumber> pageOfButton(int number);
std::string_view pageTitle(PageNumber page);

// Rows of labels on a page: y = 75 + 45 k; a row's controls sit 5 pixels higher.
constexpr int rowTop(int k) {
  return 75 + 45 * k;
}
constexpr int rowControlTop(int k) {
  return rowTop(k) - 5;
}

}  // namespace voltaro::frontend::main_window
