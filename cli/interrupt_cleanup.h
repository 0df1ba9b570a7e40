// Removing a run's temporary files when the tool is ended by SIGINT, SIGTERM or SIGHUP, so an
// interrupted run leaves the folder as it was: the old output files stay, nothing new is left.
#pragma once
#include <string>

#include "convert/files/run_files.h"

// Installs the signal handlers when constructed, for each of the three signals that the tool
// did not inherit as ignored (so nohup keeps SIGHUP away). Until the new files are in place the
// handlers remove the temporary files the run has announced and end the process with exit code
// 128 + the signal number (130, 143, 129); once they are in place, a signal ends nothing and
// the log's run finishes as a converted one, but no further log is begun.
class InterruptCleanup : public TemporaryFileListener {
 public:
  InterruptCleanup();
  // Called before each log: a signal from now on ends the process again. Returns the number of
  // a signal that came after the last log's files were placed, for the caller to end with;
  // 0 when none came.
  int beginLog();
  void temporaryFileCreated(const std::string& path) override;
  void temporaryFilesGone() override;
  void filesPlaced() override;
};
