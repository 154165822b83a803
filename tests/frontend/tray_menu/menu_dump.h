// The menu model as lines of text, one per item, indented by submenu:
// "> " a submenu, "[x] " / "[ ] " a check item, "(*) " / "( ) " a radio
// item, "---" a separator, "~" after a disabled item.
#pragma once

#include <string>
#include <vector>

#include "frontend/tray_menu/menu_model.h"

namespace voltaro::testing {

inline std::string itemLine(frontend::tray_menu::ItemKind kind, bool checked,
                            const std::string& caption, bool enabled) {
  using frontend::tray_menu::ItemKind;
  std::string line;
  switch (kind) {
    case ItemKind::Separator:
      return "---";
    case ItemKind::Submenu:
      line = "> ";
      break;
    case ItemKind::Check:
      line = checked ? "[x] " : "[ ] ";
      break;
    case ItemKind::Radio:
      line = checked ? "(*) " : "( ) ";
      break;
    case ItemKind::Command:
      break;
  }
  return line + caption + (enabled ? "" : "~");
}

inline void dumpInto(const frontend::tray_menu::MenuItem& parent, const std::string& indent,
                     std::vector<std::string>& lines) {
  for (const auto& item : parent.children) {
    lines.push_back(indent + itemLine(item.kind, item.checked, item.caption, item.enabled));
    dumpInto(item, indent + "  ", lines);
  }
}

inline std::vector<std::string> dumpMenu(const frontend::tray_menu::MenuItem& root) {
  std::vector<std::string> lines;
  dumpInto(root, "", lines);
  return lines;
}

}  // namespace voltaro::testing
