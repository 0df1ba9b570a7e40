// Removing a run's temporary files when the tool is ended by SIGINT, SIGTERM or SIGHUP, so an
// interrupted run leaves the folder as it was: the old output files stay, nothing new is left.
#pragma once
#include <string>

#include "convert/run_files.h"

// Installs the signal handlers when constructed. The handlers remove the temporary files the
// run has announced and end the process with exit code 128 + the signal number (130, 143, 129).
class InterruptCleanup : public TemporaryFileListener {
 public:
  InterruptCleanup();
  void temporaryFileCreated(const std::string& path) override;
  void temporaryFilesGone() override;
};
