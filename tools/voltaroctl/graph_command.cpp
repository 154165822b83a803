#include "graph_command.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <charconv>
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

std::optional<long long> parseNumber(const std::string& text) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [at, failure] = std::from_chars(text.data(), end, value);
  if (failure != std::errc() || at != end) return std::nullopt;
  return value;
}

// Fills `args`; an error text when the words do not make a command.
std::string parseArgs(const std::vector<std::string>& words, GraphArgs& args) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    const bool hasValue = i + 1 < words.size();
    const auto number = [&]() { return hasValue ? parseNumber(words[++i]) : std::nullopt; };
    if (word == "--smooth") {
      args.smooth = true;
    } else if (word == "--no-fill") {
      args.filled = false;
    } else if (word == "--no-discharge-line") {
      args.dischargeLine = false;
    } else if (word == "--samples" && hasValue) {
      args.samplesPath = words[++i];
    } else if (word == "--scenario" && hasValue) {
      args.scenarioPath = words[++i];
    } else if (word == "--hours") {
      const auto hours = number();
      if (!hours || *hours < 1 || *hours > 24) return "--hours takes 1 to 24";
      args.hours = static_cast<double>(*hours);
    } else if (word == "--out" && hasValue) {
      args.outPath = words[++i];
    } else if (word == "--zoom") {
      const auto zoom = number();
      if (!zoom || !history::validZoom(static_cast<int>(*zoom))) {
        return "--zoom takes 16, 8, 4, 2 or 1";
      }
      args.zoom = static_cast<int>(*zoom);
    } else if (word == "--origin") {
      const auto origin = number();
      if (!origin || *origin < 1 || *origin > 16) return "--origin takes a page from 1 to 16";
      args.origin = static_cast<int>(*origin);
    } else if (word == "--remaining") {
      const auto seconds = number();
      if (!seconds || *seconds < 0 || *seconds >= history::kUnknownTime) {
        return "--remaining takes a number of seconds";
      }
      args.remainingSeconds = static_cast<std::uint32_t>(*seconds);
    } else if (word == "--dpi") {
      const auto dpi = number();
      if (!dpi || *dpi < 48 || *dpi > 480) return "--dpi takes 48 to 480";
      args.dotsPerInch = static_cast<double>(*dpi);
    } else {
      return "unknown or incomplete option " + word;
    }
  }
  if (args.samplesPath.empty() == args.scenarioPath.empty()) {
    return "give either --samples FILE or --scenario FILE";
  }
  if (args.outPath.empty()) return "--out FILE is required";
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

// Fonts need a GUI application; without a display the offscreen platform
// serves them.
std::unique_ptr<QGuiApplication> guiApplication() {
  if (QGuiApplication::instance()) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "voltaroctl";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

const char* graphUsage() {
  return "  voltaroctl graph --samples FILE --out PICTURE [options]\n"
         "  voltaroctl graph --scenario FILE [--hours H] --out PICTURE [options]\n";
}

const char* graphHelp() {
  return "voltaroctl graph: draws a charge history as the Graph page shows it and\n"
         "writes it as PNG, or as JPEG when PICTURE ends in .jpg or .jpeg.\n"
         "  --samples FILE    one sample per line, oldest first, five seconds apart:\n"
         "                    \"percent kind\" with kind 1 (on power), 2 (charging)\n"
         "                    or 3 (on battery), or \"-\" for a missing sample;\n"
         "                    '#' starts a comment\n"
         "  --scenario FILE   a scenario of the simulated battery (as for simulate),\n"
         "                    run for H hours of virtual time (1..24, default 1)\n"
         "  --zoom Z          16 (1 h, default), 8 (2 h), 4 (4 h), 2 (8 h), 1 (16 h)\n"
         "  --origin O        first page of the view, 1..16 (default: the newest)\n"
         "  --smooth          the interpolated drawing\n"
         "  --no-fill         no fill lines under the curve\n"
         "  --no-discharge-line\n"
         "  --remaining SECS  time remaining on battery, for the discharge line\n"
         "                    (a scenario gives its own)\n"
         "  --dpi N           screen dots per inch for the texts (default 96)\n";
}

int runGraphCommand(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
  if (words.size() == 1 && (words[0] == "--help" || words[0] == "-h")) {
    out << graphUsage() << graphHelp();
    return 0;
  }
  GraphArgs args;
  if (const std::string error = parseArgs(words, args); !error.empty()) {
    err << "voltaroctl graph: " << error << "\nusage:\n" << graphUsage();
    return 2;
  }
  const std::string& input = args.samplesPath.empty() ? args.scenarioPath : args.samplesPath;
  const auto text = readWholeFile(input);
  if (!text) {
    err << "voltaroctl graph: cannot read " << input << "\n";
    return 1;
  }
  ChargeHistory history;
  history::GraphReadings readings;
  if (const auto problem = loadHistory(args, *text, history, readings)) {
    err << "voltaroctl graph: " << input << ": " << *problem << "\n";
    return 1;
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
    return 1;
  }
  out << "wrote " << args.outPath << " (" << history::timeText(args.zoom).substr(6) << " from page "
      << *args.origin << ")\n";
  return 0;
}

}  // namespace voltaro::tools
