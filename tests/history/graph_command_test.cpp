#include "voltaroctl/command_run.h"

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fakes/temporary_folder.h"

namespace voltaro::tools {
namespace {

namespace fs = std::filesystem;

bool isChargeLine(QRgb pixel) {
  return std::abs(qRed(pixel) - 0xF0) <= 24 && std::abs(qGreen(pixel) - 0xA0) <= 24 &&
         qBlue(pixel) <= 24;
}

class GraphCommandTest : public ::testing::Test {
 protected:
  int run(std::vector<std::string> args) {
    out.str("");
    err.str("");
    args.insert(args.begin(), {"--out", (folder / "graph.png").string()});
    return runGraphCommand(args, out, err);
  }
  QImage picture() const { return QImage(QString::fromStdString((folder / "graph.png").string())); }
  std::string writeSamples(const std::string& text) {
    const auto path = folder / "samples.txt";
    std::ofstream(path) << text;
    return path.string();
  }

  testing::TemporaryFolder temporary;
  const fs::path& folder = temporary.path();
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(GraphCommandTest, DrawsASampleFileInTheChosenView) {
  std::string text = "# two hours at 50 %, then one at 75 %\n";
  for (int n = 0; n < 1440; ++n) text += "50 3\n";
  for (int n = 0; n < 720; ++n) text += "75 3\n";
  const std::string samples = writeSamples(text);

  ASSERT_EQ(run({"--samples", samples}), 0) << err.str();
  QImage image = picture();
  ASSERT_EQ(image.size(), QSize(800, 434));
  // The newest hour holds the 75 % samples: value 300, y 116.
  EXPECT_TRUE(isChargeLine(image.pixel(40 + 300, 116)));
  EXPECT_FALSE(isChargeLine(image.pixel(40 + 300, 216)));

  // Three hours: shifts at samples 721, 1081, 1441 and 1801 leave sample n at
  // entry 9360 + n, so 50 % fills 9361..10800 and 75 % 10801..11520. In the
  // 4-hour view (origin 13) column c ends at entry 8637 + 4c: 50 % for
  // columns 181..540, 75 % from 541.
  ASSERT_EQ(run({"--samples", samples, "--zoom", "4"}), 0) << err.str();
  image = picture();
  EXPECT_TRUE(isChargeLine(image.pixel(40 + 200, 216)));
  EXPECT_TRUE(isChargeLine(image.pixel(40 + 500, 216)));
  EXPECT_TRUE(isChargeLine(image.pixel(40 + 700, 116)));
  EXPECT_FALSE(isChargeLine(image.pixel(40 + 100, 216)));  // before the history began

  // One step back (origin 9) the view ends at entry 5757 + 2880 = 8637,
  // before the oldest sample: nothing to draw.
  ASSERT_EQ(run({"--samples", samples, "--zoom", "4", "--origin", "9"}), 0);
  image = picture();
  int orange = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 40; x < 761; ++x) orange += isChargeLine(image.pixel(x, y));
  }
  EXPECT_EQ(orange, 0);
}

TEST_F(GraphCommandTest, RunsAScenarioOfTheSimulatedBattery) {
  const std::string scenario = std::string(VOLTARO_TEST_DATA) + "/history/drain_scenario.txt";
  ASSERT_EQ(run({"--scenario", scenario, "--hours", "1"}), 0) << err.str();
  const QImage image = picture();
  // 80 % (y 96) for the first half hour, 60 % (y 176) after it.
  EXPECT_TRUE(isChargeLine(image.pixel(40 + 100, 96)));
  EXPECT_TRUE(isChargeLine(image.pixel(40 + 600, 176)));
  EXPECT_FALSE(isChargeLine(image.pixel(40 + 600, 96)));
}

TEST_F(GraphCommandTest, WritesJpegByTheFileName) {
  const std::string samples = writeSamples("40 2\n41 2\n42 2\n");
  const auto jpeg = folder / "shot.JPG";
  std::ostringstream text;
  ASSERT_EQ(runGraphCommand({"--samples", samples, "--out", jpeg.string()}, text, err), 0);
  std::ifstream in(jpeg, std::ios::binary);
  char magic[3] = {};
  in.read(magic, 3);
  EXPECT_EQ(static_cast<unsigned char>(magic[0]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(magic[1]), 0xD8);
  EXPECT_EQ(static_cast<unsigned char>(magic[2]), 0xFF);
}

TEST_F(GraphCommandTest, RefusesViewsAndInputsThatDoNotFit) {
  const std::string samples = writeSamples("50 3\n");
  EXPECT_EQ(run({"--samples", samples, "--zoom", "8", "--origin", "16"}), 2);
  EXPECT_NE(err.str().find("origin 16 is not a view of zoom 8"), std::string::npos);
  EXPECT_EQ(run({"--samples", samples, "--zoom", "1", "--origin", "2"}), 2);
  EXPECT_EQ(run({"--samples", samples, "--zoom", "3"}), 2);
  EXPECT_EQ(run({"--samples", samples, "--scenario", samples}), 2);
  EXPECT_EQ(run({}), 2);
  EXPECT_EQ(run({"--samples", writeSamples("50 3\n50 9\n")}), 1);
  EXPECT_NE(err.str().find("line 2: the kind must be 1, 2 or 3"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder / "graph.png"));
}

}  // namespace
}  // namespace voltaro::tools
