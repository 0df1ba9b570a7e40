// Control ids of the main dialog, shared by its template (ui/win32/adif2kvx.rc), the table of
// its controls (ui/dialog_controls.cpp) and the Windows program. Plain defines: the resource
// compiler reads them too.
#pragma once

#define IDC_INPUT_LIST 1000      // one-line list showing the input path
#define IDC_OUTPUT_LIST 1001     // one-line list showing the output path
#define IDC_CONTEST 1002         // contest combo
#define IDC_ADIF 1005            // "ADIF": choose the input file
#define IDC_KOLVEX 1006          // "KOLVEX": choose the output file
#define IDC_CONTEST_LABEL 1007   // "Contest"
#define IDC_GROUP_LABEL 1008     // "Group Number"
#define IDC_NOTE_LABEL 1009      // "QSO Note"
#define IDC_GROUP_NUMBER 1010    // group number edit
#define IDC_QSO_NOTE 1011        // QSO note edit
#define IDC_RESULTS 1012         // results of the last run
#define IDC_UPLOAD 1013          // "Upload"
#define IDC_LABEL 1014           // "Label"
#define IDC_EXCHG_SERIAL 1015    // "Exchg/Serial"
#define IDC_HELP_BUTTON 1016     // "Help"
#define IDC_FREQUENCY 1017       // "Frequency"
#define IDC_STATE 1018           // state combo
#define IDC_FORMAT 1019          // format combo
#define IDC_STATE_LABEL 1020     // "State"
#define IDC_FORMAT_LABEL 1021    // "Format"
#define IDC_ONLY_CONTEST 1022    // "Only this contest's QSOs"
#define IDC_FROM_LABEL 1023      // "From (UTC)"
#define IDC_FROM_UTC 1024        // from-time edit
#define IDC_TO_LABEL 1025        // "To (UTC)"
#define IDC_TO_UTC 1026          // to-time edit
#define IDC_RESULTS_COUNTS 1027  // "%d errors, %d warnings, %d kinds" above the results
#define IDC_VIEW_LABEL 1028      // "View"
#define IDC_VIEW 1029            // the results view: all lines, by kind, one kind's lines
