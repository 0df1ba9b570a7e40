#include "convert/input_copy.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "core/text_format.h"

bool canReadAgain(std::FILE* input) {
  const long start = std::ftell(input);
  return start >= 0 && std::fseek(input, start, SEEK_SET) == 0;
}

bool copyInput(std::FILE* input, const std::string& inputPath, OwnedFile* copy, std::string* err) {
  const auto keepError = [&inputPath, err](int error) {
    *err = formatText("ERROR: Can't keep a copy of input file %s: %s", inputPath.c_str(), std::strerror(error));
    return false;
  };
  // The system removes an anonymous file however the run ends, so nothing can be left behind.
  OwnedFile kept(std::tmpfile(), &std::fclose);
  if (!kept) return keepError(errno);
  char piece[64 * 1024];
  size_t read = sizeof piece;
  while (read == sizeof piece) {
    errno = 0;
    read = std::fread(piece, 1, sizeof piece, input);
    if (read < sizeof piece && std::ferror(input) != 0) {
      *err =
          formatText("ERROR: Can't read input file %s: %s", inputPath.c_str(), std::strerror(errno != 0 ? errno : EIO));
      return false;
    }
    if (read > 0 && std::fwrite(piece, 1, read, kept.get()) != read) return keepError(errno != 0 ? errno : EIO);
  }
  if (std::fflush(kept.get()) != 0 || std::fseek(kept.get(), 0, SEEK_SET) != 0) return keepError(errno);
  *copy = std::move(kept);
  return true;
}
