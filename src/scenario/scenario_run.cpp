#include "scenario/scenario_run.h"

#include <algorithm>
#include <cstdint>

#include "engine/engine.h"
#include "settings/settings_fields.h"

namespace voltaro::scenario {

namespace {

constexpr std::uint32_t kFlowStepMilliseconds = 1000;
constexpr std::uint32_t kSecondsPerDay = 86400;

bool is(const ScenarioLine& line, const char* verb) {
  return line.verb == verb;
}

}  // namespace

ScenarioRun::ScenarioRun(ScenarioScript script, engine::SimulatedMachine& machine,
                         platform::Runtime& runtime, ScenarioHost& host)
    : script_(std::move(script)),
      machine_(machine),
      runtime_(runtime),
      host_(host),
      lastTick_(runtime.tickCount()) {
  for (const ScenarioLine& line : script_.statements) {
    if (is(line, "display") || is(line, "flow") || is(line, "wear") || is(line, "answers"))
      carryOut(line);
    if (is(line, "setting")) settings_.push_back(line);
  }
}

ScenarioRun::~ScenarioRun() = default;

void ScenarioRun::engineStarted() {
  if (engine::Engine* engine = host_.engine()) applySettings(engine->settings());
  if (started_) return;
  started_ = true;
  for (const ScenarioLine& line : script_.statements) {
    if (is(line, "display") || is(line, "flow") || is(line, "wear") || is(line, "answers") ||
        is(line, "setting")) {
      continue;
    }
    carryOut(line);
  }
  // Made after the program's own timers: a statement due at the same moment
  // as one of them comes after it, as a message posted then would.
  eventTimer_ = runtime_.createTimer();
  eventTimer_->setHandler([this] { runDueEvents(); });
  armEventTimer();
  flowTimer_ = runtime_.createTimer();
  flowTimer_->setInterval(kFlowStepMilliseconds);
  flowTimer_->setHandler([this] { flowSecond(); });
  flowTimer_->setEnabled(true);
}

std::optional<std::string> ScenarioRun::takeAnswer() {
  if (answers_.empty()) return std::nullopt;
  std::string answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void ScenarioRun::applySettings(settings::AppSettings& record) const {
  for (const ScenarioLine& line : settings_) {
    const auto& [name, value] = *line.values.begin();
    if (name == "LaunchProgramPath") {
      record.LaunchProgramPath = value;
    } else if (const settings::SettingsField* field = settings::findSettingsField(name)) {
      settings::setFieldValue(record, *field, value);  // checked when read
    }
  }
}

void ScenarioRun::carryOut(const ScenarioLine& line) {
  if (!isRunnerStatement(line.verb)) {
    if (auto error = applyBatteryStatement(line, machine_.driver)) {
      ++failures_;
      host_.note("error: " + error->text());
    }
    return;
  }
  if (is(line, "display")) {
    applyPanel(line);
  } else if (is(line, "flow")) {
    FlowSetup setup;
    parseFlow(line, setup);
    flow_.set(setup);
  } else if (is(line, "wear")) {
    double percent = 0;
    parseWear(line, percent);
    wearPercentPerDay_ = percent;
  } else if (is(line, "answers")) {
    answers_.insert(answers_.end(), line.words.begin(), line.words.end());
  } else if (is(line, "shutdown")) {
    if (host_.engine() != nullptr) host_.powerOff("shuts down");
  } else if (is(line, "boot")) {
    if (host_.engine() == nullptr) host_.boot();
  } else if (engine::Engine* engine = host_.engine()) {
    carryOutOnEngine(line, *engine);
  } else {
    host_.note("'" + describe(line) + "' ignored: the computer is off");
  }
}

void ScenarioRun::carryOutOnEngine(const ScenarioLine& line, engine::Engine& engine) {
  using platform::PowerEvent;
  if (is(line, "suspend")) {
    machine_.powerEvents.fire(PowerEvent::Suspend);
  } else if (is(line, "standby")) {
    machine_.powerEvents.fire(PowerEvent::Standby);
  } else if (is(line, "resume")) {
    machine_.powerEvents.fire(PowerEvent::ResumeSuspend);
  } else if (is(line, "switch")) {
    engine.monitor().act8();
  } else if (is(line, "calibrate")) {
    engine.calibratePage().handleKey('C');
  } else if (is(line, "fastdischarge")) {
    engine.calibratePage().handleKey('D');
  } else if (is(line, "setting")) {
    settings_.push_back(line);
    applySettings(engine.settings());
  }
}

void ScenarioRun::applyPanel(const ScenarioLine& line) {
  PanelSetup panel;
  parsePanel(line, panel);
  platform::sim::SimDisplay& display = machine_.display;
  if (panel.levels) display.supportedLevels = *panel.levels;
  if (panel.ac) display.acLevel = *panel.ac;
  if (panel.dc) display.dcLevel = *panel.dc;
  if (panel.composition) display.compositionOn = *panel.composition;
}

void ScenarioRun::armEventTimer() {
  eventTimer_->setEnabled(false);
  if (nextEvent_ >= script_.events.size()) return;
  const std::uint64_t due = std::uint64_t{script_.events[nextEvent_].atSeconds} * 1000;
  const std::uint64_t elapsed = elapsedMilliseconds();
  eventTimer_->setInterval(static_cast<std::uint32_t>(
      due > elapsed ? std::min<std::uint64_t>(due - elapsed, UINT32_MAX) : 0));
  eventTimer_->setEnabled(true);
}

void ScenarioRun::runDueEvents() {
  eventTimer_->setEnabled(false);
  const std::uint64_t elapsed = elapsedMilliseconds();
  while (nextEvent_ < script_.events.size() &&
         std::uint64_t{script_.events[nextEvent_].atSeconds} * 1000 <= elapsed) {
    const platform::sim::TimedEvent event = script_.events[nextEvent_++];
    if (script_.dailyLines.contains(event.action.number)) repeatTomorrow(event);
    host_.carryingOut(event.action);
    carryOut(event.action);
  }
  armEventTimer();
}

std::uint64_t ScenarioRun::elapsedMilliseconds() {
  // Read at least once a timer interval, far less than the 49 days after
  // which the tick count wraps.
  const std::uint32_t now = runtime_.tickCount();
  elapsed_ += static_cast<std::uint32_t>(now - lastTick_);
  lastTick_ = now;
  return elapsed_;
}

void ScenarioRun::repeatTomorrow(const platform::sim::TimedEvent& event) {
  platform::sim::TimedEvent next = event;
  if (next.atSeconds > UINT32_MAX - kSecondsPerDay) return;
  next.atSeconds += kSecondsPerDay;
  // After the events already due at that second, as the file order has it.
  const auto at = std::upper_bound(script_.events.begin() + static_cast<std::ptrdiff_t>(nextEvent_),
                                   script_.events.end(), next.atSeconds,
                                   [](std::uint32_t seconds, const platform::sim::TimedEvent& e) {
                                     return seconds < e.atSeconds;
                                   });
  script_.events.insert(at, std::move(next));
}

void ScenarioRun::flowSecond() {
  elapsedMilliseconds();
  wearSecond();
  if (flow_.second(machine_.driver, host_.engine() != nullptr)) {
    host_.powerOff("shuts down at the critical battery level");
  }
}

void ScenarioRun::wearSecond() {
  if (!wearPercentPerDay_) return;
  platform::BatteryInformation& information = machine_.driver.battery(1).information;
  wearCarry_ += information.designedCapacity * *wearPercentPerDay_ / 100.0 / kSecondsPerDay;
  const auto whole = static_cast<std::uint32_t>(wearCarry_);
  if (whole == 0) return;
  wearCarry_ -= whole;
  information.fullChargedCapacity -= std::min(whole, information.fullChargedCapacity);
}

}  // namespace voltaro::scenario
