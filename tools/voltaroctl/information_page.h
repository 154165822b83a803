// The Information page as text: its captions in the page's order with their
// value texts and unit labels.
#pragma once

#include <iosfwd>

#include "view/shown_texts.h"

namespace voltaro::tools {

// Prints both sections of the Information page (without "Slots /
// Batteries") and the left column's battery figures; a value never written
// reads "0", as the labels start.
void printInformationPage(const view::ShownTexts& texts, std::ostream& out);

}  // namespace voltaro::tools
