// The main dialog's option controls: one plain struct holding what they show, which the dialog
// logic reads and writes, and one table row per control, which drives showing, reading,
// remembering and the results' staleness. A new option box is a member here, its row, its id
// and template line, and its effect where the logic builds the conversion request.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// What the option controls show.
struct DialogState {
  int format = 1;            // the format list's selected index (KOLVEX8)
  int contest = -1;          // the contest list's selected index, the ContestKind; -1 none
  std::string state;         // the State box's text, picked or typed
  std::string groupNumber;   // the group number as typed
  bool upload = true;        // "Upload"
  bool exchgSerial = false;  // "Exchg/Serial"
  std::string note;          // the QSO note as typed
  bool label = false;        // "Label"
  bool frequency = true;     // "Frequency"
  bool onlyContest = false;  // "Only this contest's QSOs"
  std::string from;          // "From (UTC)" as typed
  std::string to;            // "To (UTC)" as typed
  int view = 0;              // the results view's selected index (see ResultsView)
};

// How a control shows its member and tells of a change.
enum class ControlKind {
  CheckBox,       // a bool member; a click changes it
  DropDownList,   // an int member, the selected index (-1 none); a selection changes it
  EditableCombo,  // a text member, the field's text; a selection or typing changes it
  Edit,           // a text member; typing changes it
};

// One control of the table.
struct DialogControl {
  int id;                          // the control's id (ui/control_ids.h)
  ControlKind kind;                // how it is shown and read
  bool DialogState::*flag;         // a check box's member; null for other kinds
  int DialogState::*index;         // a drop-down list's member; null for other kinds
  std::string DialogState::*text;  // an edit's or editable combo's member; null for other kinds
  const char* setting;             // the name it is remembered under; null when it is not remembered
  int32_t choices;                 // a remembered drop-down list's number of entries; 0 otherwise
  bool changesRun;                 // a change makes the shown results stale
};

// The rows of the table, for a range-for.
struct DialogControlRows {
  const DialogControl* first;  // the first row
  const DialogControl* last;   // one past the last row
  const DialogControl* begin() const { return first; }
  const DialogControl* end() const { return last; }
};

// Every option control, in template order.
DialogControlRows dialogControls();

// The row of the control with this id. Returns nullptr for a control the table does not hold.
const DialogControl* dialogControl(int id);
