// Everything the main dialog decides, independent of the window system: defaults, combo
// contents and the browse rules. Convert reads the controls into a conversion request and shows
// the conversion service's result.
#pragma once
#include <string>
#include <vector>

#include "convert/conversion_service.h"
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
  // Takes a file as the input, chosen with the ADIF button or dropped onto the dialog: the
  // input list shows it, an output name is proposed when none is set, and when the log's first
  // CONTEST_ID names a contest the contest and state combos are set as the operator would.
  void takeInputFile(const std::string& path);
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
  // Selects the contest the input log names, and for a State QSO Party its state; nothing
  // changes for a log that names none or a party the state list does not offer.
  void selectContestOfLog();

  WindowSystem& windows_;
  std::string helpAddress_;
  DialogModel model_;
};
