#include "history/history_controller.h"

#include "history/history_zoom.h"
#include "platform/audio.h"
#include "settings/app_settings.h"

namespace voltaro::history {

HistoryController::HistoryController(ChargeHistory& history, GraphPort& graph, HistoryHooks& hooks,
                                     platform::Audio& audio, const settings::AppSettings& settings)
    : history_(history), graph_(graph), hooks_(hooks), audio_(audio), settings_(settings) {}

void HistoryController::resetHistory() {
  history_.reset();
  graph_.drawAxes();
  graph_.redraw();
}

void HistoryController::recordSample(std::uint16_t quarterPercent, SampleKind kind) {
  appendSample(quarterPercent, kind);
  graph_.redraw();
}

void HistoryController::recordSample(double chargePercent, bool onPower, bool charging) {
  recordSample(history::quarterPercent(chargePercent), sampleKind(onPower, charging));
}

void HistoryController::appendSample(std::uint16_t quarterPercent, SampleKind kind) {
  history_.advance();
  history_.writeSample(quarterPercent, kind);
}

bool HistoryController::zoomIn() {
  waitForTick();
  const int zoom = history_.zoom();
  if (zoom == 16) return false;
  changeZoom(zoom * 2);
  return true;
}

bool HistoryController::zoomOut() {
  waitForTick();
  const int zoom = history_.zoom();
  if (zoom == 1) return false;
  changeZoom(zoom / 2);
  return true;
}

bool HistoryController::originBack() {
  return moveOrigin(-1);
}
bool HistoryController::originForward() {
  return moveOrigin(+1);
}

void HistoryController::waitForTick() {
  if (hooks_.busy()) hooks_.waitidle(kWaitRounds);
}

void HistoryController::changeZoom(int zoom) {
  // A new zoom always shows its newest view.
  history_.setView(zoom, newestOrigin(zoom));
  graph_.drawAxes();
  graph_.redraw();
}

bool HistoryController::moveOrigin(int direction) {
  waitForTick();
  const int zoom = history_.zoom();
  const int step = originStep(zoom);  // 0 at zoom 1: the 16-hour view cannot move
  const int origin = history_.origin() + direction * step;
  if (step == 0 || origin < 1 || origin > 16) {
    refuse();
    return false;
  }
  history_.setView(zoom, origin);
  graph_.redraw();
  return true;
}

void HistoryController::refuse() {
  if (settings_.PlaySounds) audio_.play(platform::Clip::Refusal);
}

}  // namespace voltaro::history
