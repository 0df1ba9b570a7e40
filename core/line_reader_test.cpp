#include "core/line_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "core/test_input.h"

namespace {

// Every line the reader hands out, each followed by "|".
std::string linesOf(LineReader& reader) {
  std::string joined;
  std::string_view line;
  while (reader.next(line)) joined.append(line).append("|");
  return joined;
}

TEST(LineReader, RestartGivesTheLinesAgainFromWhereReadingBegan) {
  TestFile file = streamOf("skip\nA\r\nB\r\rC\n\nD");
  char skipped[8];
  ASSERT_NE(std::fgets(skipped, sizeof skipped, file.get()), nullptr);
  LineReader reader(file.get());
  EXPECT_EQ(linesOf(reader), "A|B\r\rC||D|");
  ASSERT_TRUE(reader.restart());
  EXPECT_EQ(linesOf(reader), "A|B\r\rC||D|");
  EXPECT_EQ(reader.readError(), 0);
}

TEST(LineReader, FailedReadOrRestartIsToldWithItsErrno) {
  std::FILE* folder = std::fopen(".", "rb");  // opening a folder works; reading it fails
  ASSERT_NE(folder, nullptr);
  LineReader fromFolder(folder);
  EXPECT_EQ(linesOf(fromFolder), "");
  EXPECT_EQ(fromFolder.readError(), EISDIR);
  std::fclose(folder);

  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  ASSERT_EQ(write(ends[1], "<EOR>", 5), 5);
  close(ends[1]);
  std::FILE* pipeInput = fdopen(ends[0], "rb");
  LineReader fromPipe(pipeInput);
  EXPECT_EQ(linesOf(fromPipe), "<EOR>|");
  EXPECT_FALSE(fromPipe.restart());
  EXPECT_EQ(fromPipe.readError(), ESPIPE);
  std::fclose(pipeInput);
}

}  // namespace
