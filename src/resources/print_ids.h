// Resource identifiers of the print dialogs (included by resource_ids.h).
#pragma once

// Right-margin dialog (template 1, IDD_MARGIN).
#define IDC_MARGIN_EDIT 101
#define IDC_MARGIN_SPIN 102
