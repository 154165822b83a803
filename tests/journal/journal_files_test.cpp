// The journal's lines and files: what reads as an entry, what a crash at any
// byte of an append leaves, and how the daily writer meets faulty files.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "fakes/fake_error_report.h"
#include "fakes/faulty_file_calls.h"
#include "fakes/temporary_folder.h"
#include "journal/capacity_journal.h"
#include "journal/journal_dates.h"
#include "journal/journal_files.h"

namespace voltaro::journal {
namespace {

using voltaro::testing::TemporaryFolder;

constexpr std::int32_t kNewYear = 46023;  // 2026-01-01

JournalEntry entry(std::int32_t day, std::uint32_t full) {
  return {day, full, 50000, std::nullopt, 148, 2710, JournalEvent::Reading};
}

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(JournalLines, WholeEntriesOnly) {
  const JournalEntry calibration{
      kNewYear + 30, 44975, std::nullopt, 12, std::nullopt, 0, JournalEvent::Calibration};
  EXPECT_EQ(formatJournalLine(entry(kNewYear, 45000)), "2026-01-01,45000,50000,,148,2710,reading");
  EXPECT_EQ(formatJournalLine(calibration), "2026-01-31,44975,,12,,0,calibration");
  EXPECT_EQ(parseJournalLine(formatJournalLine(calibration)), calibration);
  EXPECT_EQ(parseJournalLine("2026-01-01,45000,50000,,148,2710,reading\r"), entry(kNewYear, 45000));
  for (const char* broken : {
           "date,full_charged_mwh,designed_mwh,cycle_count,full_discharge_hundredths,"
           "usage_minutes,event",
           "2026-02-29,45000,50000,,148,2710,reading",  // 2026 is no leap year
           "2026-13-01,45000,50000,,148,2710,reading",
           "2026-01-01,0,50000,,148,2710,reading",  // no capacity
           "2026-01-01,-5,50000,,148,2710,reading",
           "2026-01-01,+5,50000,,148,2710,reading",
           "2026-01-01,45000,50000,,148,2710,reading,x",
           "2026-01-01,45000,5e4,,148,2710,reading",
           "2026-01-01,45000,50000,,148,2710,Reading",
       }) {
    EXPECT_FALSE(parseJournalLine(broken)) << broken;
  }
  EXPECT_EQ(parseIsoDate("2028-02-29"), kNewYear + 365 + 365 + 31 + 28);
  EXPECT_EQ(isoDateTime(kNewYear + 0.5 - 0.4 / kSecondsPerDay), "2026-01-01 12:00:00");
}

// A crash may stop an append after any byte. The reader passes over the cut
// line, and the next append starts on a line of its own.
TEST(JournalLines, AnAppendCutAtAnyByteLeavesWholeEntries) {
  TemporaryFolder folder;
  const std::string path = folder.file("K-journal.csv");
  const std::string cut = formatJournalLine(entry(kNewYear + 2, 44950)) + "\r\n";
  for (std::size_t length = 0; length <= cut.size(); ++length) {
    writeFile(path, std::string(kJournalHeader) + "\r\n" +
                        formatJournalLine(entry(kNewYear, 45000)) + "\r\n" +
                        formatJournalLine(entry(kNewYear + 1, 44975)) + "\r\n" +
                        cut.substr(0, length));
    ASSERT_TRUE(
        appendEntryLine(path, kJournalHeader, formatJournalLine(entry(kNewYear + 3, 44925))));
    const JournalRead read = readJournal(path);
    // Only a cut after the last letter of the event leaves the line whole.
    const bool whole = length >= cut.size() - 2;
    std::vector<std::uint32_t> capacities;
    for (const JournalEntry& e : read.entries) capacities.push_back(e.fullCharged);
    const std::vector<std::uint32_t> expected =
        whole ? std::vector<std::uint32_t>{45000, 44975, 44950, 44925}
              : std::vector<std::uint32_t>{45000, 44975, 44925};
    EXPECT_EQ(capacities, expected) << "cut after " << length << " bytes";
  }
  // Sessions end in a word of their own in the same way.
  const std::string session =
      "2026-01-01 09:00:01,2026-01-01 12:00:01,discharge,100,33,30000,"
      "10000,critical,removal";
  for (std::size_t length = 0; length < session.size(); ++length) {
    EXPECT_FALSE(parseSessionLine(session.substr(0, length))) << length;
  }
  ASSERT_TRUE(parseSessionLine(session));
  EXPECT_EQ(formatSessionLine(*parseSessionLine(session)), session);
}

TEST(CapacityJournal, OneLinePerDayAcrossRestartsAndFaults) {
  TemporaryFolder folder;
  const std::string data = folder.folder();
  fakes::FakeErrorReport errors;
  {
    CapacityJournal journal(data, errors);
    ASSERT_TRUE(journal.lineDue("K", kNewYear));
    ASSERT_TRUE(journal.append("K", entry(kNewYear, 45000)));
    EXPECT_FALSE(journal.lineDue("K", kNewYear));
    EXPECT_TRUE(journal.lineDue("K", kNewYear + 1));
    EXPECT_TRUE(journal.lineDue("OTHER", kNewYear));  // another battery, another file
  }
  // A new start on the same day finds the day written.
  CapacityJournal journal(data, errors);
  EXPECT_FALSE(journal.lineDue("K", kNewYear));
  EXPECT_EQ(fileText(data + "K-journal.csv"),
            std::string(kJournalHeader) + "\r\n2026-01-01,45000,50000,,148,2710,reading\r\n");

  fakes::FaultyFileCalls calls;
  calls.limitSpace(10);  // a full disc: the line does not fit
  EXPECT_FALSE(journal.append("K", entry(kNewYear + 1, 44975)));
  EXPECT_FALSE(journal.append("K", entry(kNewYear + 1, 44975)));
  EXPECT_EQ(errors.messages.size(), 1u);  // once per lasting fault
  EXPECT_EQ(readJournal(data + "K-journal.csv").entries.size(), 1u);
  calls.unlimitSpace();
  EXPECT_TRUE(journal.lineDue("K", kNewYear + 1));

  // A journal that cannot be read gets no line: its last day is not known.
  calls.makeUnreadable(data + "L-journal.csv");
  writeFile(data + "L-journal.csv", formatJournalLine(entry(kNewYear, 45000)) + "\r\n");
  EXPECT_FALSE(journal.lineDue("L", kNewYear + 1));
  EXPECT_FALSE(journal.append("L", entry(kNewYear + 1, 44975)));
  EXPECT_EQ(errors.messages.size(), 2u);
  calls.makeReadable(data + "L-journal.csv");
  EXPECT_EQ(readJournal(data + "L-journal.csv").entries.size(), 1u);
  EXPECT_TRUE(journal.lineDue("L", kNewYear + 1));
}

}  // namespace
}  // namespace voltaro::journal
