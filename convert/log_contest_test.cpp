#include "convert/log_contest.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/test_input.h"

namespace {

// The first CONTEST_ID of record text, as written, and the contest most of the QSOs name.
TEST(LogContestsIn, FirstIdOfRecordTextAndTheMajority) {
  const struct {
    const char* log;                // the input's bytes
    std::optional<std::string> id;  // the first id found
    const char* majority;           // the id that names the majority contest; "" for none
  } cases[] = {
      {"x\n<EOH>\n<CALL:2>AB<CONTEST_ID:9>CQ-WPX-CW<EOR>\n<CONTEST_ID:8>CQ-WW-CW<EOR>\n", "CQ-WPX-CW", "CQ-WPX-CW"},
      {"x\n<EOH>\n<CALL:2>AB<EOR>\n<contest_id:11> cq-wpx-cw <EOR>\n", " cq-wpx-cw ", "cq-wpx-cw"},
      {"x\n<EOH>\n<CONTEST_ID:0><EOR>\n<CONTEST_ID:9>CQ-WPX-CW<EOR>\n", "", "CQ-WPX-CW"},  // an empty first id wins
      {"x\n<EOH>\n<CONTEST_ID:9>CQ-WPX-CW\n<EOR>\n", "CQ-WPX-CW", "CQ-WPX-CW"},
      // A length past the line end takes the end-of-record tag's start: the record is unfinished.
      {"x\n<EOH>\n<CONTEST_ID:12>CQ-WPX-CW\n<EOR>\n", "CQ-WPX-CW<E", ""},
      {"x\n<EOH><CONTEST_ID:6>NTC-QP<EOR>\n", "NTC-QP", ""},                       // record text after <EOH>
      {"<CALL:2>AB<CONTEST_ID:10>ARRL-SS-CW<EOR>\n", "ARRL-SS-CW", "ARRL-SS-CW"},  // a log without header
      // Only record text counts: not the header, nor a log that has neither header nor records.
      {"<CONTEST_ID:8>CQ-WW-CW<EOH>\n<CONTEST_ID:4>SSCW<EOR>\n", "SSCW", "SSCW"},
      {"x <CONTEST_ID:8>CQ-WW-CW\n<EOH>\n<CALL:2>AB<EOR>\n", std::nullopt, ""},
      {"x\n<CALL:2>AB<CONTEST_ID:10>ARRL-SS-CW<EOR>\n", std::nullopt, ""},
      // The name is compared whole, and only data tags count.
      {"<EOH>\n<CONTEST_ID_X:3>ABC<MY_CONTEST_ID:3>DEF<CONTEST_ID>GHI<EOR>\n", std::nullopt, ""},
      {"<EOH>\n<CALL:2>AB<EOR>\n", std::nullopt, ""},
      {"", std::nullopt, ""},
      // Most QSOs, counted by contest; an id outside the catalogue is never the contest.
      {"<EOH><CONTEST_ID:8>CQ-WW-CW<EOR><CONTEST_ID:9>CQ-WPX-CW<EOR><CONTEST_ID:10>cq-wpx-ssb<EOR>", "CQ-WW-CW",
       "CQ-WPX-CW"},
      {"<EOH><CONTEST_ID:2>DX<EOR><CONTEST_ID:2>DX<EOR><CONTEST_ID:8>CQ-WW-CW<EOR>", "DX", "CQ-WW-CW"},
  };
  for (const auto& c : cases) {
    TestFile file = streamOf(c.log);
    const std::optional<LogContests> contests = logContestsIn(file.get());
    ASSERT_TRUE(contests.has_value()) << c.log;
    EXPECT_EQ(contests->firstId, c.id) << c.log;
    const std::optional<LogContest> majority = majorityContest(*contests);
    EXPECT_EQ(majority ? majority->contestId : "", c.majority) << c.log;
    EXPECT_EQ(std::ftell(file.get()), 0L) << c.log;  // put back for the run
  }
}

}  // namespace
