#include "refdata/contest_ids.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/ascii.h"

namespace {

// Every row of the data file, read here independently of the build's generator, is found
// (or, unmapped, missed) in upper and lower case, with the contest of its catalogue name and,
// on State QSO Party rows only, the state of its party code: the build takes both from the
// file as text, so this is where they are checked against the contest and state tables.
TEST(ContestIdTable, AgreesWithEveryRowOfTheDataFile) {
  const char* source = std::getenv("ADIF2KVX_SOURCE_DIR");
  const std::filesystem::path csv =
      std::filesystem::path(source != nullptr ? source : ".") / "refdata" / "data" / "contest_ids.csv";
  std::ifstream in(csv);
  ASSERT_TRUE(in.is_open()) << "no data file at " << csv << " (ADIF2KVX_SOURCE_DIR names the checkout)";
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    const size_t first = line.find(',');
    const size_t second = line.find(',', first + 1);
    const size_t third = line.find(',', second + 1);
    ASSERT_NE(third, std::string::npos) << line;
    const std::string id = line.substr(0, first);
    const std::string catalogue = line.substr(first + 1, second - first - 1);
    const std::string party = line.substr(second + 1, third - second - 1);
    std::string lower = id;
    for (char& c : lower) c = toAsciiLower(c);
    for (const std::string& text : {id, lower}) {
      SCOPED_TRACE(text);
      const std::optional<ContestChoice> found = findContestId(text);
      ASSERT_EQ(found.has_value(), !catalogue.empty());
      if (!found) continue;
      EXPECT_EQ(contestName(static_cast<int32_t>(found->contest)), catalogue);
      EXPECT_EQ(found->contest == ContestKind::StateQsoParty, !party.empty());
      EXPECT_EQ(found->state == -1 ? "" : stateCodeOf(found->state), party);
    }
  }
}

TEST(FindContestId, IgnoresCaseAndSurroundingBlanksOnly) {
  struct Case {
    const char* id;       // text looked up
    ContestKind contest;  // None: a miss
    StateNumber state;    // party expected
  };
  const Case cases[] = {
      {"CQ-WPX-CW", ContestKind::CqWpx, -1},
      {" \tcq-Wpx-cw \r\n", ContestKind::CqWpx, -1},
      {"SSCW", ContestKind::ArrlSweepstakes, -1},
      {"arrl-fd", ContestKind::ArrlFieldDay, -1},
      {"7qp", ContestKind::StateQsoParty, kPartySevenQp},  // the first row
      {"FL-QSO-PARTY", ContestKind::StateQsoParty, 8},
      {"Vermont QSO Party", ContestKind::StateQsoParty, 45},
      {"VERMONT QSO PARTY", ContestKind::StateQsoParty, 45},
      {"MIDATLANTIC-QSO-PARTY", ContestKind::StateQsoParty, 51},  // MAQP
      {"NE-QSO-PARTY", ContestKind::StateQsoParty, 28},           // Nebraska, not NEQP
      {"qc-qso-party", ContestKind::StateQsoParty, 59},           // a province's party
      {"CQMM", ContestKind::ManchesterMineira, -1},
      {"in7qpne-qso-party", ContestKind::StateQsoParty, kPartyMulti},
      {"NTC-QP", ContestKind::None, -1},  // in the file, left unmapped
      {"DX", ContestKind::None, -1},
      {"CQ-WPX", ContestKind::None, -1},  // a proper prefix of a key
      {"CQ-WPX-CWX", ContestKind::None, -1},
      {"CQ WPX CW", ContestKind::None, -1},
      {"Vermont  QSO Party", ContestKind::None, -1},  // inner blanks count
      {"", ContestKind::None, -1},
      {"   ", ContestKind::None, -1},
      {"0", ContestKind::None, -1},
      {"\xC3\xA9", ContestKind::None, -1},
      {"ZZZZ", ContestKind::None, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    const std::optional<ContestChoice> found = findContestId(c.id);
    ASSERT_EQ(found.has_value(), c.contest != ContestKind::None);
    if (!found) continue;
    EXPECT_EQ(found->contest, c.contest);
    EXPECT_EQ(found->state, c.state);
  }
}

}  // namespace
