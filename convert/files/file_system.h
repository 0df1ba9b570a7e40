// The file operations of a conversion run, on paths as bytes on POSIX and as UTF-8 on Windows
// (which reaches every name the system can hold). Each platform has its own implementation
// (file_system_posix.cpp, file_system_win32.cpp). Reasons are the failure in words, as
// std::strerror gives them ("Permission denied"), or kHeldElsewhere. Every function that can
// fail returns false and puts the reason into *err.
#pragma once
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "convert/files/run_files.h"

// The names of a run's own files beside its output begin with this: ".adif2kvx-PID-N.tmp" for a
// new file, ".adif2kvx-PID-N.old" for the old output's second name, ".adif2kvx-PID.run" for the
// file it holds while it runs. They are short whatever the output's name, so any name the
// system accepts can be an output.
inline constexpr char kRunFilePrefix[] = ".adif2kvx-";

// The reason of a failure because another program holds the file open without sharing it, or
// locks it (Windows).
inline constexpr const char kHeldElsewhere[] = "open in another program";

// The name of the lock file of a folder that cannot be opened for its own lock (POSIX).
inline constexpr char kLockFileName[] = ".adif2kvx.lock";

// Whether two paths reach one existing file, also through a link or another spelling.
// Returns false when either is missing or cannot be examined.
bool isSameFile(const std::string& a, const std::string& b);

// Whether this process may write the existing file in place (its permissions, a read-only
// attribute, another program's lock). Returns false with the reason in *err.
bool canWriteInPlace(const std::string& path, std::string* err);

// Creates a new empty file in the folder of target, with the permission bits of target when
// that file exists (POSIX). It is anonymous where the system allows it (Linux's O_TMPFILE),
// otherwise created exclusively (O_EXCL; CREATE_NEW) under a name beside target that no
// other run uses. Returns false with the reason in *err.
bool createNewFile(const std::string& target, NewFile* created, std::string* err);

// Sends a new file's content to the disk: the stream's buffer, then the system's cache.
// Returns false with the reason in *err.
bool flushToDisk(std::FILE* file, std::string* err);

// Gives an anonymous new file a name beside target that no other run uses (a named one keeps
// its name). Returns false with the reason in *err.
bool nameNewFile(NewFile* file, const std::string& target, std::string* err);

// Keeps an existing file under a second name beside it, put into *kept, while it is being
// replaced: a hard link, or a copy on a file system without links. Returns false with the
// reason in *err.
bool keepOldFile(const std::string& path, std::string* kept, std::string* err);

// Renames a file, replacing an existing file at the new path (written through to the disk on
// Windows). Returns false with the reason in *err.
bool renameReplacing(const std::string& from, const std::string& to, std::string* err);

// Sends the renames in a path's folder to the disk (POSIX; Windows' renames are written
// through). A failure is not reported: the files are in place either way.
void flushFolderOf(const std::string& path);

// Deletes a file. Returns false with the reason in *err.
bool removeFile(const std::string& path, std::string* err);

// The id of this process, which the names of its files carry.
unsigned long thisProcessId();

// The path of a file of the given name in the folder of `beside`, a file's path.
std::string pathBeside(const std::string& beside, const std::string& name);

// The folder part of a file's path as it is spelled ("." for a bare name).
std::string folderOf(const std::string& path);

// The file name part of a path.
std::string nameOf(const std::string& path);

// Ends this process at once, as SIGKILL does: nothing is cleaned up. For a test switch.
[[noreturn]] void endProcessAbruptly();

// While it lives, the signals that would end the process from outside wait (POSIX; a Windows
// program gets none), so that a step of a run goes to its end.
class PlacingStep {
 public:
  PlacingStep();
  ~PlacingStep();
  PlacingStep(const PlacingStep&) = delete;
  PlacingStep& operator=(const PlacingStep&) = delete;

 private:
  struct Held;  // the platform's signal mask
  std::unique_ptr<Held> held_;
};

// While it lives, other runs can tell that this process works in the folder of a target: it
// holds ".adif2kvx-PID.run" there (POSIX: a shared flock, so that runs of one id in two PID
// namespaces both hold it; Windows: open without delete sharing and deleted on close).
class RunMark {
 public:
  explicit RunMark(const std::string& target);
  ~RunMark();
  RunMark(const RunMark&) = delete;
  RunMark& operator=(const RunMark&) = delete;
  // The run file's path; empty when it could not be made.
  const std::string& path() const;

 private:
  struct Held;  // the platform's open mark
  std::unique_ptr<Held> held_;
};

// What an entry of a run's folder is, links not followed.
enum class EntryKind {
  Missing,  // no entry of that name
  Own,      // a regular file of the user the run runs as
  Foreign,  // a link, folder, device, FIFO, another user's file, or one that cannot be examined
};

// What reading a small file found.
enum class SmallFileRead {
  Missing,  // no entry of that name
  Refused,  // a link, no regular file, another user's, larger than the bound, or unreadable
  Read,     // its bytes
};

// The folder of a target, opened once, so that it cannot be swapped while a run repairs,
// sweeps or writes its record in it; every name given to it is a file name in that folder,
// and every file it renames or removes must be an own regular file (EntryKind::Own).
class RunFolder {
 public:
  explicit RunFolder(const std::string& target);
  ~RunFolder();
  RunFolder(const RunFolder&) = delete;
  RunFolder& operator=(const RunFolder&) = delete;

  // Takes the folder's lock, which the repair, the sweep and the placement of a pair take,
  // waiting for it or not (POSIX: flock on the folder or, when it cannot be read, on its lock
  // file; Windows: a mutex named after the folder); *locked tells whether it is held now (not
  // when another run holds it, nor in a folder that cannot be locked at all). Returns false
  // with the "ERROR: " refusal in *err when the lock file is no own regular file.
  bool lock(bool wait, bool* locked, std::string* err);
  // The path of a name in the folder, as the target was spelled, for messages.
  std::string pathOf(const std::string& name) const;
  EntryKind kindOf(const std::string& name) const;
  // Reads an own regular file of at most `limit` bytes into *bytes, without following a link
  // or waiting on a FIFO.
  SmallFileRead readSmallFile(const std::string& name, size_t limit, std::string* bytes) const;
  // Writes bytes into a new file of this run, sends it to the disk and gives it the name,
  // which must be free, then sends the folder to the disk. Returns false with the reason in *err.
  bool publishFile(const std::string& name, const std::string& bytes, std::string* err);
  // Renames an own file over a missing or own one. Returns false with the reason in *err.
  bool rename(const std::string& from, const std::string& to, std::string* err);
  // Removes an own file. Returns false with the reason in *err.
  bool remove(const std::string& name, std::string* err);
  // Sends the folder's renames to the disk.
  void flush();
  // The names in the folder that begin with prefix; none when it cannot be listed.
  std::vector<std::string> namesStartingWith(const std::string& prefix) const;
  // Whether the run of that process id has ended: its run file is missing or its lock could be
  // taken; the lock is then kept while the folder lives, so that no run of that id starts meanwhile.
  // Returns false when it runs, when that cannot be told (no locks here, ENOLCK), and when
  // its run file is not this user's.
  bool runHasEnded(unsigned long processId);
  // Removes the run file of an ended run (see runHasEnded).
  void removeRunFile(unsigned long processId);
  // Removes the lock file when no run holds it (POSIX).
  void removeUnheldLockFile();

 private:
  struct Held;  // the platform's open folder, its lock and the run files held
  std::unique_ptr<Held> held_;
  std::string target_;  // the target as spelled
};
