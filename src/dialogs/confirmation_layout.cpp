#include "dialogs/confirmation_layout.h"

#include <algorithm>

namespace voltaro::dialogs {

namespace {
constexpr int kPixelsPerLineCharacter = 8;
constexpr int kLineMargin = 92;  // picture and left indent of the text lines
constexpr int kPixelsPerTitleCharacter = 10;
constexpr int kTitleMargin = 20;
constexpr int kPanelInset = 4;
constexpr int kDesignYesLeft = 218;
constexpr int kDesignNoLeft = 302;

int asPixels(std::size_t characters, int perCharacter) {
  // Texts longer than any screen only need to reach the maximum width.
  const std::size_t capped = std::min<std::size_t>(characters, 100000);
  return static_cast<int>(capped) * perCharacter;
}
}  // namespace

std::size_t displayLength(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

ConfirmationLayout layoutConfirmation(const view::ConfirmationTexts& texts) {
  const std::size_t longest = std::max(
      {displayLength(texts.line0), displayLength(texts.line1), displayLength(texts.line2)});
  int panel = asPixels(longest, kPixelsPerLineCharacter) + kLineMargin;
  panel = std::max(panel,
                   asPixels(displayLength(texts.title), kPixelsPerTitleCharacter) + kTitleMargin);

  ConfirmationLayout layout;
  layout.clientWidth = panel + 2 * kPanelInset;
  layout.panelWidth = panel;
  if (layout.clientWidth > kConfirmationMaximumWidth) {
    layout.clientWidth = kConfirmationMaximumWidth;
  } else if (layout.clientWidth < kConfirmationMinimumWidth) {
    layout.clientWidth = kConfirmationMinimumWidth;
  }
  layout.panelWidth = layout.clientWidth - 2 * kPanelInset;

  // C++ division truncates toward zero, as the shift of the design positions
  // requires when the dialog is wider than designed.
  const int shift = (kConfirmationDesignWidth - layout.clientWidth) / 2;
  layout.okLeft = (layout.clientWidth - kDialogButtonWidth) / 2;
  layout.yesLeft = kDesignYesLeft - shift;
  layout.noLeft = kDesignNoLeft - shift;
  return layout;
}

ScreenRect centreDialog(int width, int height, bool mainVisible, const ScreenRect& mainWindow,
                        const ScreenRect& screen) {
  const ScreenRect& over = mainVisible ? mainWindow : screen;
  return ScreenRect{over.left + (over.width - width) / 2, over.top + (over.height - height) / 2,
                    width, height};
}

}  // namespace voltaro::dialogs
