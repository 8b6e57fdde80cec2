//{{NO_DEPENDENCIES}}
// Microsoft Visual C++ generated include file.
// Used by vs_resource.rc
//
#define IDD_MAIN                        101
#define IDR_MAINMENU                    102
#define IDC_NAME                        1001
#define IDC_SHOW                        1002
#define IDC_ITEMS                       1003
#define ID_FILE_OPEN                    40001
#define ID_FILE_EXIT                    40002
#define ID_HELP_ABOUT                   40003

// Next default values for new objects
//
#ifdef APSTUDIO_INVOKED
#ifndef APSTUDIO_READONLY_SYMBOLS
#define _APS_NEXT_COMMAND_VALUE         40004
#endif
#endif
