// The lines of an input stream, read in large blocks: one read call brings in many lines, and
// line ends are found with memchr. Lines of any length come whole.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string_view>
#include <vector>

class LineReader {
 public:
  // Reads the stream from where it stands now. The stream stays the caller's to close.
  explicit LineReader(std::FILE* input);

  // The next line without its line end (LF, or CR LF); it stays valid until the next call of
  // next() or restart(). A last line without a line end is a line too.
  // Returns false at the end of the input or on a read error (see readError()).
  bool next(std::string_view& line);

  // The bytes of the input from `from` (a byte of the line last handed out) on, line ends
  // included: at least `count` of them, reading on as needed, fewer only at the end of the input.
  // Earlier views into the line (and views that an earlier call returned) are then no longer valid.
  std::string_view ahead(const char* from, size_t count);

  // Goes on reading at `at`, a byte of the text ahead() last returned (or of the line last handed
  // out): `rest` becomes the text from there to the end of its line, without the line end.
  // Returns false, with `rest` empty, at the end of the input or on a read error.
  bool resumeAt(const char* at, std::string_view& rest);

  // Goes back to where the reading began, so that the lines come again from the first one.
  // Returns false when the stream cannot be repositioned; readError() then says why.
  bool restart();

  // The errno value of the failed read or repositioning; 0 when there was none.
  int readError() const { return readError_; }

 private:
  // Moves the bytes from `keep` on to the front of the buffer and appends the next block of the input.
  void fill(size_t keep);

  std::FILE* input_;
  long startOffset_;         // stream position where reading began; -1 when it could not be told
  int startError_;           // errno of the failed position query, when startOffset_ is -1
  std::vector<char> bytes_;  // the block being scanned; it grows only for a line longer than a block
  size_t lineStart_ = 0;     // first byte of the bytes_ not yet handed out as a line
  size_t searched_ = 0;      // bytes before this are known to hold no LF after lineStart_
  size_t filled_ = 0;        // bytes of bytes_ holding input
  bool inputEnded_ = false;  // the stream has no more bytes, or a read failed
  int readError_ = 0;
};
