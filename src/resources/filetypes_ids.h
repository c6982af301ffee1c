// Resource identifiers of the filetypes dialogs (included by resource_ids.h).
#pragma once

// The settings shared by the properties dialog (template 3) and the file type
// detail dialog (template 12); 107 exists in template 3 only.
#define IDC_PROP_RECYCLE 101
#define IDC_PROP_SYSCOLORS 102
#define IDC_PROP_ASKOVERWRITE 103
#define IDC_PROP_COLORLIST 104
#define IDC_PROP_CHANGECOLOR 105
#define IDC_PROP_FONT 106
#define IDC_PROP_LOADTYPE 107
#define IDC_PROP_RADIX_HEX 108  // 108..112: data radix 0..4
#define IDC_PROP_RADIX_OCT 109
#define IDC_PROP_RADIX_BIN 110
#define IDC_PROP_RADIX_UDEC 111
#define IDC_PROP_RADIX_SDEC 112
#define IDC_PROP_ADDRESS_HEX 113  // 113..115: address radix 0..2
#define IDC_PROP_ADDRESS_DEC 114
#define IDC_PROP_ADDRESS_OCT 115
#define IDC_PROP_INTEL 116
#define IDC_PROP_MOTOROLA 117

// The file type detail dialog (template 12).
#define IDC_FTDETAIL_TEXT 118
#define IDC_FTDETAIL_EXT 119

// The file type loading dialog (template 2).
#define IDC_LOADFT_LIST 101

// The file type list dialog (template 13).
#define IDC_FTLIST_LIST 101
#define IDC_FTLIST_NEW 102
#define IDC_FTLIST_DELETE 103
#define IDC_FTLIST_MOVE 104
#define IDC_FTLIST_EDIT 105
