// The Information page as text: its captions in the page's order with their
// value texts and unit labels.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <span>

#include "view/shown_texts.h"

namespace voltaro::tools {

// Prints both sections of the Information page (without "Slots /
// Batteries") and the left column's battery figures; a value never written
// reads "0", as the labels start.
void printInformationPage(const view::ShownTexts& texts, std::ostream& out);

struct PageRow {
  view::Page page;
  const char* caption;
  const char* unit;  // "" for none
};

// "  TITLE", then one line per row: the caption padded to `captionWidth`
// characters (indent included), the value right-aligned in a column, the
// unit. A value never written reads "0".
void printPageSection(const char* title, std::span<const PageRow> rows,
                      const view::ShownTexts& texts, std::ostream& out,
                      std::size_t captionWidth = 26);

}  // namespace voltaro::tools
