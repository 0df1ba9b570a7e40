// The files of a conversion run: the one way into convert/files/. The import and names files
// are written into new files of the run's own beside their targets and put in place together
// only when the run has finished: afterwards both targets hold the new files, or both are as
// they were. A run touches no file but its input, its own pair and its own run files
// (".adif2kvx-PID-N.tmp", ".adif2kvx-PID-N.old", ".adif2kvx-PID.run") in the output's folder,
// besides the folder's record (".adif2kvx.replacing") and lock file (".adif2kvx.lock"), and
// the files of ended runs of the same user there.
// Every function that can fail returns false and puts the reason into *err.
#pragma once
#include <cstdio>
#include <memory>
#include <string>

// An open stream that closes itself (std::fclose) when it goes.
using OwnedFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Opens a file as std::fopen does ("rb", "wb"), paths as bytes on POSIX and as UTF-8 on Windows.
// Returns false with the reason in *err: as std::strerror gives it, or "open in another program"
// when another program holds the file (Windows).
bool openFile(const std::string& path, const char* mode, OwnedFile* file, std::string* err);

// A stream that takes any writes and keeps nothing. Returns false with the reason in *err.
bool openDiscardingStream(OwnedFile* stream, std::string* err);

// What a path names, links followed.
enum class PathKind {
  Missing,  // nothing, or nothing that can be examined
  File,     // a regular file
  Folder,   // a folder
  Other,    // a device, FIFO, socket, a loop of links or anything else that is no plain file
};

// What the path names. Returns Missing when that cannot be told.
PathKind pathKind(const std::string& path);

// The file a path ends at: symbolic links followed to their last target, even one that does
// not exist yet, so that replacing it keeps the links. Returns the path itself when it is no
// link or the link cannot be read (and always on Windows).
std::string linkTarget(const std::string& path);

// Why a run must not write its files: the output or names file would overwrite the input, the
// names file would overwrite the output, or either exists and is no regular file (a device,
// FIFO or socket). Returns the "ERROR: " text, empty when the paths are safe.
std::string overwriteRefusal(const std::string& inputPath, const std::string& outputPath, const std::string& namesPath);

// The "ERROR: " text for a file that another program holds open or locks.
std::string heldFileError(const std::string& path);

// Before a run writes beside outputTarget (its output, links followed), under the folder's
// lock: puts back together a pair that a killed run left split, as its record in the folder
// tells, and removes what ended runs of this user left there. A record that is not this
// program's and this user's is left alone, and *warning says so (it is emptied otherwise).
// Returns false with the "ERROR: " text in *err when the folder's lock file is not this user's,
// and then nothing was changed.
bool tidyOutputFolder(const std::string& outputTarget, std::string* warning, std::string* err);

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

class RunMark;

// A new file of this run, open for writing, that no other run writes into.
struct NewFile {
  std::FILE* file = nullptr;  // open for writing; nullptr before it is created and after it is closed
  std::string name;           // its path; empty while it is anonymous (Linux, until it is named)
};

class RunFiles {
 public:
  // failSecondReplacement and stopBetweenReplacements are test switches: the names file's
  // replacement then fails as if the folder refused it, so that the undoing of the first
  // replacement can be tested; or the process ends as by SIGKILL right before it, so that the
  // next run's repair can be tested.
  explicit RunFiles(TemporaryFileListener* listener = nullptr, bool failSecondReplacement = false,
                    bool stopBetweenReplacements = false);
  RunFiles(const RunFiles&) = delete;
  RunFiles& operator=(const RunFiles&) = delete;
  // Closes whatever is still open and removes the temporary files that were not put in place.
  ~RunFiles();

  // Opens the input for reading. Returns false with an "ERROR: " text naming the file and the
  // reason in *err; nothing is then left open.
  bool openInput(const std::string& inputPath, std::string* err);
  // Creates the new files for the output and names files, after the input. A target that is
  // a symbolic link is followed, so the link stays and its target is replaced.
  // Returns false with an "ERROR: " text naming the file and the reason in *err; nothing is
  // then left behind and the input is closed too.
  bool openOutputs(const std::string& outputPath, const std::string& namesPath, std::string* err);

  std::FILE* input() const { return input_; }
  std::FILE* output() const { return written_[0].created.file; }
  std::FILE* names() const { return written_[1].created.file; }

  // Closes the input, sends the new files to the disk and puts both in place together:
  // other runs' placements into the folder wait, and so do outside signals. A failed second
  // replacement undoes the first; a run killed between the two leaves a record for the next
  // run to repair. Returns false with an "ERROR: " text in *err when a file could not be
  // written or put in place, and then no target was changed.
  bool finish(std::string* err);

 private:
  void discard();
  // Puts the closed new files in place, the old output file kept until both are there.
  // Returns false with an "ERROR: " text as finish() does.
  bool place(std::string* err);

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
  // Tell other runs that this one runs, from its first new file on: one for each folder written.
  std::unique_ptr<RunMark> marks_[2];
  std::FILE* input_ = nullptr;
  WrittenFile written_[2] = {{"output", {}, {}, {}}, {"names", {}, {}, {}}};
};
