// Test helper: a temporary stream holding given bytes, ready for reading.
#pragma once
#include <cstdio>
#include <memory>
#include <string>

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
