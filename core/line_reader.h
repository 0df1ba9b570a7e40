// The lines of an input stream, read in large blocks: one read call brings in many lines, and
// line ends are found with memchr. A line longer than kLongestPiece comes in pieces, so that
// the memory held stays the same whatever the input's line lengths.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

class LineReader {
 public:
  // The most bytes of one line handed out at once.
  static constexpr size_t kLongestPiece = 1024 * 1024;

  // Reads the stream from where it stands now. The stream stays the caller's to close.
  explicit LineReader(std::FILE* input);

  // The next line without its line end (LF, or CR LF); it stays valid until the next call of
  // next() or restart(). A last line without a line end is a line too. A longer line than
  // kLongestPiece comes in pieces, each cut before its last "<" where it holds one, so that a
  // tag begins its piece whole.
  // Returns false at the end of the input or on a read error (see readError()).
  bool next(std::string_view& line);

  // Whether the line next() last handed out goes on from the piece before it, not from a line end.
  bool continuesLine() const { return continuesLine_; }

  // The bytes of the input from `from` (a byte of the line last handed out) on, line ends
  // included: at least `count` of them, reading on as needed, fewer only at the end of the input.
  // Earlier views into the line (and views that an earlier call returned) are then no longer valid.
  std::string_view ahead(const char* from, size_t count);

  // Goes on reading at `at`, a byte of the text ahead() last returned (or of the line last handed
  // out): `rest` becomes the text from there to the end of its line, without the line end.
  // Returns false, with `rest` empty, at the end of the input or on a read error.
  bool resumeAt(const char* at, std::string_view& rest);

  // Goes on reading `count` bytes after `from` (as resumeAt takes it), reading past the bytes
  // between without holding them. Returns false, with `rest` empty, when the input ends first
  // or on a read error.
  bool skipPast(const char* from, uint64_t count, std::string_view& rest);

  // How many bytes the input holds from `at` (a byte as resumeAt takes it) to its end.
  // Returns -1 when that cannot be told, as for a pipe.
  int64_t bytesLeftFrom(const char* at);

  // Goes back to where the reading began, so that the lines come again from the first one.
  // Returns false when the stream cannot be repositioned; readError() then says why.
  bool restart();

  // The errno value of the failed read or repositioning; 0 when there was none.
  int readError() const { return readError_; }

 private:
  // Moves the bytes from `keep` on to the front of the buffer and appends the next block of the input.
  void fill(size_t keep);

  std::FILE* input_;
  long startOffset_;            // stream position where reading began; -1 when it could not be told
  int startError_;              // errno of the failed position query, when startOffset_ is -1
  int64_t inputEnd_ = -1;       // stream position of the input's end when last asked; -1 before
  std::vector<char> bytes_;     // the block being scanned; it grows only for a piece or a look ahead
  uint64_t bufferOffset_ = 0;   // bytes of the input before bytes_[0], counted from startOffset_
  size_t lineStart_ = 0;        // first byte of the bytes_ not yet handed out as a line
  size_t searched_ = 0;         // bytes before this are known to hold no LF after lineStart_
  size_t filled_ = 0;           // bytes of bytes_ holding input
  bool inputEnded_ = false;     // the stream has no more bytes, or a read failed
  bool pieceCut_ = false;       // the last line handed out ended at a cut, not at a line end
  bool continuesLine_ = false;  // see continuesLine()
  int readError_ = 0;           // see readError()
};
