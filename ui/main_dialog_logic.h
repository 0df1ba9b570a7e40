// Everything the main dialog decides, independent of the window system: defaults, combo
// contents, the browse rules and the results views. The option controls are read into and
// shown from one DialogState (ui/dialog_controls.h); Convert turns it into a conversion request
// and shows the conversion service's result.
#pragma once
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "convert/conversion_service.h"
#include "core/conversion_job.h"
#include "core/message_kinds.h"
#include "refdata/state_table.h"
#include "ui/dialog_controls.h"
#include "ui/window_system.h"

// What the results list shows: the entries of the View list, in order.
enum class ResultsView : int {
  AllLines = 0,  // the results lines as the run gave them
  ByKind = 1,    // one line per kind of warning or error, most frequent first
  OneKind = 2,   // the lines of the kind chosen in ByKind
};

// What the dialog holds besides its controls.
struct DialogModel {
  std::string inputPath;                  // ADIF file; empty until chosen
  std::string outputPath;                 // import file; emptied at initialisation
  std::string namesPath;                  // names file, derived anew at each Convert
  ConversionJob job;                      // the options the controls show, and after a run the job as it ran
  DialogState state;                      // what the option controls show, as last read or shown
  bool outputChosen = false;              // the output file was chosen with the KOLVEX button
  bool contestFromLog = false;            // the contest shown was set by the log's CONTEST_ID
  bool stateFromLog = false;              // the state shown was set by the log's CONTEST_ID
  std::vector<std::string> resultsLines;  // the last run's results lines
  MessageKinds kinds;                     // the last run's warnings and errors by kind
  int chosenKind = -1;                    // the group of `kinds` the OneKind view shows
  std::vector<std::string> shownLines;    // what the results list shows in its view
  bool resultsStale = false;              // a choice changed since the results were made
  // (input, output) pairs converted in this run of the program: their output may be replaced
  // without asking.
  std::set<std::pair<std::string, std::string>> converted;
};

class MainDialogLogic {
 public:
  MainDialogLogic(WindowSystem& windows, std::string helpAddress);

  // Fills the combos, sets the job defaults, puts the remembered settings over them and shows
  // them in the controls. Notifications before it are ignored.
  void initialise();
  // The dialog is closing: every remembered control is remembered as it shows.
  void closing();

  // A control of the table (ui/dialog_controls.h) changed: its member is read, remembered when
  // its row says so, and the job follows. A contest or state picked here is the operator's own;
  // a choice that changes the run greys results made before it.
  void controlChanged(int controlId);

  void browseInput();
  // Takes a file as the input, chosen with the ADIF button or dropped onto the dialog: the
  // input list shows it, and the output file follows it unless one was chosen with the KOLVEX
  // button. Contest and state follow the log's first CONTEST_ID (see followLogContest).
  void takeInputFile(const std::string& path);
  void browseOutput();
  // Files dropped onto the dialog, in the order the window system lists them. The first is
  // taken as if chosen with the ADIF button; the others are ignored, and so is an empty list.
  void filesDropped(const std::vector<std::string>& paths);
  // The request Convert runs: every option control read into the state, the paths whose lists
  // show them, and what each option means for the run.
  ConversionRequest readRequest();
  // Runs a conversion with what the controls show. An existing output file that this dialog
  // did not write from the same log is replaced only when the operator says Yes. A failure is
  // shown in an error box, after which the focus goes to the choice at fault, and changes
  // nothing; a finished run fills the results list in the chosen view and ends with an
  // information box (a warning when it wrote no QSO).
  ConversionStatus convert();
  // Enter or a double-click on a results line: in the ByKind view, shows that kind's lines.
  void resultsLineChosen(int index);
  // Ctrl+C or "Copy": the selected lines of the view on the clipboard, or all when none is
  // selected, each ended by CR LF. An empty list leaves the clipboard as it was.
  void copyResults();
  // Ctrl+A or "Select All" in the results list.
  void selectAllResults();
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
  // Shows the remembered settings instead of the defaults.
  void restoreSettings();
  // Reads what a control shows into the state, and remembers it when its row says so.
  void readControl(const DialogControl& control);
  // The job's options as the state sets them.
  void applyState();
  // Fills the results list with the lines of the chosen view.
  void showResultsView();
  // Marks the results stale or fresh, greying or showing them plainly.
  void setStale(bool stale);

  WindowSystem& windows_;
  std::string helpAddress_;
  DialogModel model_;
  bool initialised_ = false;
};
