// voltaro-calibration-sim: the calibrate-sim and fast-discharge-sim
// subcommands as a program of their own, until voltaroctl lists them.
#include <iostream>
#include <string>
#include <vector>

#include "calibration_sim.h"

int main(int argc, char** argv) {
  using namespace voltaro::tools;
  const std::string name = argc > 1 ? argv[1] : "";
  const std::vector<std::string> args(argc > 2 ? argv + 2 : argv + argc, argv + argc);
  if (name == "calibrate-sim") return runCalibrateSimCommand(args, std::cout, std::cerr);
  if (name == "fast-discharge-sim") return runFastDischargeSimCommand(args, std::cout, std::cerr);
  std::cerr << "usage:\n" << calibrateSimUsage() << fastDischargeSimUsage();
  return 2;
}
