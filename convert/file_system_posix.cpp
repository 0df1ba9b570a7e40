// POSIX (with Linux's anonymous files where the kernel has them): a narrow path is the file
// name's bytes, which the system calls and std::filesystem pass through unchanged.
#include "convert/file_system.h"

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
  return target + "." + std::to_string(getpid()) + "-" + std::to_string(number) + suffix;
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
  if (stat(path.c_str(), &status) != 0) return PathKind::Missing;
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
  if (keepMode) fchmod(descriptor, old.st_mode & 07777);  // a failure leaves the usual mode
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

struct PlacingStep::Held {
  sigset_t previous;  // the signal mask before the step
  int folder = -1;    // the locked folder, open; -1 when none is locked
};

PlacingStep::PlacingStep(const std::string& lockTarget) : held_(std::make_unique<Held>()) {
  // Every signal that can come from outside waits; faults of the process itself cannot.
  sigset_t held;
  sigfillset(&held);
  for (int fault : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGABRT, SIGSYS}) sigdelset(&held, fault);
  sigprocmask(SIG_BLOCK, &held, &held_->previous);
  if (lockTarget.empty()) return;
  // The folder itself is locked, so no lock file is ever left behind.
  held_->folder = open(folderOf(lockTarget).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (held_->folder < 0) return;
  while (flock(held_->folder, LOCK_EX) != 0) {
    if (errno != EINTR) {
      close(held_->folder);
      held_->folder = -1;
      break;
    }
  }
}

PlacingStep::~PlacingStep() {
  if (held_->folder >= 0) close(held_->folder);  // closing drops the lock
  sigprocmask(SIG_SETMASK, &held_->previous, nullptr);
}

const char* nullDevicePath() { return "/dev/null"; }
