#include "refdata/contest_choice.h"

#include <gtest/gtest.h>

namespace {

constexpr ContestKind kParty = ContestKind::StateQsoParty;
constexpr StateNumber kAlabama = 1;
constexpr StateNumber kFlorida = 8;

TEST(ContestChoiceName, CatalogueNameWithThePartysStateName) {
  struct Case {
    ContestChoice choice;  // contest named
    const char* name;      // name expected
  };
  const Case cases[] = {
      {{ContestKind::AllAsia, -1}, "All Asia"},
      {{ContestKind::CqWpx, kFlorida}, "CQ WPX"},  // a state only counts for the party
      {{kParty, kFlorida}, "State QSO Party (Florida)"},
      {{kParty, 45}, "State QSO Party (Vermont)"},  // a state the pick list does not offer
      {{kParty, kPartySevenQp}, "State QSO Party (7-Land QSO Party)"},
      {{kParty, -1}, "State QSO Party"},
      {{ContestKind::WorkedAllGermany, -1}, "Worked All Germany"},
      {{ContestKind::None, -1}, ""},
      {{static_cast<ContestKind>(kContestCount), -1}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(contestChoiceName(c.choice), c.name) << c.name;
}

TEST(SameContest, ComparesThePartyOfTheStateQsoPartyOnly) {
  EXPECT_TRUE(sameContest({ContestKind::CqWpx, -1}, {ContestKind::CqWpx, kFlorida}));
  EXPECT_TRUE(sameContest({kParty, kFlorida}, {kParty, kFlorida}));
  EXPECT_FALSE(sameContest({kParty, kFlorida}, {kParty, kAlabama}));
  EXPECT_FALSE(sameContest({kParty, kFlorida}, {kParty, -1}));
  EXPECT_FALSE(sameContest({ContestKind::CqWpx, -1}, {ContestKind::CqWw, -1}));
  EXPECT_FALSE(sameContest({ContestKind::None, -1}, {ContestKind::None, -1}));
}

TEST(ContestMismatchWarning, NamesBothContestsAndTheIdOnlyWhenTheyDiffer) {
  EXPECT_EQ(contestMismatchWarning("logs/fqp 50%.adi", {kParty, kFlorida}, " FL-QSO-PARTY\t", {kParty, kAlabama}),
            "logs/fqp 50%.adi names the contest State QSO Party (Florida) (CONTEST_ID FL-QSO-PARTY); "
            "it was converted as State QSO Party (Alabama).");
  EXPECT_EQ(contestMismatchWarning("wpx.adi", {ContestKind::CqWpx, -1}, "cq-wpx-cw", {ContestKind::CqWw, -1}),
            "wpx.adi names the contest CQ WPX (CONTEST_ID cq-wpx-cw); it was converted as CQ WW.");
  EXPECT_EQ(contestMismatchWarning("fqp.adi", {kParty, kFlorida}, "FL-QSO-PARTY", {kParty, kFlorida}), "");
  EXPECT_EQ(contestMismatchWarning("wpx.adi", {ContestKind::CqWpx, -1}, "CQ-WPX-CW", {ContestKind::None, -1}), "");
  EXPECT_EQ(contestMismatchWarning("wpx.adi", {ContestKind::None, -1}, "DX", {ContestKind::CqWw, -1}), "");
}

}  // namespace
