// Long runs of the data-set tools on generated dominating-cycle files of full size: the
// record selector with a protocol of thousands of numbers, and the verifier over tens of
// thousands of records. (The splitter's 28400 records are cut in tests/tools.)
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "dom_collection.h"
#include "e2e/e2e.h"

namespace {

constexpr int32_t RECORD_COUNT = 28400;

// A cycle search protocol listing `numbers` in the given order, ten to a line.
std::string protocol_listing(const std::vector<int32_t>& numbers) {
  std::string text;
  for (std::size_t i = 1; i <= numbers.size(); ++i) {
    if (i % 10 != 1) text += ' ';
    text += std::to_string(numbers[i - 1]);
    if (i % 10 == 0) text += "\r\n";
  }
  text += "\r\n";
  return text + e2e::crlf({"Bolo najdenych 1 dominujucich kruznic, nebolo najdenych " + std::to_string(numbers.size()),
                           "Trvalo to celkovo: 01:02:03.04"});
}

TEST(LongRun, GraphpickCopiesExactlyTheListedRecordsOf28400) {
  // Every ninth graph, listed from the back; some twice, some not in the file at all.
  std::vector<int32_t> listed;
  for (int32_t number = RECORD_COUNT; number >= 1; --number) {
    if (number % 9 == 5) listed.push_back(number);
  }
  listed.insert(listed.begin() + 100, {14, 23, 28400 + 5, 99999, 1000005});
  std::set<int32_t> selected(listed.begin(), listed.end());
  std::string expected;
  for (int32_t number : selected) {
    if (number <= RECORD_COUNT) expected += dom_collection::record(number);
  }
  ASSERT_GT(listed.size(), 3000u);

  const std::string dom_file = dom_collection::records(1, RECORD_COUNT);
  const std::string protocol = protocol_listing(listed);
  e2e::Run run = e2e::run_with("graphpick", {{"protokol.txt", protocol}, {"s30_c4_dom.c", dom_file}});
  EXPECT_EQ(run.exit_code, 0) << run.out;
  EXPECT_EQ(run.out, "");
  ASSERT_EQ(run.files.size(), 3u);
  EXPECT_TRUE(run.files["s30_c4_dom_vyb.c"] == expected)
      << run.files["s30_c4_dom_vyb.c"].size() << " bytes instead of " << expected.size();
}

// Repeats the first vertex of the record's cycle in place of its second.
std::string with_repeated_vertex(const std::string& record) {
  std::size_t cycle_line = record.rfind("\r\n", record.size() - 3) + 2;
  std::size_t first_end = record.find(' ', cycle_line);
  std::size_t second_end = record.find(' ', first_end + 1);
  std::string first = record.substr(cycle_line, first_end - cycle_line);
  return record.substr(0, first_end + 1) + first + record.substr(second_end);
}

TEST(LongRun, CyclecheckVerifiesTwiceThe28400Records) {
  // The collection twice over; three records spoiled, the last of them the last of the file.
  const std::vector<int32_t> spoiled_at = {1000, RECORD_COUNT + 9001, 2 * RECORD_COUNT};
  std::string input;
  std::string report;
  for (int32_t at = 1; at <= 2 * RECORD_COUNT; ++at) {
    int32_t number = (at - 1) % RECORD_COUNT + 1;
    std::string record = dom_collection::record(number);
    if (std::find(spoiled_at.begin(), spoiled_at.end(), at) != spoiled_at.end()) {
      ASSERT_TRUE(dom_collection::has_cycle(number)) << at;
      record = with_repeated_vertex(record);
      report += "V pripade grafu " + std::to_string(number) + " nie je dana kruznica dominujucou kruznicou.\r\n";
    }
    input += record;
  }
  e2e::Run run = e2e::run_with("cyclecheck", {{"s30_26251_dom.c", input}});
  EXPECT_EQ(run.exit_code, 0) << run.out;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.files["protokol.txt"], report);

  // Unspoiled, the same file passes.
  e2e::Run clean = e2e::run_with("cyclecheck", {{"s30_26251_dom.c", dom_collection::records(1, RECORD_COUNT)}});
  EXPECT_EQ(clean.exit_code, 0) << clean.out;
  EXPECT_EQ(clean.files["protokol.txt"], "Vsetky grafy maju platne dominujuce kruznice.\r\n");
}

}  // namespace
