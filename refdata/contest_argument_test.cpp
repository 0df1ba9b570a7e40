#include "refdata/contest_argument.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ParseContestArgument, CatalogueNameCodeOrAdifId) {
  struct Case {
    const char* value;    // --contest value
    ContestKind contest;  // None: refused
    StateNumber state;    // party expected
  };
  const Case cases[] = {
      {"CQ WPX", ContestKind::CqWpx, -1},
      {"cq wpx", ContestKind::CqWpx, -1},
      {"  Japan INT'L dx ", ContestKind::JapanIntlDx, -1},
      {"State QSO Party", ContestKind::StateQsoParty, -1},  // a name gives no state
      {"0", ContestKind::AllAsia, -1},
      {"11", ContestKind::CqWpx, -1},
      {"011", ContestKind::CqWpx, -1},
      {"44", ContestKind::WorkedAllGermany, -1},
      {"CQ-WPX-CW", ContestKind::CqWpx, -1},
      {"fl-qso-party", ContestKind::StateQsoParty, 8},
      {"HA-DX", ContestKind::HaDx, -1},  // both a name and an id
      {"-1", ContestKind::None, -1},
      {"+11", ContestKind::None, -1},
      {"1 1", ContestKind::None, -1},
      {"11a", ContestKind::None, -1},
      {"99999999999999999999", ContestKind::None, -1},
      {"CQWW", ContestKind::None, -1},
      {"CQ  WPX", ContestKind::None, -1},
      {"NTC-QP", ContestKind::None, -1},  // an id left unmapped
      {"", ContestKind::None, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    const std::optional<ContestChoice> found = parseContestArgument(c.value);
    ASSERT_EQ(found.has_value(), c.contest != ContestKind::None);
    if (!found) continue;
    EXPECT_EQ(found->contest, c.contest);
    EXPECT_EQ(found->state, c.state);
  }
}

TEST(ParseContestArgument, EveryCatalogueNameAndCodeNamesItsContest) {
  for (int32_t code = 0; code < kContestCount; ++code) {
    EXPECT_EQ(parseContestArgument(contestName(code)).value().contest, static_cast<ContestKind>(code)) << code;
    EXPECT_EQ(parseContestArgument(std::to_string(code)).value().contest, static_cast<ContestKind>(code)) << code;
  }
  EXPECT_FALSE(parseContestArgument(std::to_string(kContestCount)));
}

}  // namespace
