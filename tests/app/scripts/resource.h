//{{NO_DEPENDENCIES}}
// Microsoft Visual C++ generated include file.
// Used by notes.rc
//
#define IDD_NOTES                       101
#define IDD_FIND                        102
#define IDR_NOTES_MENU                  103
#define IDC_TITLE                       1001
#define IDC_BODY                        1002
#define IDC_PINNED                      1003
#define IDC_FOLDERS                     1004
#define IDC_KIND                        1005
#define IDC_FIND_TEXT                   1006
#define IDC_MATCH_CASE                  1007
#define ID_FILE_NEW                     40001
#define ID_FILE_SAVE                    40002
#define ID_FILE_EXIT                    40003
#define ID_EDIT_FIND                    40004
#define ID_HELP_ABOUT                   40005

// Next default values for new objects
//
#ifdef APSTUDIO_INVOKED
#ifndef APSTUDIO_READONLY_SYMBOLS
#define _APS_NEXT_RESOURCE_VALUE        104
#define _APS_NEXT_COMMAND_VALUE         40006
#define _APS_NEXT_CONTROL_VALUE         1008
#define _APS_NEXT_SYMED_VALUE           101
#endif
#endif
