//{{NO_DEPENDENCIES}}
// Microsoft Visual C++ generated include file.
// Used by vs_dialogex.rc
//
#define IDD_SETTINGS                    101
#define IDR_MAINMENU                    102
#define IDC_NAME                        1001
#define IDC_REMEMBER                    1002
#define IDC_LEVEL                       1003
#define IDC_LIST                        1004

// Next default values for new objects
//
#ifdef APSTUDIO_INVOKED
#ifndef APSTUDIO_READONLY_SYMBOLS
#define _APS_NEXT_RESOURCE_VALUE        103
#define _APS_NEXT_COMMAND_VALUE         40001
#endif
#endif
