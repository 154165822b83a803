// `calibrate-sim` and `fast-discharge-sim`: run a scenario of the simulated
// battery on virtual time with a calibration or a fast discharge, printing
// the questions asked and the answers the scenario gives, the marker files,
// the shown states, and at the end the calibration log and the health
// values. Each has the shape of a voltaroctl subcommand.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace voltaro::tools {

// `args`: FILE [--hours H] [--data DIR]. Without --data a fresh folder is
// made for the run and removed afterwards.
int runCalibrateSimCommand(const std::vector<std::string>& args, std::ostream& out,
                           std::ostream& err);
int runFastDischargeSimCommand(const std::vector<std::string>& args, std::ostream& out,
                               std::ostream& err);
const char* calibrateSimUsage();
const char* fastDischargeSimUsage();

}  // namespace voltaro::tools
