// Collects the text of one import record and hands it to the file in one write.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string_view>

// Both lines of a record normally fit; anything longer is written out in pieces as the buffer
// fills.
class RecordBuffer {
 public:
  explicit RecordBuffer(std::FILE* file) : file_(file) {}
  RecordBuffer(const RecordBuffer&) = delete;
  RecordBuffer& operator=(const RecordBuffer&) = delete;
  ~RecordBuffer() { flush(); }

  void append(std::string_view text) {
    const char* p = text.data();
    size_t length = text.size();
    while (length > 0) {
      if (used_ == kCapacity) flush();
      const size_t piece = std::min(length, kCapacity - used_);
      std::memcpy(data_ + used_, p, piece);
      used_ += piece;
      p += piece;
      length -= piece;
    }
  }
  void fill(char c, size_t count) {
    while (count > 0) {
      if (used_ == kCapacity) flush();
      const size_t piece = std::min(count, kCapacity - used_);
      std::memset(data_ + used_, c, piece);
      used_ += piece;
      count -= piece;
    }
  }
  // Room for `count` bytes in one piece, which the caller fills; count is at most 1024.
  char* claim(size_t count) {
    if (kCapacity - used_ < count) flush();
    char* room = data_ + used_;
    used_ += count;
    return room;
  }
  // Gives back the last `count` bytes of a claim, unwritten.
  void unclaim(size_t count) { used_ -= count; }
  void endLine() { append("\r\n"); }
  void flush() {
    if (used_ > 0) std::fwrite(data_, 1, used_, file_);
    used_ = 0;
  }

 private:
  static constexpr size_t kCapacity = 1024;  // room for both lines of any ordinary record
  std::FILE* file_;                          // where flush() writes
  char data_[kCapacity];                     // the bytes not yet written
  size_t used_ = 0;                          // bytes of data_ in use
};
