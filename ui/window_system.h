// What the main dialog needs from a window system. The Windows program implements it with
// real controls; the unit tests implement it without windows. Every text and path is UTF-8.
#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/dialog_controls.h"

// The dialog's list boxes.
enum class ListId {
  Input,    // one-line list showing the input path (control 1000)
  Output,   // one-line list showing the output path (control 1001)
  Results,  // results of the last run (control 1012)
};

// The combo boxes whose entries the dialog fills.
enum class ComboId {
  Contest,  // contest catalogue (control 1002)
  State,    // State QSO Party pick list (control 1018)
  Format,   // import formats (control 1019)
  View,     // results views (control 1029)
};

// How a file chooser is shown.
struct FileChooserRequest {
  bool save = false;                                         // save dialog (else open dialog)
  std::vector<std::pair<std::string, std::string>> filters;  // (description, pattern) pairs
  std::string initialPath;                                   // initial file name, may be empty
  std::string initialFolder;                                 // folder shown when it has none; may be empty
  std::string defaultExtension;                              // appended when the user types none
  std::string title;                                         // window title
};

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // Number of entries in a list box.
  virtual int listCount(ListId list) = 0;
  virtual void listAddString(ListId list, const std::string& text) = 0;
  // Deletes entry 0; does nothing when the list is empty.
  virtual void listDeleteFirst(ListId list) = 0;
  virtual void listReset(ListId list) = 0;
  // Replaces the entries with these lines, and sizes the list's horizontal scroll bar to the
  // longest of them.
  virtual void listFill(ListId list, const std::vector<std::string>& lines) = 0;

  // The entries the list shows that the operator selected, in list order.
  virtual std::vector<int> listSelection(ListId list) = 0;
  virtual void listSelectAll(ListId list) = 0;

  virtual void comboAddString(ComboId combo, const std::string& text) = 0;
  // Removes the entries from this index on.
  virtual void comboTruncate(ComboId combo, int count) = 0;

  // Shows the control's member of the state (a drop-down list's -1 selects no entry; an editable
  // combo selects the entry that its text names exactly, or shows the text with none selected).
  virtual void showControl(const DialogControl& control, const DialogState& state) = 0;
  // Reads what the control shows into its member of the state.
  virtual void readControl(const DialogControl& control, DialogState& state) = 0;
  // The most characters the operator can type into an edit field.
  virtual void setEditLimit(int controlId, int characters) = 0;
  // Puts the focus on a control, as the operator's Tab would (an edit's text selected).
  virtual void focusControl(int controlId) = 0;

  // The line above the results, and whether the results are greyed as stale with it.
  virtual void showResultsCounts(const std::string& text) = 0;
  virtual void greyResults(bool stale) = 0;

  // Modal message boxes: error, information and warning icon; OK button only.
  virtual void showError(const std::string& text) = 0;
  virtual void showInformation(const std::string& text) = 0;
  virtual void showWarning(const std::string& text) = 0;
  // A modal question with the warning icon and the buttons Yes and No, No the default. Returns
  // true for Yes.
  virtual bool askYesNo(const std::string& text) = 0;

  // Shows an open or save dialog owned by the main dialog. Returns the chosen full path, or
  // nullopt when cancelled.
  virtual std::optional<std::string> chooseFile(const FileChooserRequest& request) = 0;

  // The operator's remembered settings, by name. A setting never saved reads as nullopt.
  virtual std::optional<std::string> setting(const std::string& name) = 0;
  virtual void saveSetting(const std::string& name, const std::string& value) = 0;

  // Puts a text on the clipboard, replacing what it held. Returns false when it cannot.
  virtual bool copyToClipboard(const std::string& text) = 0;

  // Opens a page in the user's browser with the "open" verb. Returns false on failure.
  virtual bool openWebPage(const std::string& address) = 0;
};
