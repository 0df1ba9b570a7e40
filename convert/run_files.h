// The three files of a conversion run. The import and names files are written into new files
// of the run's own beside their targets and put in place together only when the run has
// finished: afterwards both targets hold the new files, or both are as they were.
#pragma once
#include <cstdio>
#include <memory>
#include <string>

#include "convert/file_system.h"

// Why a run must not write its files: the output or names file would overwrite the input, the
// names file would overwrite the output, or either exists and is no regular file (a device,
// FIFO or socket). Returns the "ERROR: " text, empty when the paths are safe.
std::string overwriteRefusal(const std::string& inputPath, const std::string& outputPath, const std::string& namesPath);

// The "ERROR: " text for a file that another program holds open or locks.
std::string heldFileError(const std::string& path);

// Told which temporary files of a run exist, for a front end that must remove them when the
// process is ended from outside (the command line on SIGINT, SIGTERM or SIGHUP). Each call
// comes while such signals wait.
class TemporaryFileListener {
 public:
  virtual ~TemporaryFileListener() = default;
  // A temporary file with a name now exists at the path (an anonymous one is not told of).
  virtual void temporaryFileCreated(const std::string& path) = 0;
  // No temporary file of the run exists any more, and no target was changed.
  virtual void temporaryFilesGone() = 0;
  // Both new files are in place and no temporary file is left: the targets have changed.
  virtual void filesPlaced() = 0;
};

class RunFiles {
 public:
  // failSecondReplacement and stopBetweenReplacements are test switches: the names file's
  // replacement then fails as if the folder refused it, so that the undoing of the first
  // replacement can be tested; or the process ends as by SIGKILL right before it, so that the
  // next run's repair can be tested.
  explicit RunFiles(TemporaryFileListener* listener = nullptr, bool failSecondReplacement = false,
                    bool stopBetweenReplacements = false)
      : listener_(listener),
        failSecondReplacement_(failSecondReplacement),
        stopBetweenReplacements_(stopBetweenReplacements) {}
  RunFiles(const RunFiles&) = delete;
  RunFiles& operator=(const RunFiles&) = delete;
  // Closes whatever is still open and removes the temporary files that were not put in place.
  ~RunFiles();

  // Opens the input for reading. Returns an "ERROR: " text naming the file and the reason,
  // empty on success; on failure nothing is left open.
  std::string openInput(const std::string& inputPath);
  // Creates the new files for the output and names files, after the input. A target that is
  // a symbolic link is followed, so the link stays and its target is replaced.
  // Returns an "ERROR: " text naming the file and the reason, empty on success; on failure
  // nothing is left behind and the input is closed too.
  std::string openOutputs(const std::string& outputPath, const std::string& namesPath);

  std::FILE* input() const { return input_; }
  std::FILE* output() const { return written_[0].created.file; }
  std::FILE* names() const { return written_[1].created.file; }

  // Closes the input, sends the new files to the disk and puts both in place together:
  // other runs' placements into the folder wait, and so do outside signals. A failed second
  // replacement undoes the first; a run killed between the two leaves a record for the next
  // run to repair. Returns an "ERROR: " text when a file could not be written or put in place,
  // and then no target was changed; empty on success.
  std::string finish();

 private:
  void discard();
  // Puts the closed new files in place, the old output file kept until both are there.
  // Returns an "ERROR: " text as finish() does.
  std::string place();

  // A file the run writes: its path, the file that is replaced and the new file.
  struct WrittenFile {
    const char* what;      // "output" or "names", for messages
    std::string path;      // the path as given
    std::string target;    // the file replaced: the path, links followed
    NewFile created = {};  // the run's new file while it is written and not yet in place
  };

  // The "ERROR: " text for a file that could not be written.
  static std::string writeError(const WrittenFile& written, const std::string& why);

  TemporaryFileListener* listener_;  // may be null
  bool failSecondReplacement_;       // test switch, see the constructor
  bool stopBetweenReplacements_;     // test switch, see the constructor
  std::unique_ptr<RunMark> mark_;    // tells other runs that this one runs, from its first new file on
  std::FILE* input_ = nullptr;
  WrittenFile written_[2] = {{"output", {}, {}, {}}, {"names", {}, {}, {}}};
};
