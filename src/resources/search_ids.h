// Resource identifiers of the search dialogs (included by resource_ids.h).
#pragma once

// Find dialog (template 6).
#define IDC_FIND_CASE 101
#define IDC_FIND_WIDTH 102
#define IDC_FIND_NUMERIC 103
#define IDC_FIND_ANSI 104
#define IDC_FIND_UNICODE 105
#define IDC_FIND_UP 106
#define IDC_FIND_DOWN 107

// Replace dialog (template 7): the search pattern's controls are the find dialog's.
#define IDC_REPLACE_CASE 101
#define IDC_REPLACE_WIDTH 102
#define IDC_REPLACE_NUMERIC 103
#define IDC_REPLACE_ANSI 104
#define IDC_REPLACE_UNICODE 105
#define IDC_REPLACE_WITH_NUMERIC 106
#define IDC_REPLACE_WITH_ANSI 107
#define IDC_REPLACE_WITH_UNICODE 108
#define IDC_REPLACE_ALL 109
#define IDC_REPLACE_UP 110
#define IDC_REPLACE_DOWN 111

// Confirmation dialog (template 8). Its buttons end it with their own ids.
#define IDC_CONFIRM_REPLACE 6
#define IDC_CONFIRM_NEXT 7
#define IDC_CONFIRM_ALL 101
#define IDC_CONFIRM_MATCH_NUMERIC 102
#define IDC_CONFIRM_MATCH_ANSI 103
#define IDC_CONFIRM_MATCH_UNICODE 104
#define IDC_CONFIRM_WITH_NUMERIC 105
#define IDC_CONFIRM_WITH_ANSI 106
#define IDC_CONFIRM_WITH_UNICODE 107
#define IDC_CONFIRM_RANGE 108
#define IDC_CONFIRM_CASE 109
#define IDC_CONFIRM_WIDTH 110
#define IDC_CONFIRM_DIRECTION 111
