// voltaro's own words before Qt starts: --help and --version answer, Qt's
// words pass on to the QApplication.
#include "app/program_options.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace voltaro::app {
namespace {

std::optional<int> answer(std::vector<std::string> words, std::string& printed) {
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  std::ostringstream out;
  const auto status = answerWithoutDisplay(argv, out);
  printed = out.str();
  return status;
}

TEST(ProgramOptions, HelpAndVersionAnswerAndQtWordsPassOn) {
  std::string printed;
  EXPECT_EQ(answer({"voltaro", "--version"}, printed), 0);
  EXPECT_EQ(printed, std::string(programVersion()) + "\n");
  EXPECT_EQ(answer({"voltaro", "-platform", "offscreen", "-h"}, printed), 0);
  EXPECT_EQ(printed, programHelp());
  EXPECT_NE(printed.find("Usage: voltaro"), std::string::npos);

  EXPECT_FALSE(answer({"voltaro"}, printed));
  EXPECT_FALSE(answer({"voltaro", "-platform", "offscreen"}, printed));
  EXPECT_FALSE(answer({"--help"}, printed)) << "the program's own name is no option";
  EXPECT_EQ(printed, "");
}

}  // namespace
}  // namespace voltaro::app
