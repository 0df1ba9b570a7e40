// The three files of a conversion run. The import and names files are written under temporary
// names beside their targets and renamed into place only when the run has finished, so a failed
// or interrupted run never leaves a half-written file where a good one was.
#pragma once
#include <cstdio>
#include <string>

// Why a run must not write its files: the output or names file would overwrite the input, or
// the names file would overwrite the output. Returns the "ERROR: " text, empty when the paths are safe.
std::string overwriteRefusal(const std::string& inputPath, const std::string& outputPath, const std::string& namesPath);

// Told which temporary files of a run exist, for a front end that must remove them when the
// process is ended from outside (the command line on SIGINT, SIGTERM or SIGHUP).
class TemporaryFileListener {
 public:
  virtual ~TemporaryFileListener() = default;
  // A temporary file is about to be created at the path.
  virtual void temporaryFileCreated(const std::string& path) = 0;
  // No temporary file of the run exists any more: renamed into place or removed.
  virtual void temporaryFilesGone() = 0;
};

class RunFiles {
 public:
  explicit RunFiles(TemporaryFileListener* listener = nullptr) : listener_(listener) {}
  RunFiles(const RunFiles&) = delete;
  RunFiles& operator=(const RunFiles&) = delete;
  // Closes whatever is still open and removes temporary files that were not renamed into place.
  ~RunFiles();

  // Opens the input for reading. Returns an "ERROR: " text naming the file and the reason,
  // empty on success; on failure nothing is left open.
  std::string openInput(const std::string& inputPath);
  // Opens temporary files for the output and names files, after the input.
  // Returns an "ERROR: " text naming the file and the reason, empty on success; on failure
  // nothing is left behind and the input is closed too.
  std::string openOutputs(const std::string& outputPath, const std::string& namesPath);

  std::FILE* input() const { return input_; }
  std::FILE* output() const { return written_[0].file; }
  std::FILE* names() const { return written_[1].file; }

  // Closes the three files and renames the temporary files into place.
  // Returns an "ERROR: " text when a file could not be written or renamed, empty on success.
  std::string finish();

 private:
  void discard();

  // A file the run writes: its target path and the temporary file it is written to first.
  struct WrittenFile {
    const char* what;           // "output" or "names", for messages
    std::string path;           // where the file ends up
    std::string temp;           // temporary name while the run writes it; empty when none exists
    std::FILE* file = nullptr;  // open temporary file
  };

  // The "ERROR: " text for a file that could not be written.
  static std::string writeError(const WrittenFile& written, const std::string& why);

  TemporaryFileListener* listener_;  // may be null
  std::FILE* input_ = nullptr;
  WrittenFile written_[2] = {{"output", {}, {}, nullptr}, {"names", {}, {}, nullptr}};
};
