// The file operations of a conversion run, on paths as bytes on POSIX and as UTF-8 on Windows
// (which reaches every name the system can hold). Each platform has its own implementation
// (file_system_posix.cpp, file_system_win32.cpp). Reasons are the failure in words, as
// std::strerror gives them ("Permission denied"), or kHeldElsewhere.
#pragma once
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// An open stream that closes itself (std::fclose) when it goes.
using OwnedFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// The names of a run's own files beside its output begin with this: ".adif2kvx-PID-N.tmp" for a
// new file, ".adif2kvx-PID-N.old" for the old output's second name. They are short whatever
// the output's name, so any name the system accepts can be an output.
inline constexpr char kRunFilePrefix[] = ".adif2kvx-";

// The reason of a failure because another program holds the file open without sharing it, or
// locks it (Windows).
inline constexpr const char kHeldElsewhere[] = "open in another program";

// Opens a file as std::fopen does ("rb", "wb"). Returns nullptr on failure, with errno set:
// EBUSY when another program holds the file (Windows).
std::FILE* openFile(const std::string& path, const char* mode);

// What a path names, links followed.
enum class PathKind {
  Missing,  // nothing, or nothing that can be examined
  File,     // a regular file
  Folder,   // a folder
  Other,    // a device, FIFO, socket, a loop of links or anything else that is no plain file
};

// What the path names. Returns Missing when that cannot be told.
PathKind pathKind(const std::string& path);

// Whether two paths reach one existing file, also through a link or another spelling.
// Returns false when either is missing or cannot be examined.
bool isSameFile(const std::string& a, const std::string& b);

// The file a path ends at: symbolic links followed to their last target, even one that does
// not exist yet, so that replacing it keeps the links. Returns the path itself when it is no
// link or the link cannot be read (and always on Windows).
std::string linkTarget(const std::string& path);

// Why this process could not write the existing file in place (its permissions, a read-only
// attribute, another program's lock). Returns the reason, empty when it could.
std::string writeAccessProblem(const std::string& path);

// A new file of this run, open for writing, that no other run writes into.
struct NewFile {
  std::FILE* file = nullptr;  // open for writing; nullptr before it is created and after it is closed
  std::string name;           // its path; empty while it is anonymous (Linux, until nameNewFile)
};

// Creates a new empty file in the folder of target, with the permission bits of target when
// that file exists (POSIX). It is anonymous where the system allows it (Linux's O_TMPFILE),
// otherwise created exclusively (O_EXCL; CREATE_NEW) under a name beside target that no
// other run uses. Returns the reason of a failure, empty on success.
std::string createNewFile(const std::string& target, NewFile& created);

// Sends a new file's content to the disk: the stream's buffer, then the system's cache.
// Returns the reason of a failure, empty on success.
std::string flushToDisk(std::FILE* file);

// Gives an anonymous new file a name beside target that no other run uses (a named one keeps
// its name). Returns the reason of a failure, empty on success.
std::string nameNewFile(NewFile& file, const std::string& target);

// Keeps an existing file under a second name beside it, while it is being replaced: a hard
// link, or a copy on a file system without links. Returns the reason of a failure, empty on
// success with the name in `kept`.
std::string keepOldFile(const std::string& path, std::string& kept);

// Renames a file, replacing an existing file at the new path (written through to the disk on
// Windows). Returns the reason of a failure, empty on success.
std::string renameReplacing(const std::string& from, const std::string& to);

// Sends the renames in a path's folder to the disk (POSIX; Windows' renames are written
// through). A failure is not reported: the files are in place either way.
void flushFolderOf(const std::string& path);

// Deletes a file. Returns false when it could not be deleted.
bool removeFile(const std::string& path);

// The id of this process, which the names of its files carry.
unsigned long thisProcessId();

// The path of a file of the given name in the folder of `beside`, a file's path.
std::string pathBeside(const std::string& beside, const std::string& name);

// The names of the entries in the folder of `beside` that begin with prefix. Returns none when
// the folder cannot be listed (a folder without read permission).
std::vector<std::string> namesBeside(const std::string& beside, const std::string& prefix);

// Whether the run of a process whose files lie beside `beside` no longer runs. POSIX: no
// process has its id any more (kill with signal 0). Windows: its RunMark in that folder is gone
// or could be deleted, which it cannot while the run holds it open. Returns false when it runs
// or that cannot be told.
bool runHasEnded(const std::string& beside, unsigned long processId);

// While it lives, other runs can tell that this process works beside a target (Windows: a file
// ".adif2kvx-PID.run" held open, that nobody can delete meanwhile and that goes with the process;
// POSIX: nothing, the process id tells).
class RunMark {
 public:
  explicit RunMark(const std::string& target);
  ~RunMark();
  RunMark(const RunMark&) = delete;
  RunMark& operator=(const RunMark&) = delete;

 private:
  struct Held;  // the platform's open mark
  std::unique_ptr<Held> held_;
};

// Removes the lock file a folder fell back to (see PlacingStep) when no run holds it.
void removeUnheldLockFile(const std::string& beside);

// Ends this process at once, as SIGKILL does: nothing is cleaned up. For a test switch.
[[noreturn]] void endProcessAbruptly();

// While it lives, a step of a run goes to its end: the signals that would end the process
// from outside wait (POSIX; a Windows program gets none), and, given a target, no other run
// with a PlacingStep for the same folder is inside its step (POSIX: flock on the folder, or,
// when the folder cannot be opened, on a lock file ".adif2kvx.lock" in it that the step
// removes; Windows: a mutex named after the folder). A folder that cannot be locked at all
// is not locked.
class PlacingStep {
 public:
  explicit PlacingStep(const std::string& lockTarget = {});
  ~PlacingStep();
  PlacingStep(const PlacingStep&) = delete;
  PlacingStep& operator=(const PlacingStep&) = delete;

 private:
  struct Held;  // the platform's signal mask and lock
  std::unique_ptr<Held> held_;
};

// A stream that takes any writes and keeps nothing; POSIX opens no file for it, Windows the
// NUL device. Returns nullptr on failure, with errno set.
std::FILE* openDiscardingStream();
