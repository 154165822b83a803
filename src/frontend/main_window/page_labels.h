// Every text label of the main window and the bands behind its section
// headers, as data: where each sits, what it shows (a fixed text, or the
// shown text of a page and caption) and in which colour. The Qt window makes
// labels of them; the Win32 window paints them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "canvas/canvas.h"
#include "frontend/main_window/control_layout.h"
#include "view/shown_texts.h"

namespace voltaro::frontend::main_window {

inline constexpr int kWindowWidth = 1000;
inline constexpr int kWindowHeight = 670;
inline constexpr int kPanelLeft = 200;
inline constexpr int kPanelTop = 130;
inline constexpr int kPanelWidth = 800;
inline constexpr int kPanelHeight = 500;
inline constexpr int kColumnWidth = 200;
inline constexpr int kColumnHeight = 471;
inline constexpr int kLabelPixels = 13;

inline constexpr canvas::Colour kColumnColour = canvas::rgb(25, 28, 52);
inline constexpr canvas::Colour kCaptionColour = canvas::rgb(153, 153, 153);
inline constexpr canvas::Colour kValueColour = canvas::rgb(232, 236, 244);
inline constexpr canvas::Colour kHeaderBand = canvas::rgb(16, 20, 24);
inline constexpr canvas::Colour kHeaderColour = canvas::rgb(120, 190, 230);
inline constexpr canvas::Colour kStatusGrey = canvas::rgb(147, 149, 153);
inline constexpr canvas::Colour kLinkHover = canvas::rgb(32, 128, 176);
inline constexpr canvas::Colour kBlack = canvas::rgb(0, 0, 0);

// The gauge in the left column, the graph on its page, the program's
// picture on the Home page.
inline constexpr canvas::Rect kGaugeArea{75, 24, 49, 111};
inline constexpr canvas::Rect kGraphArea{0, 42, 800, 434};
inline constexpr canvas::Rect kLogoArea{536, 120, 128, 128};

// Where a label or band sits: the window, the left column or a page panel.
enum class Area : std::uint8_t { Window, LeftColumn, Page };

// Labels the windows treat apart from the others.
enum class LabelRole : std::uint8_t {
  Plain,
  PageTitle,    // the shown page's title
  Status,       // the status line
  MakerLink,    // "Keldwick": opens the maker's web site
  BatteryLink,  // the battery caption: switches to the next battery
};

struct TextKey {
  view::Page page = view::Page::Caption;
  std::string caption;
};

struct LabelPlace {
  Area area = Area::Page;
  PageNumber page = PageNumber::Information;  // for Area::Page
  canvas::Rect box;                           // in its area
  std::string text;                           // fixed, or shown until the engine writes one
  std::optional<TextKey> bound;               // the shown text it follows
  canvas::HAlign align = canvas::HAlign::Left;
  canvas::Colour colour = kCaptionColour;
  bool bold = false;
  int pixels = kLabelPixels;
  LabelRole role = LabelRole::Plain;
};

struct BandPlace {
  Area area = Area::Page;
  PageNumber page = PageNumber::Information;
  canvas::Rect box;
  canvas::Colour colour = kHeaderBand;
};

std::span<const LabelPlace> windowLabels();
std::span<const BandPlace> headerBands();

// Where an area's origin lies in the window: (0, 0), the left column's or
// the page panels'.
canvas::Point areaOrigin(Area area);

}  // namespace voltaro::frontend::main_window
