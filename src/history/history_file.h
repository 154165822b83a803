// A charge history as plain text, for tools and tests: one sample per line,
// oldest first, each "percent kind" with the kind 1 (on power, not charging),
// 2 (charging) or 3 (on battery), or a single "-" for a missing sample.
// Blank lines and lines starting with '#' are skipped. Each sample goes in
// the way the monitoring tick records it, so 30-minute shifts happen as
// they would after the same number of ticks.
//
//   # percent kind
//   98.5 2
//   100 1
//   -
//   99.75 3
#pragma once

#include <string>
#include <string_view>

#include "history/charge_history.h"

namespace voltaro::history {

struct HistoryFileResult {
  bool ok = false;
  std::string error;         // "line 7: ..." when not ok
  int samples = 0;           // lines that advanced the history, gaps included
  double lastPercent = 0.0;  // of the newest present sample
  SampleKind lastKind = SampleKind::None;
};

// Resets `history` and records the text's samples into it.
HistoryFileResult readHistoryText(std::string_view text, ChargeHistory& history);

}  // namespace voltaro::history
