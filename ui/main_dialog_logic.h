// Everything the main dialog decides, independent of the window system: defaults, combo
// contents and the browse rules. Convert reads the controls into a conversion request and shows
// the conversion service's result.
#pragma once
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "convert/conversion_service.h"
#include "core/conversion_job.h"
#include "refdata/state_table.h"
#include "ui/window_system.h"

// What the dialog holds besides its controls.
struct DialogModel {
  std::string inputPath;                  // ADIF file; empty until chosen
  std::string outputPath;                 // import file; emptied at initialisation
  std::string namesPath;                  // names file, derived anew at each Convert
  ConversionJob job;                      // options of the run
  std::string groupNumberText;            // exchanged with the group number edit
  std::string noteText;                   // exchanged with the QSO note edit
  bool outputChosen = false;              // the output file was chosen with the KOLVEX button
  bool contestFromLog = false;            // the contest shown was set by the log's CONTEST_ID
  bool stateFromLog = false;              // the state shown was set by the log's CONTEST_ID
  std::vector<std::string> resultsLines;  // what the results list shows
  // (input, output) pairs converted in this run of the program: their output may be replaced
  // without asking.
  std::set<std::pair<std::string, std::string>> converted;
};

class MainDialogLogic {
 public:
  MainDialogLogic(WindowSystem& windows, std::string helpAddress);

  // Fills the combos, sets the job defaults, puts the remembered settings over them and shows
  // them in the controls.
  void initialise();
  // The dialog is closing: the group number as typed is remembered.
  void closing();

  // Control notifications: the selected index of a combo, the check state of a box. A contest
  // or state picked here is the operator's own. Format and check boxes are remembered.
  void contestChanged(int index);
  void formatChanged(int index);
  void stateChanged(int index);
  // The operator typed into the State box; Convert reads what it shows.
  void stateTyped();
  void checkClicked(CheckId box, bool checked);

  void browseInput();
  // Takes a file as the input, chosen with the ADIF button or dropped onto the dialog: the
  // input list shows it, and the output file follows it unless one was chosen with the KOLVEX
  // button. Contest and state follow the log's first CONTEST_ID (see followLogContest).
  void takeInputFile(const std::string& path);
  void browseOutput();
  // Files dropped onto the dialog, in the order the window system lists them. The first is
  // taken as if chosen with the ADIF button; the others are ignored, and so is an empty list.
  void filesDropped(const std::vector<std::string>& paths);
  // The request Convert runs: the edits' texts (copied into the model), the paths whose lists
  // show them and the job's options.
  ConversionRequest readRequest();
  // Runs a conversion with what the controls show. An existing output file that this dialog
  // did not write from the same log is replaced only when the operator says Yes. A failure is
  // shown in an error box and changes nothing; a finished run fills the results list and ends
  // with an information box (a warning when it wrote no QSO).
  ConversionStatus convert();
  // Ctrl+C or "Copy" in the results list: all its lines on the clipboard, each ended by CR LF.
  // An empty list leaves the clipboard as it was.
  void copyResults();
  void help();

  DialogModel& model() { return model_; }
  const DialogModel& model() const { return model_; }

 private:
  // Selects the contest the input log names and, for a State QSO Party, its state (a party the
  // list does not offer as its code in the State box). A log that names none clears what an
  // earlier log set; what the operator picked stays.
  void followLogContest();
  void showContest(ContestKind contest);
  void showState(StateNumber state);
  // Shows the remembered format, group number and check boxes instead of the defaults.
  void restoreSettings();

  WindowSystem& windows_;
  std::string helpAddress_;
  DialogModel model_;
};
