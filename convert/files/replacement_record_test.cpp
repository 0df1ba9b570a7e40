#include "convert/files/replacement_record.h"

#include <gtest/gtest.h>

#include <string>

#include "convert/files/file_system.h"

namespace {

// A record's bytes from its fields, each followed by a NUL.
std::string bytesOf(std::initializer_list<std::string> fields) {
  std::string bytes;
  for (const std::string& field : fields) bytes.append(field).push_back('\0');
  return bytes;
}

const char kMark[] = "adif2kvx replacing a pair";

TEST(ReplacementRecord, ReadsBackWhatItWrote) {
  const ReplacementRecord record{
      4242, "log.kvx", ".adif2kvx-4242-0.old", ".adif2kvx-4242-0.tmp", "log.kvn", ".adif2kvx-4242-1.tmp"};
  const std::string bytes = recordBytes(record);
  EXPECT_EQ(bytes, bytesOf({kMark, "4242", "log.kvx", ".adif2kvx-4242-0.old", ".adif2kvx-4242-0.tmp", "log.kvn",
                            ".adif2kvx-4242-1.tmp"}));
  const std::optional<ReplacementRecord> read = parseReplacementRecord(bytes);
  ASSERT_TRUE(read);
  EXPECT_EQ(recordBytes(*read), bytes);
  // No old output: no kept name; a name without an extension gets .kvn appended.
  EXPECT_TRUE(
      parseReplacementRecord(bytesOf({kMark, "7", "log", "", ".adif2kvx-7-0.tmp", "log.kvn", ".adif2kvx-7-3.tmp"})));
}

TEST(ReplacementRecord, RefusesEveryNameOutsideThePairAndItsRunsFiles) {
  const std::string tmp0 = ".adif2kvx-9-0.tmp", tmp1 = ".adif2kvx-9-1.tmp";
  const std::string refused[] = {
      bytesOf({kMark, "9", "/home/me/thesis.tex", "", tmp0, "/home/me/thesis.kvn", tmp1}),
      bytesOf({kMark, "9", "../log.kvx", "", tmp0, "../log.kvn", tmp1}),
      bytesOf({kMark, "9", "sub\\log.kvx", "", tmp0, "sub\\log.kvn", tmp1}),
      bytesOf({kMark, "9", "..", "", tmp0, "..kvn", tmp1}),
      bytesOf({kMark, "9", ".", "", tmp0, ".kvn", tmp1}),
      bytesOf({kMark, "9", "", "", tmp0, ".kvn", tmp1}),
      bytesOf({kMark, "9", "log.kvx", "", tmp0, "thesis.tex", tmp1}),                // not the output's names file
      bytesOf({kMark, "9", "log.kvx", "thesis.tex", tmp0, "log.kvn", tmp1}),         // kept name no run file
      bytesOf({kMark, "9", "log.kvx", ".adif2kvx-8-0.old", tmp0, "log.kvn", tmp1}),  // another run's
      bytesOf({kMark, "9", "log.kvx", "", ".adif2kvx-9-0.old", "log.kvn", tmp1}),
      bytesOf({kMark, "9", "log.kvx", "", tmp0, "log.kvn", tmp0}),  // one file twice
      bytesOf({kMark, "9", "log.kvx", "", ".adif2kvx-09-0.tmp", "log.kvn", tmp1}),
      bytesOf({kMark, "9", "log.kvx", "", "x/.adif2kvx-9-0.tmp", "log.kvn", tmp1}),
      bytesOf({kMark, "09", "log.kvx", "", tmp0, "log.kvn", tmp1}),
      bytesOf({kMark, "99999999999999999999", "log.kvx", "", tmp0, "log.kvn", tmp1}),
      bytesOf({"another mark", "9", "log.kvx", "", tmp0, "log.kvn", tmp1}),
      bytesOf({kMark, "9", "log.kvx", "", tmp0, "log.kvn", tmp1, ""}),
      bytesOf({kMark, "9", "log.kvx", "", tmp0, "log.kvn"}),
      bytesOf({kMark, "9", "log.kvx", "", tmp0, "log.kvn", tmp1}).substr(0, 60),  // cut short
      bytesOf({kMark, "9", std::string(4096, 'x'), "", tmp0, std::string(4096, 'x') + ".kvn", tmp1}),
      "",
  };
  for (const std::string& bytes : refused) EXPECT_FALSE(parseReplacementRecord(bytes)) << bytes;
}

TEST(ReplacementRecord, RunFilesAreKnownByTheirExactPattern) {
  EXPECT_EQ(processOfRunFile(".adif2kvx-123-0.tmp"), 123u);
  EXPECT_EQ(processOfRunFile(".adif2kvx-123-10.old"), 123u);
  EXPECT_EQ(processOfRunFile(".adif2kvx-123.run"), 123u);
  // The names a run makes are the ones the sweep takes for that run's.
  EXPECT_EQ(processOfRunFile(runFileName(3, ".tmp")), thisProcessId());
  EXPECT_EQ(processOfRunFile(runFileName(0, ".old")), thisProcessId());
  EXPECT_EQ(runMarkName(123), ".adif2kvx-123.run");
  for (const char* name : {".adif2kvx-123-0.tmp~", ".adif2kvx-123.tmp", ".adif2kvx-0123-0.tmp", ".adif2kvx-123-0.kvx",
                           ".adif2kvx-123-0.run", ".adif2kvx--0.tmp", ".adif2kvx-1a-0.old", ".adif2kvx.lock",
                           ".adif2kvx.replacing", "adif2kvx-123-0.tmp"}) {
    EXPECT_FALSE(processOfRunFile(name)) << name;
  }
}

}  // namespace
