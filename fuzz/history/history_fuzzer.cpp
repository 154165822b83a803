// Fuzzes the history sample text that `voltaroctl graph --samples` reads.
//
// Properties: an error names a line of the text; a good text records one
// sample per line that is neither blank nor a comment, every entry of the
// history is empty or a level of 0..400 quarter percent with a kind of power
// source, and the newest sample is the text's last one.
#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "history/charge_history.h"
#include "history/history_file.h"

namespace {

using namespace voltaro::history;

// Lines holding a sample or a gap: not blank, not a comment.
int sampleLines(std::string_view text) {
  int count = 0;
  while (!text.empty()) {
    const auto newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
    const auto first = line.find_first_not_of(" \t\r");
    if (first != std::string_view::npos && line[first] != '#') ++count;
  }
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  static ChargeHistory history;
  const HistoryFileResult result = readHistoryText(text, history);
  if (!result.ok) {
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    FUZZ_CHECK(result.error.starts_with("line "));
    int number = 0;
    const char* digits = result.error.data() + 5;
    std::from_chars(digits, result.error.data() + result.error.size(), number);
    FUZZ_CHECK(number >= 1 && number <= lines);
    return 0;
  }
  FUZZ_CHECK(result.samples == sampleLines(text));
  FUZZ_CHECK(history.writePosition() >= 0 && history.writePosition() <= kPageSamples);
  for (int index = 1; index <= kHistorySamples; ++index) {
    const SampleKind kind = history.kind(index);
    if (!history.present(index)) continue;
    FUZZ_CHECK(kind == SampleKind::OnPower || kind == SampleKind::Charging ||
               kind == SampleKind::OnBattery);
  }
  if (result.samples > 0 && history.present(history.newestIndex())) {
    FUZZ_CHECK(history.sample(history.newestIndex()) == quarterPercent(result.lastPercent));
    FUZZ_CHECK(history.kind(history.newestIndex()) == result.lastKind);
  }
  return 0;
}
