// `voltaroctl simulate`: runs a scenario on virtual time over the whole
// engine and prints, stamped with the simulated clock, every change of the
// shown values, each alert, request to the system and dialog with its answer
// (activity_printer.h, scripted_dialogs.h). `calibrate-sim` and
// `fast-discharge-sim` run the same with the calibration report
// (calibration_report.h).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace voltaro::tools {

// `args`: FILE [--hours H] [--data DIR]: H may have decimals (1 when not
// given); DIR is the Documents base of the data folder, a temporary one
// removed at the end without it.
int runSimulateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runCalibrateSimCommand(const std::vector<std::string>& args, std::ostream& out,
                           std::ostream& err);
int runFastDischargeSimCommand(const std::vector<std::string>& args, std::ostream& out,
                               std::ostream& err);

const char* simulateUsage();
const char* calibrateSimUsage();
const char* fastDischargeSimUsage();

}  // namespace voltaro::tools
