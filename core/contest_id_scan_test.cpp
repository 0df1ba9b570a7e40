#include "core/contest_id_scan.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/test_input.h"

namespace {

TEST(ContestIdScan, FirstIdOfRecordTextAsWritten) {
  const struct {
    const char* log;                // the input's bytes
    std::optional<std::string> id;  // what the scan finds
  } cases[] = {
      {"x\n<EOH>\n<CALL:2>AB<CONTEST_ID:9>CQ-WPX-CW<EOR>\n<CONTEST_ID:8>CQ-WW-CW<EOR>\n", "CQ-WPX-CW"},
      {"x\n<EOH>\n<CALL:2>AB<EOR>\n<contest_id:11> cq-wpx-cw <EOR>\n", " cq-wpx-cw "},
      {"x\n<EOH>\n<CONTEST_ID:0><EOR>\n<CONTEST_ID:9>CQ-WPX-CW<EOR>\n", ""},  // an empty first id wins
      {"x\n<EOH>\n<CONTEST_ID:9>CQ-WPX-CW\n<EOR>\n", "CQ-WPX-CW"},
      {"x\n<EOH>\n<CONTEST_ID:12>CQ-WPX-CW\n<EOR>\n", "CQ-WPX-CW"},  // a length past the line end
      {"x\n<EOH><CONTEST_ID:6>NTC-QP<EOR>\n", "NTC-QP"},             // record text after <EOH>
      {"<CALL:2>AB<CONTEST_ID:10>ARRL-SS-CW<EOR>\n", "ARRL-SS-CW"},  // a log without header
      // Only record text counts: not the header, nor a log that has neither header nor records.
      {"<CONTEST_ID:8>CQ-WW-CW<EOH>\n<CONTEST_ID:4>SSCW<EOR>\n", "SSCW"},
      {"x <CONTEST_ID:8>CQ-WW-CW\n<EOH>\n<CALL:2>AB<EOR>\n", std::nullopt},
      {"x\n<CALL:2>AB<CONTEST_ID:10>ARRL-SS-CW<EOR>\n", std::nullopt},
      // The name is compared whole, and only data tags count.
      {"<EOH>\n<CONTEST_ID_X:3>ABC<MY_CONTEST_ID:3>DEF<CONTEST_ID>GHI<EOR>\n", std::nullopt},
      {"<EOH>\n<CALL:2>AB<EOR>\n", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    TestFile file = streamOf(c.log);
    EXPECT_EQ(scanContestId(file.get()), c.id) << c.log;
  }
}

}  // namespace
