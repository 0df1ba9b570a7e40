// Everything the main dialog decides, independent of the window system: defaults, combo
// contents and the browse rules. Convert reads the controls into a conversion request and shows
// the conversion service's result.
#pragma once
#include <string>
#include <vector>

#include "core/conversion_job.h"
#include "ui/conversion_service.h"
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
  // Files dropped onto the dialog, in the order the window system lists them. The first is
  // taken as if chosen with the ADIF button; the others are ignored, and so is an empty list.
  void filesDropped(const std::vector<std::string>& paths);
  // The request Convert runs: the edits' texts (copied into the model), the paths whose lists
  // show them and the job's options.
  ConversionRequest readRequest();
  // Runs a conversion with what the controls show. A failure is shown in an error box and
  // changes nothing; a finished run fills the results list and ends with an information box.
  ConversionStatus convert();
  void help();

  DialogModel& model() { return model_; }
  const DialogModel& model() const { return model_; }

 private:
  // An input file the operator chose: the input list shows it, and when no output file is set
  // yet one is proposed beside it.
  void takeInput(const std::string& path);

  WindowSystem& windows_;
  std::string helpAddress_;
  DialogModel model_;
};
