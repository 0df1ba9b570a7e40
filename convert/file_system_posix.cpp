// POSIX (with Linux's anonymous files where the kernel has them): a narrow path is the file
// name's bytes, which the system calls and std::filesystem pass through unchanged.
#include "convert/file_system.h"

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
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string reason(int error) { return std::strerror(error); }

// The folder part of a path: "." for a bare name.
std::string folderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A name beside target for a file of this process: the process id keeps other runs' names
// apart, the number this run's; an exclusive creation catches a name left by a killed run.
std::string runFileName(const std::string& target, int number, const char* suffix) {
  return pathBeside(target, kRunFilePrefix + std::to_string(getpid()) + "-" + std::to_string(number) + suffix);
}

// The name of the lock file of a folder that cannot be opened for its own lock.
constexpr char kLockFileName[] = ".adif2kvx.lock";

// Whether an open file is still the one the path names: a lock file removed by its last holder
// is no lock any more.
bool stillNamedBy(int descriptor, const std::string& path) {
  struct stat open;
  struct stat named;
  return fstat(descriptor, &open) == 0 && lstat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
         open.st_ino == named.st_ino;
}

// Takes the exclusive lock of an open file or folder, waiting for it. Returns false when it
// cannot be taken.
bool lockWaiting(int descriptor) {
  while (flock(descriptor, LOCK_EX) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

// Locks the folder's lock file, creating it when it is missing. Returns its descriptor, -1
// when it cannot be locked.
int lockFileOfFolder(const std::string& path) {
  for (;;) {
    const int descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (descriptor < 0) return -1;
    const bool locked = lockWaiting(descriptor);
    if (locked && stillNamedBy(descriptor, path)) return descriptor;
    close(descriptor);
    if (!locked) return -1;
  }
}

// The path through which an open descriptor's file can be linked into a folder.
std::string descriptorPath(int descriptor) { return "/proc/self/fd/" + std::to_string(descriptor); }

// Opens a file for writing that is new and this run's alone; anonymous when the folder's file
// system allows it and /proc can link it later. Returns -1 on failure, with errno set.
int openNewFile(const std::string& target, std::string& name) {
  name.clear();
  if (access("/proc/self/fd", X_OK) == 0) {
    const int anonymous = open(folderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (anonymous >= 0) return anonymous;
  }
  for (int number = 0;; ++number) {
    name = runFileName(target, number, ".tmp");
    const int descriptor = open(name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (descriptor >= 0 || errno != EEXIST) {
      if (descriptor < 0) name.clear();
      return descriptor;
    }
  }
}

}  // namespace

std::FILE* openFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

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

std::string writeAccessProblem(const std::string& path) {
  // Asked of the permissions, not by opening: opening a FIFO for writing would wait for a reader.
  if (faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0) return {};
  return reason(errno);
}

std::string createNewFile(const std::string& target, NewFile& created) {
  struct stat old;
  const bool keepMode = stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
  const int descriptor = openNewFile(target, created.name);
  if (descriptor < 0) return reason(errno);
  if (keepMode) {
    // Only root may give a file away; for anyone else the new file stays its own. The owner
    // comes first, as changing it may clear the set-id bits.
    if (geteuid() == 0 && fchown(descriptor, old.st_uid, old.st_gid) != 0) {
      // The file stays root's: it is whole all the same.
    }
    fchmod(descriptor, old.st_mode & 07777);  // a failure leaves the usual mode
  }
  created.file = fdopen(descriptor, "wb");
  if (created.file != nullptr) return {};
  const int error = errno;
  close(descriptor);
  if (!created.name.empty()) unlink(created.name.c_str());
  created.name.clear();
  return reason(error);
}

std::string flushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0 || fsync(fileno(file)) != 0) return reason(errno);
  return {};
}

std::string nameNewFile(NewFile& file, const std::string& target) {
  if (!file.name.empty()) return {};
  const std::string anonymous = descriptorPath(fileno(file.file));
  for (int number = 0;; ++number) {
    const std::string name = runFileName(target, number, ".tmp");
    if (linkat(AT_FDCWD, anonymous.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      file.name = name;
      return {};
    }
    if (errno != EEXIST) return reason(errno);
  }
}

std::string keepOldFile(const std::string& path, std::string& kept) {
  for (int number = 0;; ++number) {
    kept = runFileName(path, number, ".old");
    if (link(path.c_str(), kept.c_str()) == 0) return {};
    if (errno == EEXIST) continue;
    // A file system without hard links (FAT) gets a copy.
    std::error_code error;
    if (fs::copy_file(path, kept, error)) return {};
    if (error == std::errc::file_exists) continue;
    kept.clear();
    return error.message();
  }
}

std::string renameReplacing(const std::string& from, const std::string& to) {
  if (std::rename(from.c_str(), to.c_str()) == 0) return {};
  return reason(errno);
}

void flushFolderOf(const std::string& path) {
  const int folder = open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return;
  fsync(folder);
  close(folder);
}

bool removeFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

unsigned long thisProcessId() { return static_cast<unsigned long>(getpid()); }

std::string pathBeside(const std::string& beside, const std::string& name) {
  const size_t slash = beside.rfind('/');
  return slash == std::string::npos ? name : beside.substr(0, slash + 1) + name;
}

std::vector<std::string> namesBeside(const std::string& beside, const std::string& prefix) {
  std::vector<std::string> names;
  DIR* folder = opendir(folderOf(beside).c_str());
  if (folder == nullptr) return names;
  while (const dirent* entry = readdir(folder)) {
    if (std::strncmp(entry->d_name, prefix.c_str(), prefix.size()) == 0) names.emplace_back(entry->d_name);
  }
  closedir(folder);
  return names;
}

bool runHasEnded(const std::string& /*beside*/, unsigned long processId) {
  const auto id = static_cast<pid_t>(processId);
  if (id <= 0 || static_cast<unsigned long>(id) != processId) return false;
  return kill(id, 0) != 0 && errno == ESRCH;  // EPERM: it runs, as another user
}

struct RunMark::Held {};

RunMark::RunMark(const std::string& /*target*/) {}

RunMark::~RunMark() = default;

void removeUnheldLockFile(const std::string& beside) {
  const std::string path = pathBeside(beside, kLockFileName);
  const int descriptor = open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
  if (descriptor < 0) return;
  // Removed only while held, so that no run waits for a file that is gone (see lockFileOfFolder).
  if (flock(descriptor, LOCK_EX | LOCK_NB) == 0 && stillNamedBy(descriptor, path)) unlink(path.c_str());
  close(descriptor);
}

void endProcessAbruptly() {
  kill(getpid(), SIGKILL);
  _exit(128 + SIGKILL);
}

struct PlacingStep::Held {
  sigset_t previous;     // the signal mask before the step
  int folder = -1;       // the locked folder or lock file, open; -1 when none is locked
  std::string lockFile;  // the lock file's path when the folder could not be opened for the lock
};

PlacingStep::PlacingStep(const std::string& lockTarget) : held_(std::make_unique<Held>()) {
  // Every signal that can come from outside waits; faults of the process itself cannot.
  sigset_t held;
  sigfillset(&held);
  for (int fault : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGABRT, SIGSYS}) sigdelset(&held, fault);
  sigprocmask(SIG_BLOCK, &held, &held_->previous);
  if (lockTarget.empty()) return;
  // The folder itself is locked, so no lock file is left behind; a folder that cannot be
  // opened (no read permission, as a drop box) has a lock file beside the target instead.
  held_->folder = open(folderOf(lockTarget).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (held_->folder < 0) {
    held_->lockFile = pathBeside(lockTarget, kLockFileName);
    held_->folder = lockFileOfFolder(held_->lockFile);
    if (held_->folder < 0) held_->lockFile.clear();
    return;
  }
  if (!lockWaiting(held_->folder)) {
    close(held_->folder);
    held_->folder = -1;
  }
}

PlacingStep::~PlacingStep() {
  // A lock file goes while it is still held: a run that waits for it then locks one that is
  // gone, sees so and makes a new one.
  if (!held_->lockFile.empty()) unlink(held_->lockFile.c_str());
  if (held_->folder >= 0) close(held_->folder);  // closing drops the lock
  sigprocmask(SIG_SETMASK, &held_->previous, nullptr);
}

std::FILE* openDiscardingStream() {
  cookie_io_functions_t discarding = {};
  discarding.write = [](void*, const char*, size_t size) -> ssize_t { return static_cast<ssize_t>(size); };
  return fopencookie(nullptr, "w", discarding);
}
