// Test helpers: temporary streams holding given bytes, and reading them back.
#pragma once
#include <cstdio>
#include <memory>
#include <string>

#include "core/adif_reader.h"

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using TestFile = std::unique_ptr<std::FILE, FileCloser>;

// A stream positioned at the start of the bytes.
inline TestFile streamOf(const std::string& bytes) {
  TestFile file(std::tmpfile());
  std::fwrite(bytes.data(), 1, bytes.size(), file.get());
  std::rewind(file.get());
  return file;
}

// Everything written to a stream so far; writing then goes on at its end.
inline std::string contentsOf(std::FILE* file) {
  std::fflush(file);
  std::rewind(file);
  std::string bytes;
  char piece[4096];
  size_t got;
  while ((got = std::fread(piece, 1, sizeof piece, file)) > 0) bytes.append(piece, got);
  std::fseek(file, 0, SEEK_END);
  return bytes;
}

// The number of complete records the reader finds in a stream, read from its start.
inline int32_t recordsIn(std::FILE* input) {
  std::rewind(input);
  ConversionJob job;
  AdifInput adif(input);
  QsoRecord record{};
  int32_t count = 0;
  while (readQsoRecord(adif, record, job) == 1) {
    ++count;
    record = QsoRecord{};
  }
  return count;
}
