#pragma once

// Dialog templates of Dialogs.rc and their controls; shared by the resource
// script and the code, so plain macros the resource compiler understands.

// The input dialog through which name edits ask for their values.
#define IDD_INPUT 129
#define IDC_INPUT_DESCRIPTION 1001
#define IDC_INPUT_LABEL1 1002
#define IDC_INPUT_LABEL2 1003
#define IDC_INPUT_TEXT1 1004
#define IDC_INPUT_TEXT2 1005
#define IDC_INPUT_CHOICES 1006

// A message too long for a message box.
#define IDD_REPORT 200
#define IDC_REPORT_HEADING 1101
#define IDC_REPORT_TEXT 1102

// The history of commits.
#define IDD_HISTORY 201
#define IDC_HISTORY_COMMITS 1201
#define IDC_HISTORY_RENAMES 1202
