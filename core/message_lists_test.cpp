#include "core/message_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text_number.h"

namespace {

TEST(MessageLists, LinesComeOutOldestFirstPerList) {
  MessageLists lists;
  addMessage(kWarningsList, lists, "A");
  addMessage(kErrorsList, lists, "E");
  addMessage(kWarningsList, lists, "B");
  addMessage(kWarningsList, lists, "C");
  EXPECT_EQ(messagesOf(lists, kWarningsList), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(messagesOf(lists, kErrorsList), (std::vector<std::string>{"E"}));
  EXPECT_TRUE(messagesOf(lists, kSummaryList).empty());
}

TEST(MessageLists, TextIsStoredUnchangedTrailingNewlineIncluded) {
  MessageLists lists;
  std::string text = "7 unique callsigns.\n";
  addMessage(kSummaryList, lists, text);
  text[0] = '9';
  ASSERT_EQ(messagesOf(lists, kSummaryList).size(), 1u);
  EXPECT_EQ(messagesOf(lists, kSummaryList)[0], "7 unique callsigns.\n");
}

TEST(MessageLists, IndexOutsideTheThreeListsIsIgnored) {
  MessageLists lists;
  addMessage(3, lists, "X");
  addMessage(-1, lists, "X");
  for (int list = 0; list < 3; ++list) EXPECT_TRUE(messagesOf(lists, list).empty());
  EXPECT_TRUE(messagesOf(lists, 7).empty());
}

TEST(MessageLists, HundredsOfThousandsOfLinesAreKeptInOrder) {
  MessageLists lists;
  for (int i = 0; i < 500000; ++i) addMessage(kWarningsList, lists, std::to_string(i));
  const std::vector<std::string>& lines = messagesOf(lists, kWarningsList);
  ASSERT_EQ(lines.size(), 500000u);
  EXPECT_EQ(lines.front(), "0");
  EXPECT_EQ(lines[250000], "250000");
  EXPECT_EQ(lines.back(), "499999");
}

TEST(TextNumbers, ReadLikeTheCLibraryDecimalConversion) {
  EXPECT_EQ(textToInt("599"), 599);
  EXPECT_EQ(textToInt("20M"), 20);
  EXPECT_EQ(textToInt("12A"), 12);
  EXPECT_EQ(textToInt("A12"), 0);
  EXPECT_EQ(textToInt(""), 0);
  EXPECT_EQ(textToInt("  -42x"), -42);
  EXPECT_EQ(textToInt("+7"), 7);
  EXPECT_EQ(textToInt("- 7"), 0);
  EXPECT_EQ(textToInt("99999999999"), 2147483647);
  EXPECT_EQ(textToInt("-99999999999"), -2147483647 - 1);
  EXPECT_DOUBLE_EQ(textToDouble("14.025"), 14.025);
  EXPECT_DOUBLE_EQ(textToDouble("x"), 0.0);
}

TEST(TextNumbers, DoubleIsADecimalConversionOnly) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {" \t-7.5e2x", -750.0}, {"+.5e-1", 0.05}, {"5.", 5.0},     {"1.2.3", 1.2}, {"1e", 1.0},
      {"1E+2", 100.0},        {".", 0.0},       {"-", 0.0},      {"e5", 0.0},    {"0x1A", 0.0},
      {"0X1.8P1", 0.0},       {"inf", 0.0},     {"-INF", 0.0},   {"nan", 0.0},   {"NaN(1)", 0.0},
      {"infinity", 0.0},      {"1e999", 0.0},   {"-1e999", 0.0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(textToDouble(c.text), c.value) << c.text;
}

}  // namespace
