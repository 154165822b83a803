// The battery advice dialog as the subsystems see it: a battery line and four
// answers, each "No" or "Yes" in its own colour.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace voltaro::view {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

struct AdviceAnswer {
  std::string text;  // "No" or "Yes"
  Rgb colour;
  bool operator==(const AdviceAnswer&) const = default;
};

constexpr std::size_t kAdviceItemCount = 4;

struct AdviceContent {
  std::string battery;  // the text after "Battery: "
  std::array<AdviceAnswer, kAdviceItemCount> answers{};
  bool operator==(const AdviceContent&) const = default;
};

class AdvicePort {
 public:
  virtual ~AdvicePort() = default;
  // Replaces the battery line and the four answers; does not show the dialog.
  virtual void fill(const AdviceContent& content) = 0;
  // Shows the dialog without making it modal.
  virtual void show() = 0;
  // Brings the dialog to the top and makes it the foreground window.
  virtual void bringToFront() = 0;
};

}  // namespace voltaro::view
