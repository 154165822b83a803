// The two simulations run their shipped scenarios from start to end.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "calibration_sim.h"

namespace voltaro::tools {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

std::string run(int (*command)(const std::vector<std::string>&, std::ostream&, std::ostream&),
                const std::string& scenario, const std::string& hours, int& status) {
  std::ostringstream out;
  std::ostringstream err;
  status = command({std::string(VOLTARO_SCENARIOS) + "/" + scenario, "--hours", hours}, out, err);
  return out.str() + err.str();
}

int count(const std::string& text, const std::string& part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(CalibrationSimTest, TheCalibrationScenarioCompletesAfterTheRestart) {
  int status = -1;
  const std::string out = run(runCalibrateSimCommand, "calibration.txt", "3.5", status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(count(out, "question Confirmation: In order to start the Calibration process"), 2);
  EXPECT_EQ(count(out, "answer "), 5);
  EXPECT_THAT(out, Not(HasSubstr("no answer left")));
  EXPECT_THAT(out, HasSubstr("marker calib2.txt created"));
  EXPECT_THAT(out, HasSubstr("the computer shuts down at the critical battery level"));
  EXPECT_EQ(count(out, "program starts"), 2);
  EXPECT_THAT(out, HasSubstr("notice Information: Calibration is complete"));
  EXPECT_THAT(out, HasSubstr("Total calibrations: 1"));
  EXPECT_THAT(out, HasSubstr("Full Charged Capacity: 45,000 mWh"));
  EXPECT_THAT(out, HasSubstr("health: calibrations 1, latest calibration day 46023, cycles "
                             "since calibration 0 hundredths"));
  EXPECT_THAT(out, Not(HasSubstr("error:")));
}

TEST(CalibrationSimTest, TheFastDischargeScenarioEndsOnPowerAndAtItsEndTime) {
  int status = -1;
  const std::string out = run(runFastDischargeSimCommand, "fast_discharge.txt", "0.25", status);
  EXPECT_EQ(status, 0);
  EXPECT_THAT(out, HasSubstr("This process will run for 5 minutes. Do you want to start it?"));
  EXPECT_THAT(out, HasSubstr("worker threads running: 3"));
  EXPECT_THAT(out, HasSubstr("worker threads running: 0"));
  EXPECT_THAT(out, HasSubstr("display brightness: 100 % on AC, 70 % on battery"));
  EXPECT_THAT(out, HasSubstr("display brightness: 100 % on AC, 40 % on battery"));
  EXPECT_EQ(count(out, "shown Fast Discharge: Off"), 2);
  EXPECT_THAT(out, HasSubstr("disc activity files left: 0"));
}

TEST(CalibrationSimTest, AMissingScenarioFileIsAUsageError) {
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(runCalibrateSimCommand({}, out, err), 2);
  EXPECT_THAT(err.str(), HasSubstr("no scenario file"));
}

}  // namespace
}  // namespace voltaro::tools
