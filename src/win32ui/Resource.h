#pragma once

// Resource ids of the main window, shared by Main.rc and the code (plain macros,
// as the resource compiler reads them). The dialogs keep 129 and 200-299.
#define IDI_MORVALENT 128
#define IDB_TOOLBAR_100 130
#define IDB_TOOLBAR_150 131
#define IDB_TOOLBAR_200 132
#define IDC_STATUS_LINE 1007
#define IDC_FILE_LIST 1000
