// Recording into the charge history and the four commands of the Graph page.
//
// The monitoring tick calls recordSample every fifth tick; the Graph page's
// zoom and origin controls call the commands, which wait for a running tick
// first and play the refusal sound when an origin step is out of range.
#pragma once

#include "history/charge_history.h"
#include "history/graph_port.h"
#include "history/history_hooks.h"

namespace voltaro::platform {
class Audio;
}
namespace voltaro::settings {
struct AppSettings;
}

namespace voltaro::history {

class HistoryController {
 public:
  HistoryController(ChargeHistory& history, GraphPort& graph, HistoryHooks& hooks,
                    platform::Audio& audio, const settings::AppSettings& settings);

  // Empties the history, returns to the newest 1-hour view and draws the empty
  // graph: at start-up and when another battery is selected.
  void resetHistory();

  // The tick's history step: advance the write position (shifting 30 minutes
  // out when the newest page is full), store the sample, redraw.
  void recordSample(std::uint16_t quarterPercent, SampleKind kind);
  // The same from the selected battery's level in percent and its power flags.
  void recordSample(double chargePercent, bool onPower, bool charging);
  // Advance and store without the redraw, for a caller that redraws itself.
  void appendSample(std::uint16_t quarterPercent, SampleKind kind);
  // Redraws the graph (it draws nothing while the graph is hidden).
  void redraw() { graph_.redraw(); }

  // Each returns true when the view changed. Zoom commands at their limit do
  // nothing silently; refused origin commands play the refusal sound.
  bool zoomIn();
  bool zoomOut();
  bool originBack();
  bool originForward();

  // Rounds of 10 ms a command waits for a running tick.
  static constexpr int kWaitRounds = 100;

 private:
  void waitForTick();
  void changeZoom(int zoom);
  bool moveOrigin(int direction);
  void refuse();

  ChargeHistory& history_;
  GraphPort& graph_;
  HistoryHooks& hooks_;
  platform::Audio& audio_;
  const settings::AppSettings& settings_;
};

}  // namespace voltaro::history
