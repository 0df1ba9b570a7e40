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
#include "../control_ids.h"

// Controls without an id of their own.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
