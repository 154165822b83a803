#include "activity_printer.h"

#include <sstream>
#include <vector>

namespace voltaro::tools {

namespace {

std::vector<std::string> wordsOf(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// What follows the first word, unchanged.
std::string restOf(const std::string& call) {
  const auto blank = call.find(' ');
  return blank == std::string::npos ? std::string() : call.substr(blank + 1);
}

std::optional<std::string> brightnessLine(const std::vector<std::string>& w) {
  if (w.size() != 4) return std::nullopt;
  if (w[1] == "1") return "action brightness ac=" + w[2];
  if (w[1] == "2") return "action brightness battery=" + w[3];
  return "action brightness ac=" + w[2] + " battery=" + w[3];
}

}  // namespace

void ActivityPrinter::watch(engine::SimulatedMachine& machine) {
  machine.observe([this](const std::string& call) {
    if (auto line = requestLine(call)) printer_.line(*line);
  });
}

void ActivityPrinter::alertFired(alerts::AlertKind kind) {
  printer_.line(kind == alerts::AlertKind::Warning ? "alert warning" : "alert critical");
}

std::optional<std::string> ActivityPrinter::requestLine(const std::string& call) {
  const std::vector<std::string> w = wordsOf(call);
  if (w.empty()) return std::nullopt;
  const std::string& verb = w[0];
  const std::string force = w.size() > 1 && w[1] == "force" ? " force" : "";
  if (verb == "setBrightness") return brightnessLine(w);
  if (verb == "setComposition") return "action composition " + restOf(call);
  if (verb == "monitorOff") return "action monitor off";
  if (verb == "setMasterVolume") return "action volume " + restOf(call);
  if (verb == "setMuted") return "action mute " + restOf(call);
  if (verb == "suspend") return "action standby" + force;
  if (verb == "hibernate") return "action hibernate" + force;
  if (verb == "powerOff") return "action shut down";
  if (verb == "reboot") return "action restart";
  if (verb == "open") return "action launch " + restOf(call);
  if (verb == "run") return "action run " + restOf(call);
  if (verb == "activatePlan") return "plan activate " + restOf(call);
  if (verb == "enableStandby") return "plan standby on";
  if (verb == "setHibernateEnabled") return "plan hibernation " + restOf(call);
  if (verb == "disableHibernation") return "plan hibernation off";
  if (verb == "setBatteryValues") return "plan calibration-values " + restOf(call);
  if (verb == "disableStandbyOnBattery") return "plan standby-on-battery off";
  return std::nullopt;
}

}  // namespace voltaro::tools
