#include "app/program_services.h"

#include <QCoreApplication>
#include <QFile>
#include <string>
#include <vector>

#include "engine/linux_system_actions.h"
#include "engine/service_set.h"
#include "logs/log_stamp.h"
#include "platform/linux/helper_audio.h"
#include "platform/linux/locale_short_date.h"
#include "platform/linux_services/http_module.h"
#include "platform/linux_services/lazy_http_client.h"
#include "platform/linux_threads/posix_worker_threads.h"
#include "scenario/scenario_script.h"
#include "ui/qt_runtime.h"

namespace voltaro::app {

namespace {
constexpr const char* kClipResources[] = {
    ":/sounds/clip1_chime.wav",         ":/sounds/clip2_battery_low.wav",
    ":/sounds/clip3_fully_charged.wav", ":/sounds/clip4_discharging.wav",
    ":/sounds/clip5_charging.wav",      ":/sounds/clip6_click.wav"};

platform::ClipFiles embeddedClips() {
  platform::ClipFiles clips;
  for (std::size_t i = 0; i < clips.size(); ++i) {
    QFile file(kClipResources[i]);
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QByteArray bytes = file.readAll();
    clips[i].assign(bytes.begin(), bytes.end());
  }
  return clips;
}

// Where a module or helper is looked for: beside the program (the build folder), then
// in the modules' folder of an installed program.
std::vector<std::string> modulePaths(const char* file) {
  const std::string folder = QCoreApplication::applicationDirPath().toStdString();
  return {folder + "/" + file, folder + "/" VOLTARO_MODULE_FOLDER "/" + file};
}
}  // namespace

struct ProgramServices::Parts {
  ui::QtRuntime runtime;
  // Sound goes through its helper, the update check loads its library on
  // first use: neither maps libpulse or Qt Network into the program.
  platform::HelperAudio audio{modulePaths(VOLTARO_SOUND_HELPER), embeddedClips};
  platform::linux_services::LazyHttpClient http{modulePaths(VOLTARO_HTTP_MODULE)};
  // The fast-discharge workers: the steady clock and their raised priority,
  // on the real and the simulated battery alike.
  platform::linux_threads::PosixWorkerThreads threads;
  std::unique_ptr<engine::ServiceSet> set;
  scenario::ScenarioScript script;
  std::unique_ptr<scenario::ScenarioRun> run;
};

ProgramServices::ProgramServices() : parts_(std::make_unique<Parts>()) {
  // The logs and reports write dates in the user's regional short date.
  logs::setShortDatePattern(platform::localeShortDatePattern().value_or(""));
  const QByteArray scenarioFile = qgetenv("VOLTARO_SIMULATE");
  simulated_ = !scenarioFile.isEmpty();
  engine::ServiceChoice choice;
  choice.batteries = simulated_ ? engine::Batteries::Simulated : engine::Batteries::System;
  choice.actions = simulated_ ? engine::Actions::Simulated : engine::Actions::System;
  choice.systemActions = engine::makeLinuxSystemActions;
  choice.documents = engine::Documents::User;
  choice.audio = &parts_->audio;
  choice.threads = &parts_->threads;
  parts_->set = engine::ServiceSet::create(parts_->runtime, choice, scenarioError_);
  if (!parts_->set) return;
  parts_->set->setOnAcPower([this] { return onAcPowerHint ? onAcPowerHint() : true; });
  if (!simulated_) return;
  scenario::ScenarioReading reading =
      scenario::readScenarioFile(scenarioFile.toStdString(), parts_->set->machine().driver);
  if (!reading.ok()) {
    scenarioError_ = reading.error->text();
    return;
  }
  parts_->script = std::move(reading.script);
}

ProgramServices::~ProgramServices() = default;

void ProgramServices::startScenario(engine::Engine& engine) {
  if (!simulated_ || parts_->run) return;
  engine_ = &engine;
  parts_->run = std::make_unique<scenario::ScenarioRun>(
      std::move(parts_->script), parts_->set->machine(), parts_->runtime, *this);
  parts_->run->engineStarted();
}

engine::PlatformServices ProgramServices::services() {
  engine::PlatformServices services = parts_->set->services();
  services.http = &parts_->http;
  // The update check's worker hands its result to the program's thread.
  services.postToProgramThread = [](std::function<void()> event) {
    QMetaObject::invokeMethod(qApp, std::move(event), Qt::QueuedConnection);
  };
  // VOLTARO_WEB_HOST ("host" or "host:port") points the links and the update
  // check at another server, such as a local one.
  services.webHost = qEnvironmentVariable("VOLTARO_WEB_HOST").toStdString();
  return services;
}

}  // namespace voltaro::app
