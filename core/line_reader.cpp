#include "core/line_reader.h"

#include <cerrno>
#include <climits>
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
  continuesLine_ = pieceCut_;
  pieceCut_ = false;
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
    if (filled_ - lineStart_ >= kLongestPiece) {
      // The piece ends before its last "<", unless that opens it: the tag comes whole next time.
      const std::string_view held(data + lineStart_, filled_ - lineStart_);
      const size_t lastOpen = held.rfind('<');
      const size_t length = lastOpen != std::string_view::npos && lastOpen > 0 ? lastOpen : held.size();
      line = held.substr(0, length);
      lineStart_ += length;
      pieceCut_ = true;
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
  // The text from `at` on goes on from the bytes before it, unless a line ended right there.
  pieceCut_ = lineStart_ > 0 && bytes_[lineStart_ - 1] != '\n';
  if (next(rest)) return true;
  rest = {};
  return false;
}

bool LineReader::skipPast(const char* from, uint64_t count, std::string_view& rest) {
  size_t start = static_cast<size_t>(from - bytes_.data());
  while (filled_ - start < count) {
    if (inputEnded_) {
      lineStart_ = searched_ = filled_;
      rest = {};
      return false;
    }
    // Nothing held is needed any more: the next block takes the whole buffer.
    count -= filled_ - start;
    lineStart_ = searched_ = filled_;
    fill(filled_);
    start = 0;
  }
  return resumeAt(bytes_.data() + start + count, rest);
}

int64_t LineReader::bytesLeftFrom(const char* at) {
  if (startOffset_ < 0) return -1;
  const int64_t position = startOffset_ + static_cast<int64_t>(bufferOffset_ + static_cast<size_t>(at - bytes_.data()));
  // The input's end is asked for again when it seems to lie before `at`: the file may have grown.
  if (inputEnd_ < position) {
    const int64_t streamAt = startOffset_ + static_cast<int64_t>(bufferOffset_ + filled_);
    if (streamAt > LONG_MAX) return -1;  // beyond what the stream's positions can name here
    errno = 0;
    const bool ended = std::fseek(input_, 0, SEEK_END) == 0;
    inputEnd_ = ended ? std::ftell(input_) : -1;
    if (std::fseek(input_, static_cast<long>(streamAt), SEEK_SET) != 0) {
      readError_ = errorOr(EIO);
      inputEnded_ = true;
    }
    if (inputEnd_ < 0) return -1;
  }
  return inputEnd_ - position;
}

void LineReader::fill(size_t keep) {
  if (keep > 0) {
    std::memmove(bytes_.data(), bytes_.data() + keep, filled_ - keep);
    filled_ -= keep;
    searched_ -= keep;
    lineStart_ -= keep;
    bufferOffset_ += keep;
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
  bufferOffset_ = 0;
  inputEnded_ = pieceCut_ = continuesLine_ = false;
  return true;
}
