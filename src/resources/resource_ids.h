// Resource identifiers shared by the .rc file and the code: menus, commands,
// strings, dialogs and their controls.
#pragma once

#define IDI_VARNEL 1
#define IDM_MAIN 1
#define IDA_MAIN 1
#define IDB_TOOLBAR 1

// Commands (the status-bar help string of a command has the same id).
#define IDM_NEW 101
#define IDM_OPEN 102
#define IDM_CLOSE 103
#define IDM_SAVE 104
#define IDM_SAVEAS 105
#define IDM_PRINT 106
#define IDM_PROPERTIES 107
#define IDM_EXIT 108
#define IDM_UNDO 109
#define IDM_REDO 110
#define IDM_CUT 111
#define IDM_COPY 112
#define IDM_PASTE 113
#define IDM_PASTEOVER 114
#define IDM_DELETE 115
#define IDM_INFO 116
#define IDM_IMAGE 117
#define IDM_RADIXINPUT 118
#define IDM_GOTO 119
#define IDM_SELECTALL 120
#define IDM_FIND 121
#define IDM_FINDNEXT 122
#define IDM_REPLACE 123
#define IDM_HISTORYCOUNT 124
#define IDM_STRUCTURES 125
#define IDM_FILETYPES 126
#define IDM_TILEHORZ 127
#define IDM_TILEVERT 128
#define IDM_CASCADE 129
#define IDM_HELPTOPICS 130
#define IDM_ABOUT 131
#define IDM_NEXTRADIX 132
#define IDM_NEXTADDRESS 133
#define IDM_TOGGLEORDER 134
#define IDM_DELETELINE 135
#define IDM_CONTEXTMENU 136
#define IDM_RADIX_HEX 141
#define IDM_RADIX_OCT 142
#define IDM_RADIX_BIN 143
#define IDM_RADIX_UDEC 144
#define IDM_RADIX_SDEC 145
#define IDM_ADDR_HEX 146
#define IDM_ADDR_DEC 147
#define IDM_ADDR_OCT 148
#define IDM_ORDER_INTEL 149
#define IDM_ORDER_MOTOROLA 150
#define IDM_HISTORY_FIRST 200
#define IDM_HISTORY_LAST 208
#define IDM_WINDOW_FIRST 300

// Status help of the popups, history entries and window-list entries.
#define IDS_POPUP_FIRST 201
#define IDS_HISTORY_ENTRY 207
#define IDS_WINDOW_ENTRY 208

// Dialog templates.
#define IDD_MARGIN 1
#define IDD_LOADFILETYPE 2
#define IDD_PROPERTIES 3
#define IDD_FIND 6
#define IDD_REPLACE 7
#define IDD_CONFIRMREPLACE 8
#define IDD_HISTORYCOUNT 9
#define IDD_STRUCTDETAIL 10
#define IDD_STRUCTLIST 11
#define IDD_FILETYPEDETAIL 12
#define IDD_FILETYPELIST 13
#define IDD_ABOUT 14
#define IDD_PROGRESS 15

// Controls.
#define IDC_HISTORY_EDIT 101
#define IDC_HISTORY_SPIN 102
#define IDC_PROGRESS_TEXT 101
#define IDC_ABOUT_TEXT 101
#define IDC_ABOUT_ICON 102

// Radix input dialog (template 4) and go-to dialog (template 5).
#define IDD_RADIXINPUT 4
#define IDD_GOTO 5
#define IDC_RADIX_VALUE 101
#define IDC_RADIX_RADIX 102
#define IDC_RADIX_UNIT 103
#define IDC_RADIX_ORDER 104
#define IDC_RADIX_SPIN 105
#define IDC_GOTO_ADDRESS 101
#define IDC_GOTO_SPIN 102

// The controls of the feature dialogs, one header each.
#include "filetypes_ids.h"
#include "print_ids.h"
#include "search_ids.h"
#include "structs_ids.h"
