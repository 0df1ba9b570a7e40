// POSIX (with Linux's anonymous files and O_PATH where the kernel has them): a narrow path is
// the file name's bytes, which the system calls and std::filesystem pass through unchanged.
#include "convert/files/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <map>
#include <system_error>

#include "convert/files/replacement_record.h"
#include "core/text_format.h"

namespace fs = std::filesystem;

namespace {

bool fail(std::string* err, int error) {
  *err = std::strerror(error);
  return false;
}

bool isOwnRegular(const struct stat& status) { return S_ISREG(status.st_mode) && status.st_uid == geteuid(); }

// Whether an open file is still the one the name in the folder names: a lock or run file
// removed by its last holder is no lock any more.
bool stillNamedBy(int descriptor, int folder, const std::string& name) {
  struct stat open;
  struct stat named;
  return fstat(descriptor, &open) == 0 && fstatat(folder, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
         open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Takes a lock of an open file or folder, waiting for it. Returns false when it cannot be taken.
bool lockWaiting(int descriptor, int operation) {
  while (flock(descriptor, operation) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

// Opens a file of the folder that must be this user's regular file, creating it when it is
// missing, without following a link or waiting on a FIFO. Returns -1 when it cannot be opened,
// and sets *foreign when an entry of that name is there that is not such a file.
int openOwnFile(int folder, const std::string& name, bool* foreign) {
  *foreign = false;
  const int descriptor = openat(folder, name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
  struct stat status;
  if (descriptor >= 0) {
    if (fstat(descriptor, &status) == 0 && isOwnRegular(status)) return descriptor;
    close(descriptor);
    *foreign = true;
    return -1;
  }
  *foreign = fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0;
  return -1;
}

// Locks a file of the folder, taken afresh when its last holder removed it meanwhile. Returns
// its descriptor, -1 when it cannot be locked, with *foreign as openOwnFile sets it.
int lockOwnFile(int folder, const std::string& name, int operation, bool* foreign) {
  for (;;) {
    const int descriptor = openOwnFile(folder, name, foreign);
    if (descriptor < 0) return -1;
    const bool locked = lockWaiting(descriptor, operation);
    if (locked && stillNamedBy(descriptor, folder, name)) return descriptor;
    close(descriptor);
    if (!locked) return -1;
  }
}

// Opens the folder of a path once for the *at calls: readable when it can be, otherwise only
// as a place (O_PATH, a folder without read permission). Returns -1 when it cannot be opened.
int openFolder(const std::string& path, bool* readable) {
  const std::string folder = folderOf(path);
  int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  *readable = descriptor >= 0;
  if (descriptor < 0) descriptor = open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  return descriptor;
}

// The path through which an open descriptor's file can be linked into a folder.
std::string descriptorPath(int descriptor) { return "/proc/self/fd/" + std::to_string(descriptor); }

// Opens a file for writing that is new and this run's alone; anonymous when the folder's file
// system allows it and /proc can link it later. Returns -1 on failure, with errno set.
int openNewFile(const std::string& target, std::string* name) {
  name->clear();
  if (access("/proc/self/fd", X_OK) == 0) {
    const int anonymous = open(folderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (anonymous >= 0) return anonymous;
  }
  for (int number = 0;; ++number) {
    *name = pathBeside(target, runFileName(number, ".tmp"));
    const int descriptor = open(name->c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (descriptor >= 0 || errno != EEXIST) {
      if (descriptor < 0) name->clear();
      return descriptor;
    }
  }
}

}  // namespace

bool openFile(const std::string& path, const char* mode, OwnedFile* file, std::string* err) {
  file->reset(std::fopen(path.c_str(), mode));
  return *file != nullptr || fail(err, errno);
}

PathKind pathKind(const std::string& path) {
  struct stat status;
  // A loop of links, or a chain longer than the system follows, can never become a plain file.
  if (stat(path.c_str(), &status) != 0) return errno == ELOOP ? PathKind::Other : PathKind::Missing;
  if (S_ISREG(status.st_mode)) return PathKind::File;
  return S_ISDIR(status.st_mode) ? PathKind::Folder : PathKind::Other;
}

bool isSameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return fs::equivalent(fs::path(a), fs::path(b), error) && !error;
}

std::string linkTarget(const std::string& path) {
  std::string current = path;
  // The kernel itself gives up after 40 links in a row.
  for (int hop = 0; hop < 40; ++hop) {
    char target[PATH_MAX];
    const ssize_t length = readlink(current.c_str(), target, sizeof target);
    if (length <= 0 || static_cast<size_t>(length) >= sizeof target) return current;
    const std::string next(target, static_cast<size_t>(length));
    current = next[0] == '/' ? next : folderOf(current) + "/" + next;
  }
  return current;
}

bool canWriteInPlace(const std::string& path, std::string* err) {
  // Asked of the permissions, not by opening: opening a FIFO for writing would wait for a reader.
  return faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 || fail(err, errno);
}

bool createNewFile(const std::string& target, NewFile* created, std::string* err) {
  struct stat old;
  const bool keepMode = stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  const int descriptor = openNewFile(target, &created->name);
  if (descriptor < 0) return fail(err, errno);
  if (keepMode) {
    // Only root may give a file away; for anyone else the new file stays its own. The owner
    // comes first, as changing it may clear the set-id bits.
    if (geteuid() == 0 && fchown(descriptor, old.st_uid, old.st_gid) != 0) {
      // The file stays root's: it is whole all the same.
    }
    fchmod(descriptor, old.st_mode & 07777);  // a failure leaves the usual mode
  }
  created->file = fdopen(descriptor, "wb");
  if (created->file != nullptr) return true;
  const int error = errno;
  close(descriptor);
  if (!created->name.empty()) unlink(created->name.c_str());
  created->name.clear();
  return fail(err, error);
}

bool flushToDisk(std::FILE* file, std::string* err) {
  return (std::fflush(file) == 0 && fsync(fileno(file)) == 0) || fail(err, errno);
}

bool nameNewFile(NewFile* file, const std::string& target, std::string* err) {
  if (!file->name.empty()) return true;
  const std::string anonymous = descriptorPath(fileno(file->file));
  for (int number = 0;; ++number) {
    const std::string name = pathBeside(target, runFileName(number, ".tmp"));
    if (linkat(AT_FDCWD, anonymous.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      file->name = name;
      return true;
    }
    if (errno != EEXIST) return fail(err, errno);
  }
}

bool keepOldFile(const std::string& path, std::string* kept, std::string* err) {
  for (int number = 0;; ++number) {
    *kept = pathBeside(path, runFileName(number, ".old"));
    if (link(path.c_str(), kept->c_str()) == 0) return true;
    if (errno == EEXIST) continue;
    // A file system without hard links (FAT) gets a copy.
    std::error_code error;
    if (fs::copy_file(path, *kept, error)) return true;
    if (error == std::errc::file_exists) continue;
    kept->clear();
    *err = error.message();
    return false;
  }
}

bool renameReplacing(const std::string& from, const std::string& to, std::string* err) {
  return std::rename(from.c_str(), to.c_str()) == 0 || fail(err, errno);
}

void flushFolderOf(const std::string& path) {
  const int folder = open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return;
  fsync(folder);
  close(folder);
}

bool removeFile(const std::string& path, std::string* err) {
  return std::remove(path.c_str()) == 0 || fail(err, errno);
}

unsigned long thisProcessId() { return static_cast<unsigned long>(getpid()); }

std::string pathBeside(const std::string& beside, const std::string& name) {
  const size_t slash = beside.rfind('/');
  return slash == std::string::npos ? name : beside.substr(0, slash + 1) + name;
}

std::string folderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

void endProcessAbruptly() {
  kill(getpid(), SIGKILL);
  _exit(128 + SIGKILL);
}

struct PlacingStep::Held {
  sigset_t previous;  // the signal mask before the step
};

PlacingStep::PlacingStep() : held_(std::make_unique<Held>()) {
  // Every signal that can come from outside waits; faults of the process itself cannot.
  sigset_t held;
  sigfillset(&held);
  for (int fault : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGABRT, SIGSYS}) sigdelset(&held, fault);
  sigprocmask(SIG_BLOCK, &held, &held_->previous);
}

PlacingStep::~PlacingStep() { sigprocmask(SIG_SETMASK, &held_->previous, nullptr); }

struct RunMark::Held {
  int folder = -1;   // the folder of the mark, open; -1 when it could not be opened
  int mark = -1;     // the run file, open and locked shared; -1 when it could not be made
  std::string name;  // its name in the folder
  std::string path;  // its path beside the target; empty when it could not be made
};

RunMark::RunMark(const std::string& target) : held_(std::make_unique<Held>()) {
  bool readable = false;
  held_->folder = openFolder(target, &readable);
  if (held_->folder < 0) return;
  held_->name = runMarkName(thisProcessId());
  // Shared: a run of the same id in another PID namespace holds the same file.
  bool foreign = false;
  held_->mark = lockOwnFile(held_->folder, held_->name, LOCK_SH, &foreign);
  if (held_->mark >= 0) held_->path = pathBeside(target, held_->name);
}

const std::string& RunMark::path() const { return held_->path; }

RunMark::~RunMark() {
  // The last holder removes the file, while it still holds it: a run that waits for it then
  // sees that it is gone and makes a new one.
  if (held_->mark >= 0) {
    if (flock(held_->mark, LOCK_EX | LOCK_NB) == 0 && stillNamedBy(held_->mark, held_->folder, held_->name)) {
      unlinkat(held_->folder, held_->name.c_str(), 0);
    }
    close(held_->mark);
  }
  if (held_->folder >= 0) close(held_->folder);
}

struct RunFolder::Held {
  int folder = -1;                         // the folder, open; -1 when it could not be opened
  bool readable = false;                   // opened for reading, so it can be listed and locked itself
  int lock = -1;                           // the locked folder or lock file; -1 when none is locked
  bool lockFile = false;                   // the lock is the lock file's, which goes with it
  std::map<unsigned long, int> endedRuns;  // the run files of ended runs, locked
};

RunFolder::RunFolder(const std::string& target) : held_(std::make_unique<Held>()), target_(target) {
  held_->folder = openFolder(target, &held_->readable);
}

RunFolder::~RunFolder() {
  for (const auto& [processId, descriptor] : held_->endedRuns) close(descriptor);
  // A lock file goes while it is still held: a run that waits for it then locks one that is
  // gone, sees so and makes a new one.
  if (held_->lockFile) unlinkat(held_->folder, kLockFileName, 0);
  if (held_->lock >= 0 && held_->lock != held_->folder) close(held_->lock);  // closing drops the lock
  if (held_->folder >= 0) close(held_->folder);
}

bool RunFolder::lock(bool wait, bool* locked, std::string* err) {
  *locked = held_->lock >= 0;
  if (held_->folder < 0 || *locked) return true;
  const int operation = wait ? LOCK_EX : LOCK_EX | LOCK_NB;
  // The folder itself is locked, so no lock file is left behind; a folder that cannot be
  // read (a drop box) has a lock file instead, which must be this user's.
  if (held_->readable) {
    if (lockWaiting(held_->folder, operation)) held_->lock = held_->folder;
    *locked = held_->lock >= 0;
    return true;
  }
  bool foreign = false;
  held_->lock = lockOwnFile(held_->folder, kLockFileName, operation, &foreign);
  held_->lockFile = held_->lock >= 0;
  *locked = held_->lockFile;
  if (!foreign) return true;
  *err = formatText("ERROR: Can't lock %s: %s is not a lock file of this program for this user.",
                    folderOf(target_).c_str(), pathOf(kLockFileName).c_str());
  return false;
}

std::string RunFolder::pathOf(const std::string& name) const { return pathBeside(target_, name); }

EntryKind RunFolder::kindOf(const std::string& name) const {
  struct stat status;
  if (fstatat(held_->folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
    return errno == ENOENT ? EntryKind::Missing : EntryKind::Foreign;
  }
  return isOwnRegular(status) ? EntryKind::Own : EntryKind::Foreign;
}

SmallFileRead RunFolder::readSmallFile(const std::string& name, size_t limit, std::string* bytes) const {
  const int descriptor = openat(held_->folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return errno == ENOENT ? SmallFileRead::Missing : SmallFileRead::Refused;
  struct stat status;
  SmallFileRead read = SmallFileRead::Refused;
  if (fstat(descriptor, &status) == 0 && isOwnRegular(status) &&
      static_cast<unsigned long long>(status.st_size) <= limit) {
    // Read with the bound too: the file may grow meanwhile.
    bytes->assign(limit + 1, '\0');
    size_t filled = 0;
    bool failed = false;
    while (filled < bytes->size()) {
      const ssize_t got = ::read(descriptor, &(*bytes)[filled], bytes->size() - filled);
      if (got < 0 && errno == EINTR) continue;
      failed = got < 0;
      if (got <= 0) break;
      filled += static_cast<size_t>(got);
    }
    if (!failed && filled <= limit) {
      bytes->resize(filled);
      read = SmallFileRead::Read;
    }
  }
  close(descriptor);
  return read;
}

bool RunFolder::publishFile(const std::string& name, const std::string& bytes, std::string* err) {
  if (held_->folder < 0) return fail(err, ENOENT);
  std::string temporary;
  int descriptor = -1;
  for (int number = 0; descriptor < 0; ++number) {
    temporary = runFileName(number, ".tmp");
    descriptor = openat(held_->folder, temporary.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor < 0 && errno != EEXIST) return fail(err, errno);
  }
  bool written = ::write(descriptor, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  int error = written ? 0 : errno != 0 ? errno : EIO;
  if (written && fsync(descriptor) != 0) error = errno;
  if (close(descriptor) != 0 && error == 0) error = errno;
  // A second name never replaces what has the name; a file system without links renames.
  if (error == 0 && linkat(held_->folder, temporary.c_str(), held_->folder, name.c_str(), 0) != 0) {
    error = errno;
    if ((error == EPERM || error == EOPNOTSUPP) && kindOf(name) == EntryKind::Missing &&
        renameat(held_->folder, temporary.c_str(), held_->folder, name.c_str()) == 0) {
      error = 0;
    }
  }
  unlinkat(held_->folder, temporary.c_str(), 0);
  if (error != 0) return fail(err, error);
  flush();
  return true;
}

bool RunFolder::rename(const std::string& from, const std::string& to, std::string* err) {
  if (kindOf(from) != EntryKind::Own || kindOf(to) == EntryKind::Foreign) return fail(err, EPERM);
  return renameat(held_->folder, from.c_str(), held_->folder, to.c_str()) == 0 || fail(err, errno);
}

bool RunFolder::remove(const std::string& name, std::string* err) {
  if (kindOf(name) != EntryKind::Own) return fail(err, EPERM);
  return unlinkat(held_->folder, name.c_str(), 0) == 0 || fail(err, errno);
}

void RunFolder::flush() {
  if (held_->readable) fsync(held_->folder);
}

std::vector<std::string> RunFolder::namesStartingWith(const std::string& prefix) const {
  std::vector<std::string> names;
  if (!held_->readable) return names;
  const int listed = openat(held_->folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  DIR* folder = listed < 0 ? nullptr : fdopendir(listed);
  if (folder == nullptr) {
    if (listed >= 0) close(listed);
    return names;
  }
  while (const dirent* entry = readdir(folder)) {
    if (std::strncmp(entry->d_name, prefix.c_str(), prefix.size()) == 0) names.emplace_back(entry->d_name);
  }
  closedir(folder);
  return names;
}

bool RunFolder::runHasEnded(unsigned long processId) {
  if (held_->endedRuns.count(processId) != 0) return true;
  if (held_->folder < 0) return false;
  const std::string name = runMarkName(processId);
  const int descriptor = openat(held_->folder, name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) {
    // Without a run file the run has ended: a run makes it before its first file.
    return errno == ENOENT;
  }
  struct stat status;
  // Held shared by a run that runs; ENOLCK and every other failure tell nothing.
  if (fstat(descriptor, &status) != 0 || !isOwnRegular(status) || flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    close(descriptor);
    return false;
  }
  held_->endedRuns[processId] = descriptor;
  return true;
}

void RunFolder::removeRunFile(unsigned long processId) {
  const auto found = held_->endedRuns.find(processId);
  if (found == held_->endedRuns.end()) return;
  const std::string name = runMarkName(processId);
  if (stillNamedBy(found->second, held_->folder, name)) unlinkat(held_->folder, name.c_str(), 0);
}

void RunFolder::removeUnheldLockFile() {
  if (held_->lockFile || held_->folder < 0) return;
  const int descriptor = openat(held_->folder, kLockFileName, O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return;
  struct stat status;
  // Removed only while held, so that no run waits for a file that is gone (see lockOwnFile).
  if (fstat(descriptor, &status) == 0 && isOwnRegular(status) && flock(descriptor, LOCK_EX | LOCK_NB) == 0 &&
      stillNamedBy(descriptor, held_->folder, kLockFileName)) {
    unlinkat(held_->folder, kLockFileName, 0);
  }
  close(descriptor);
}

bool openDiscardingStream(OwnedFile* stream, std::string* err) {
  cookie_io_functions_t discarding = {};
  discarding.write = [](void*, const char*, size_t size) -> ssize_t { return static_cast<ssize_t>(size); };
  stream->reset(fopencookie(nullptr, "w", discarding));
  return *stream != nullptr || fail(err, errno);
}
