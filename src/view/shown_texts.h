// The texts the program shows, by page and caption.
//
// Subsystems write label values here under the captions the user sees
// ("Designed Capacity", "Mode"); the window paints them, and reports and logs
// read the same texts back. Tests read them directly.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace voltaro::view {

enum class Page : std::uint8_t {
  LeftColumn,   // the always-visible column: "Charge", "Time", "Cycles", "Wear", "Mode", "Days"
  Information,  // the Information page values, and "Slots / Batteries"
  Graph,
  Settings,
  Alerts,
  Calibrate,
  Home,
  Gadget,
  Caption,  // window-level captions: "Battery" (the battery caption)
};

class ShownTexts {
 public:
  // Sets a value; returns true when it changed. Listeners are told of changes.
  bool set(Page page, std::string_view caption, std::string value);
  // The shown value, or "" when never set.
  const std::string& get(Page page, std::string_view caption) const;
  bool has(Page page, std::string_view caption) const;
  const std::map<std::string, std::string, std::less<>>& page(Page page) const;

  using Listener = std::function<void(Page, const std::string& caption, const std::string& value)>;
  void setListener(Listener listener) { listener_ = std::move(listener); }

 private:
  std::map<Page, std::map<std::string, std::string, std::less<>>> pages_;
  Listener listener_;
};

}  // namespace voltaro::view
