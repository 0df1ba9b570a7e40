#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/contest_kind.h"
#include "core/contest_table.h"
#include "core/conversion_job.h"
#include "core/import_format.h"

namespace {

// The names are the table's; what a copy of them could not catch is checked here.
TEST(ContestCatalogue, OneDistinctNamePerCode) {
  std::set<std::string> names;
  for (int32_t code = 0; code < kContestCount; ++code) {
    const char* name = contestName(code);
    ASSERT_NE(name, nullptr) << code;
    EXPECT_NE(*name, '\0') << code;
    EXPECT_TRUE(names.insert(name).second) << name;
  }
  EXPECT_EQ(contestName(-1), nullptr);
  EXPECT_EQ(contestName(kContestCount), nullptr);
  EXPECT_STREQ(contestName(static_cast<int>(ContestKind::CwOpsMiniCwt)), "CW Ops Mini-CWT");
  EXPECT_STREQ(contestName(static_cast<int>(ContestKind::StateQsoParty)), "State QSO Party");
}

// Only these two contests do something outside the writer.
TEST(ContestCatalogue, FlagsOfTheContestsWithRunBehaviour) {
  for (int32_t code = 0; code < kContestCount; ++code) {
    const auto contest = static_cast<ContestKind>(code);
    EXPECT_EQ(contestNeedsState(contest), contest == ContestKind::StateQsoParty) << code;
    EXPECT_EQ(contestRules(contest, nullptr).row.countsCalls, contest == ContestKind::CwOpsMiniCwt) << code;
  }
  EXPECT_FALSE(contestNeedsState(ContestKind::None));
  EXPECT_EQ(contestRules(ContestKind::None, "CA").row.kind, ContestKind::None);
  // A party's rules are the party's row; a contest without a state ignores the code.
  EXPECT_STREQ(contestRules(ContestKind::StateQsoParty, "CA").row.party, "CA");
  EXPECT_STREQ(contestRules(ContestKind::StateQsoParty, "AL").row.party, "");
  EXPECT_STREQ(contestRules(ContestKind::CqWpx, "CA").row.party, "");
}

// The layouts' lines and names entries are checked as the writer writes them.
TEST(ImportFormats, NamesAndGroupLimitsPerFormat) {
  EXPECT_STREQ(importFormatName(0), "KOLVEX6");
  EXPECT_STREQ(importFormatName(1), "KOLVEX8");
  EXPECT_EQ(importFormatName(2), nullptr);
  EXPECT_EQ(formatTraits(ImportFormat::Kolvex6).groupNumberLimit, 253);
  EXPECT_EQ(formatTraits(ImportFormat::Kolvex8).groupNumberLimit, 65533);
}

TEST(ConversionJobDefaults, AreTheValuesTheDialogOpensWith) {
  ConversionJob job;
  EXPECT_EQ(job.contest, ContestKind::None);
  EXPECT_EQ(job.stateNumber, -1);
  EXPECT_EQ(job.importFormat, ImportFormat::Kolvex8);
  EXPECT_EQ(job.groupNumber, 0);
  EXPECT_STREQ(job.note, "");
  EXPECT_EQ(job.upload, 1);
  EXPECT_EQ(job.includeFrequency, 1);
  EXPECT_EQ(job.label, 0);
  EXPECT_EQ(job.appendExchange, 0);
  EXPECT_EQ(job.appendSerial, 0);
  EXPECT_EQ(job.headerSeen, 0);
}

}  // namespace
