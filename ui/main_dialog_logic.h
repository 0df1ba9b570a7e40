// Everything the main dialog decides, independent of the window system: defaults, combo
// contents, derived file names, the browse rules, the Convert checks and the results lines.
#pragma once
#include <string>

#include "core/conversion_job.h"
#include "ui/window_system.h"

// What the dialog holds besides its controls.
struct DialogModel {
  std::string inputPath;        // ADIF file; empty until chosen
  std::string outputPath;       // import file; emptied at initialisation
  std::string namesPath;        // names file, derived anew at each Convert
  ConversionJob job;            // options of the run
  std::string groupNumberText;  // exchanged with the group number edit
  std::string noteText;         // exchanged with the QSO note edit
};

// How a Convert ended.
enum class ConvertOutcome {
  Converted,    // the run went to the end and the results list shows it
  CheckFailed,  // a choice was missing or wrong; an "ERROR: " box was shown, nothing changed
  FileError,    // a file could not be opened or written; an "ERROR: " box named it, nothing changed
};

// The path with everything from its last '.' replaced by the extension (dot included).
// Returns the path unchanged when it has no '.'.
std::string derivedName(const std::string& path, const std::string& extension);

class MainDialogLogic {
 public:
  MainDialogLogic(WindowSystem& windows, std::string helpAddress);

  // Fills the combos, sets the job defaults and shows them in the controls.
  void initialise();

  // Control notifications: the selected index of a combo, the check state of a box.
  void contestChanged(int index);
  void formatChanged(int index);
  void stateChanged(int index);
  void checkClicked(CheckId box, bool checked);

  void browseInput();
  void browseOutput();
  ConvertOutcome convert();
  void help();

  DialogModel& model() { return model_; }
  const DialogModel& model() const { return model_; }

 private:
  WindowSystem& windows_;
  std::string helpAddress_;
  DialogModel model_;
};
