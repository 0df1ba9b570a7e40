#include "refdata/close_names.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The names as texts, so that they compare by content.
std::vector<std::string> closeNames(std::string_view value) {
  const std::vector<const char*> names = closeContestNames(value);
  return std::vector<std::string>(names.begin(), names.end());
}

TEST(CloseContestNames, ClosestFirstAtMostFive) {
  EXPECT_THAT(closeNames("CQWW"), ElementsAre("CQ WW", "CQ WPX"));
  EXPECT_THAT(closeNames("cq wxp"), ElementsAre("CQ WPX", "CQ WW"));  // WPX swapped, WW replaced
  EXPECT_THAT(closeNames("sweepstaks"), ElementsAre("ARRL Sweepstakes"));
  EXPECT_THAT(closeNames("ARRL Sweepstakes CW"), ElementsAre("ARRL Sweepstakes"));
  EXPECT_THAT(closeNames("wpx"), ElementsAre("CQ WPX"));
  // Six names hold RTTY: the five nearest in length, ties in code order.
  EXPECT_THAT(closeNames("rtty"), ElementsAre("EA RTTY", "Makrothen RTTY", "ARRL RTTY Round-Up", "DL-DX RTTY Contest",
                                              "VOLTA RTTY Contest"));
}

TEST(CloseContestNames, NothingForFarOrTooShortValues) {
  EXPECT_THAT(closeNames("Stew Pery"), ElementsAre("Stew Perry TBDC"));
  EXPECT_THAT(closeNames("zzzz"), IsEmpty());
  EXPECT_THAT(closeNames("WPZ"), IsEmpty());  // 3 characters: no edit allowed
  EXPECT_THAT(closeNames("A"), IsEmpty());
  EXPECT_THAT(closeNames(" - "), IsEmpty());
  EXPECT_THAT(closeNames(""), IsEmpty());
}

TEST(CloseStateNames, AtMostThreeListNames) {
  const auto names = [](std::string_view value) {
    const std::vector<const char*> found = closeStateNames(value);
    return std::vector<std::string>(found.begin(), found.end());
  };
  EXPECT_THAT(names("alabamma"), ElementsAre("Alabama"));
  // Every name holds NEW: the three nearest in length.
  EXPECT_THAT(names("New"), ElementsAre("New York", "New Jersey", "New Mexico"));
  EXPECT_THAT(names("Massachusetts"), IsEmpty());  // not in the list
}

}  // namespace
