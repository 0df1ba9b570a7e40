// Resource and control ids of the Windows program, shared by adif2kvx.rc and the C++ code.
#pragma once

// Dialog templates.
#define IDD_ABOUTBOX 100         // about box
#define IDD_ADIF2KVX_DIALOG 102  // main dialog

// Icon, string and system-menu command.
#define IDR_MAINFRAME 128    // application icon: 16 to 256 pixels, 32-bit colour
#define IDS_ABOUTBOX 101     // text of the About entry in the system menu
#define IDM_ABOUTBOX 0x0010  // system-menu command of the About entry

// Controls of the main dialog.
#define IDC_INPUT_LIST 1000     // one-line list showing the input path
#define IDC_OUTPUT_LIST 1001    // one-line list showing the output path
#define IDC_CONTEST 1002        // contest combo
#define IDC_ADIF 1005           // "ADIF": choose the input file
#define IDC_KOLVEX 1006         // "KOLVEX": choose the output file
#define IDC_CONTEST_LABEL 1007  // "Contest"
#define IDC_GROUP_LABEL 1008    // "Group Number"
#define IDC_NOTE_LABEL 1009     // "QSO Note"
#define IDC_GROUP_NUMBER 1010   // group number edit
#define IDC_QSO_NOTE 1011       // QSO note edit
#define IDC_RESULTS 1012        // results of the last run
#define IDC_UPLOAD 1013         // "Upload"
#define IDC_LABEL 1014          // "Label"
#define IDC_EXCHG_SERIAL 1015   // "Exchg/Serial"
#define IDC_HELP_BUTTON 1016    // "Help"
#define IDC_FREQUENCY 1017      // "Frequency"
#define IDC_STATE 1018          // state combo
#define IDC_FORMAT 1019         // format combo
#define IDC_STATE_LABEL 1020    // "State"
#define IDC_FORMAT_LABEL 1021   // "Format"
#define IDC_ONLY_CONTEST 1022   // "Only this contest's QSOs"
#define IDC_FROM_LABEL 1023     // "From (UTC)"
#define IDC_FROM_UTC 1024       // from-time edit
#define IDC_TO_LABEL 1025       // "To (UTC)"
#define IDC_TO_UTC 1026         // to-time edit

// Controls without an id of their own.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
