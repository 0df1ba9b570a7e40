#include "core/line_reader.h"

#include <cerrno>
#include <cstring>

namespace {

// Bytes asked for by one read call.
constexpr size_t kBlockSize = 64 * 1024;

// The errno value of a failed library call, or the given stand-in when the call left none.
int errorOr(int standIn) { return errno != 0 ? errno : standIn; }

}  // namespace

LineReader::LineReader(std::FILE* input) : input_(input), bytes_(kBlockSize) {
  errno = 0;
  startOffset_ = std::ftell(input);
  startError_ = startOffset_ < 0 ? errorOr(ESPIPE) : 0;
}

bool LineReader::next(std::string_view& line) {
  for (;;) {
    const char* data = bytes_.data();
    if (const void* found = std::memchr(data + searched_, '\n', filled_ - searched_)) {
      const size_t lineEnd = static_cast<size_t>(static_cast<const char*>(found) - data);
      size_t length = lineEnd - lineStart_;
      if (length > 0 && data[lineEnd - 1] == '\r') --length;
      line = std::string_view(data + lineStart_, length);
      lineStart_ = searched_ = lineEnd + 1;
      return true;
    }
    searched_ = filled_;
    if (inputEnded_) {
      if (readError_ != 0 || lineStart_ == filled_) return false;
      line = std::string_view(data + lineStart_, filled_ - lineStart_);
      lineStart_ = searched_ = filled_;
      return true;
    }
    fill(lineStart_);
  }
}

std::string_view LineReader::ahead(const char* from, size_t count) {
  size_t start = static_cast<size_t>(from - bytes_.data());
  while (filled_ - start < count && !inputEnded_) {
    fill(start);
    start = 0;
  }
  return std::string_view(bytes_.data() + start, filled_ - start);
}

bool LineReader::resumeAt(const char* at, std::string_view& rest) {
  lineStart_ = searched_ = static_cast<size_t>(at - bytes_.data());
  if (next(rest)) return true;
  rest = {};
  return false;
}

void LineReader::fill(size_t keep) {
  if (keep > 0) {
    std::memmove(bytes_.data(), bytes_.data() + keep, filled_ - keep);
    filled_ -= keep;
    searched_ -= keep;
    lineStart_ -= keep;
  }
  if (bytes_.size() - filled_ < kBlockSize) bytes_.resize(filled_ + kBlockSize);
  errno = 0;
  const size_t got = std::fread(bytes_.data() + filled_, 1, bytes_.size() - filled_, input_);
  filled_ += got;
  if (std::ferror(input_)) {
    readError_ = errorOr(EIO);
    inputEnded_ = true;
  } else if (got == 0) {
    inputEnded_ = true;
  }
}

bool LineReader::restart() {
  if (readError_ != 0) return false;
  if (startOffset_ < 0) {
    readError_ = startError_;
    return false;
  }
  errno = 0;
  if (std::fseek(input_, startOffset_, SEEK_SET) != 0) {
    readError_ = errorOr(EIO);
    return false;
  }
  lineStart_ = searched_ = filled_ = 0;
  inputEnded_ = false;
  return true;
}
