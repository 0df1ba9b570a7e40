#include "cli/interrupt_cleanup.h"

#include <signal.h>
#include <unistd.h>

#include <cstring>

namespace {

// What the handler may touch: fixed buffers and a count, no allocation, no locks.
constexpr int kMaxTemporaryFiles = 4;  // two new files, and a run file in each of their folders
constexpr size_t kMaxPathBytes = 4096;
char temporaryPaths[kMaxTemporaryFiles][kMaxPathBytes];
volatile sig_atomic_t temporaryCount = 0;
volatile sig_atomic_t placed = 0;         // the new files are in place: "nothing changed" no longer holds
volatile sig_atomic_t waitingSignal = 0;  // a signal that came once the files were in place

extern "C" void removeTemporaryFilesAndExit(int signalNumber) {
  if (placed != 0) {
    waitingSignal = signalNumber;
    return;
  }
  for (sig_atomic_t i = 0; i < temporaryCount; ++i) unlink(temporaryPaths[i]);
  _exit(128 + signalNumber);
}

}  // namespace

InterruptCleanup::InterruptCleanup() {
  struct sigaction action = {};
  action.sa_handler = removeTemporaryFilesAndExit;
  sigemptyset(&action.sa_mask);
  // While one signal is handled the others wait, so the files are removed once.
  for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&action.sa_mask, signalNumber);
  for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction inherited = {};
    if (sigaction(signalNumber, nullptr, &inherited) == 0 && inherited.sa_handler == SIG_IGN) continue;
    sigaction(signalNumber, &action, nullptr);
  }
}

int InterruptCleanup::beginLog() {
  // Cleared before it is read: a signal in between ends the process in the handler instead.
  placed = 0;
  return waitingSignal;
}

void InterruptCleanup::temporaryFileCreated(const std::string& path) {
  // A path the system could not open anyway is not kept; the count is raised only once the
  // buffer holds the whole name.
  if (temporaryCount >= kMaxTemporaryFiles || path.size() >= kMaxPathBytes) return;
  std::memcpy(temporaryPaths[temporaryCount], path.c_str(), path.size() + 1);
  temporaryCount = temporaryCount + 1;
}

void InterruptCleanup::temporaryFilesGone() { temporaryCount = 0; }

void InterruptCleanup::filesPlaced() {
  temporaryCount = 0;
  placed = 1;
}
