// The two text reports of the Save command: the battery information of the
// Information page and the calibration and wear data of the Calibrate page.
// Each line is a caption, one to three TABs and the shown value with its
// unit directly after it ("41000mWh").
#pragma once

#include <string>
#include <vector>

#include "view/shown_texts.h"

namespace voltaro::frontend::main_window {

struct ReportHeader {
  int slot = 1;      // the current slot's number
  std::string date;  // today in the short-date format
};

std::vector<std::string> batteryInformationReport(const view::ShownTexts& texts,
                                                  const ReportHeader& header);

// With a battery other than the primary one selected, the report names the
// battery to select instead of the figures.
std::vector<std::string> calibrationDataReport(const view::ShownTexts& texts,
                                               const ReportHeader& header, bool primarySelected,
                                               int primarySlot);

}  // namespace voltaro::frontend::main_window
