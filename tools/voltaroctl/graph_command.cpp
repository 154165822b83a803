#include "graph_command.h"

#include <CLI/CLI.hpp>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>

#include "common/file_io.h"
#include "graph_scenario.h"
#include "history/charge_history.h"
#include "history/graph_background.h"
#include "history/graph_drawing.h"
#include "history/graph_jpeg.h"
#include "history/history_file.h"
#include "history/history_zoom.h"
#include "qt_application.h"

namespace voltaro::tools {
namespace {

using history::ChargeHistory;

struct GraphArgs {
  std::string samplesPath;
  std::string scenarioPath;
  double hours = 1.0;
  std::string outPath;
  int zoom = 16;
  std::optional<int> origin;
  bool smooth = false;
  bool filled = true;
  bool dischargeLine = true;
  std::optional<std::uint32_t> remainingSeconds;
  double dotsPerInch = 96.0;
};

// What the options alone cannot check; an error text, or "" when the
// words make a command.
std::string completeArgs(GraphArgs& args) {
  if (args.samplesPath.empty() == args.scenarioPath.empty()) {
    return "give either --samples FILE or --scenario FILE";
  }
  const int origin = args.origin.value_or(history::newestOrigin(args.zoom));
  if (!history::validView(args.zoom, origin)) {
    return "origin " + std::to_string(origin) + " is not a view of zoom " +
           std::to_string(args.zoom);
  }
  args.origin = origin;
  return {};
}

std::optional<std::string> readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool endsWith(const std::string& text, std::string_view tail) {
  return text.size() >= tail.size() &&
         std::equal(tail.rbegin(), tail.rend(), text.rbegin(), [](char a, char b) {
           return a == std::tolower(static_cast<unsigned char>(b));
         });
}

bool writePicture(const QImage& picture, const std::string& path) {
  if (endsWith(path, ".jpg") || endsWith(path, ".jpeg")) {
    const auto file = history::encodeJpeg(picture);
    return file && replaceFileAtomically(path, *file);
  }
  return picture.save(QString::fromStdString(path), "PNG");
}

// Fills the history from the sample file or the scenario's run; an error
// text when the input is broken.
std::optional<std::string> loadHistory(const GraphArgs& args, const std::string& text,
                                       ChargeHistory& history, history::GraphReadings& readings) {
  if (!args.scenarioPath.empty()) {
    return recordScenarioHistory(text, args.hours, history, readings);
  }
  const history::HistoryFileResult loaded = history::readHistoryText(text, history);
  if (!loaded.ok) return loaded.error;
  readings.chargePercent = loaded.lastPercent;
  readings.onPower = loaded.lastKind != history::SampleKind::OnBattery;
  readings.remainingSeconds = history::kUnknownTime;
  return std::nullopt;
}

int drawGraph(GraphArgs args, std::ostream& out, std::ostream& err) {
  if (const std::string error = completeArgs(args); !error.empty()) {
    err << "voltaroctl graph: " << error << "\n";
    return kExitUsage;
  }
  const std::string& input = args.samplesPath.empty() ? args.scenarioPath : args.samplesPath;
  const auto text = readWholeFile(input);
  if (!text) {
    err << "voltaroctl graph: cannot read " << input << "\n";
    return kExitFailed;
  }
  ChargeHistory history;
  history::GraphReadings readings;
  if (const auto problem = loadHistory(args, *text, history, readings)) {
    err << "voltaroctl graph: " << input << ": " << *problem << "\n";
    return kExitFailed;
  }
  if (args.remainingSeconds) readings.remainingSeconds = *args.remainingSeconds;
  history.setView(args.zoom, *args.origin);

  const auto app = guiApplication();
  QImage surface = history::makeGraphBackground();
  history::paintAxes(surface, args.zoom, args.dotsPerInch);
  const history::GraphOptions options{args.smooth, args.filled, args.dischargeLine,
                                      args.dotsPerInch};
  history::drawHistory(surface, history, options, readings);
  if (!writePicture(surface, args.outPath)) {
    err << "voltaroctl graph: cannot write " << args.outPath << "\n";
    return kExitFailed;
  }
  out << "wrote " << args.outPath << " (" << history::timeText(args.zoom).substr(6) << " from page "
      << *args.origin << ")\n";
  return kExitDone;
}

}  // namespace

CommandAction defineGraphCommand(CLI::App& command) {
  auto args = std::make_shared<GraphArgs>();
  auto* samples = command.add_option("--samples", args->samplesPath,
                                     "One sample per line, oldest first, five seconds apart: "
                                     "\"percent kind\" with kind 1 (on power), 2 (charging) or "
                                     "3 (on battery), or \"-\" for a missing one");
  samples->type_name("FILE");
  auto* scenario = command.add_option("--scenario", args->scenarioPath,
                                      "A scenario of the simulated battery, run for --hours");
  scenario->type_name("FILE");
  samples->excludes(scenario);
  command.add_option("--hours", args->hours, "Hours of the scenario's run, 1 to 24 (default 1)")
      ->type_name("H")
      ->check(CLI::Range(1.0, 24.0));
  command.add_option("--out", args->outPath, "The picture: PNG, or JPEG for .jpg and .jpeg")
      ->type_name("PICTURE")
      ->required();
  command
      .add_option("--zoom", args->zoom, "16 (1 h, default), 8 (2 h), 4 (4 h), 2 (8 h), 1 (16 h)")
      ->type_name("Z")
      ->check(CLI::IsMember({16, 8, 4, 2, 1}));
  command
      .add_option_function<int>(
          "--origin", [args](int origin) { args->origin = origin; },
          "First page of the view, 1 to 16 (default: the newest)")
      ->type_name("O")
      ->check(CLI::Range(1, 16));
  command.add_flag("--smooth", args->smooth, "The interpolated drawing");
  command.add_flag_callback(
      "--no-fill", [args] { args->filled = false; }, "No fill lines under the curve");
  command.add_flag_callback(
      "--no-discharge-line", [args] { args->dischargeLine = false; }, "No discharge line");
  command
      .add_option_function<std::uint32_t>(
          "--remaining", [args](std::uint32_t seconds) { args->remainingSeconds = seconds; },
          "Seconds remaining on battery, for the discharge line (a scenario gives its own)")
      ->type_name("SECONDS")
      ->check(CLI::Range(std::uint32_t{0}, history::kUnknownTime - 1));
  command.add_option("--dpi", args->dotsPerInch, "Screen dots per inch for the texts (default 96)")
      ->type_name("N")
      ->check(CLI::Range(48.0, 480.0));
  return [args](std::ostream& out, std::ostream& err) { return drawGraph(*args, out, err); };
}

}  // namespace voltaro::tools
