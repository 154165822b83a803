// `voltaroctl simulate`: runs a scenario on virtual time over the whole
// engine and prints, stamped with the simulated clock, every change of the
// shown values, each alert, request to the system and dialog with its answer
// (activity_printer.h, scripted_dialogs.h). `calibrate-sim` and
// `fast-discharge-sim` run the same with the calibration report
// (calibration_report.h). Each takes FILE [--hours H] [--data DIR].
#pragma once

#include "command.h"

namespace voltaro::tools {

inline constexpr CommandName kSimulateCommand{
    "simulate", "Run a scenario on virtual time and print what the program shows and does"};
inline constexpr CommandName kCalibrateSimCommand{
    "calibrate-sim", "Run a scenario like simulate, with the calibration's report"};
inline constexpr CommandName kFastDischargeSimCommand{
    "fast-discharge-sim", "Run a scenario like simulate, with the fast discharge's report"};

CommandAction defineSimulateCommand(CLI::App& command);
CommandAction defineCalibrateSimCommand(CLI::App& command);
CommandAction defineFastDischargeSimCommand(CLI::App& command);

}  // namespace voltaro::tools
