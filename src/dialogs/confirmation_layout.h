// Where the confirmation dialog's panel and buttons go for a given set of
// texts, and where the dialog goes on the screen. Pure functions: the window
// applies the result.
#pragma once

#include <cstddef>
#include <string_view>

#include "view/confirmation_port.h"

namespace voltaro::dialogs {

// Design sizes of the confirmation dialog, in pixels.
inline constexpr int kConfirmationDesignWidth = 590;
inline constexpr int kConfirmationClientHeight = 246;
inline constexpr int kConfirmationMinimumWidth = 300;
inline constexpr int kConfirmationMaximumWidth = 890;
inline constexpr int kConfirmationButtonTop = 144;  // in the panel
inline constexpr int kDialogButtonWidth = 60;
inline constexpr int kDialogButtonHeight = 26;

struct ConfirmationLayout {
  int clientWidth = 0;  // pixels
  int panelWidth = 0;   // pixels; the panel is inset 4 pixels left and right
  int okLeft = 0;       // button left edges, pixels from the panel's left
  int yesLeft = 0;
  int noLeft = 0;
  bool operator==(const ConfirmationLayout&) const = default;
};

// Characters of a text as the user sees them (UTF-8 code points).
std::size_t displayLength(std::string_view text);

// Panel width: 8 pixels per character of the longest line plus 92, at least
// 10 per title character plus 20; the client is 8 wider and kept within
// 300..890; the buttons move with the centre of the client.
ConfirmationLayout layoutConfirmation(const view::ConfirmationTexts& texts);

struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const ScreenRect&) const = default;
};

// Centres a window of the given size over the main window when that is
// visible, otherwise on the screen.
ScreenRect centreDialog(int width, int height, bool mainVisible, const ScreenRect& mainWindow,
                        const ScreenRect& screen);

}  // namespace voltaro::dialogs
