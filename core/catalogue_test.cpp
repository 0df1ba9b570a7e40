#include <gtest/gtest.h>

#include <string>

#include "core/contest_kind.h"
#include "core/conversion_job.h"
#include "core/import_format.h"

namespace {

TEST(ContestCatalogue, HoldsTheFortyFiveNamesInCodeOrder) {
  const char* expected[] = {"All Asia",
                            "ARRL 10",
                            "ARRL 160",
                            "ARRL DX",
                            "ARRL Field Day",
                            "ARRL RTTY Round-Up",
                            "ARRL Sweepstakes",
                            "ARRL VHF",
                            "BARTG",
                            "BARTG Sprint",
                            "CQ 160",
                            "CQ WPX",
                            "CQ WW",
                            "CW Open",
                            "CW Ops Mini-CWT",
                            "DL-DX RTTY Contest",
                            "DRCG Long Distance Contest",
                            "EA RTTY",
                            "HA-DX",
                            "IARU HF World Championship",
                            "Islands on the Air (IOTA)",
                            "Japan Int'l DX",
                            "JARTS",
                            "Makrothen RTTY",
                            "Manchester Mineira",
                            "Maritime QSO Party",
                            "NAQP",
                            "NA Sprint",
                            "Oceania DX Contest",
                            "RAC Canada Contests",
                            "RDA Contest",
                            "REF Contest",
                            "Russian DX Contest",
                            "SCC RTTY Championship",
                            "SP DX Contest",
                            "State QSO Party",
                            "Stew Perry TBDC",
                            "TARA Grid Dip",
                            "TARA Melee",
                            "UBA",
                            "UK DX Contest",
                            "VK Shires",
                            "VOLTA RTTY Contest",
                            "Worked All Europe",
                            "Worked All Germany"};
  ASSERT_EQ(static_cast<int>(std::size(expected)), kContestCount);
  for (int code = 0; code < kContestCount; ++code) EXPECT_STREQ(contestName(code), expected[code]) << code;
  EXPECT_EQ(contestName(-1), nullptr);
  EXPECT_EQ(contestName(45), nullptr);
  EXPECT_STREQ(contestName(static_cast<int>(ContestKind::CwOpsMiniCwt)), "CW Ops Mini-CWT");
  EXPECT_STREQ(contestName(static_cast<int>(ContestKind::StateQsoParty)), "State QSO Party");
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
  EXPECT_EQ(job.readError, 0);
}

}  // namespace
