// Working the settings controls of the properties and file type detail dialogs
// as a user would, and answering the colour and font pickers they open.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

#include "resources/resource_ids.h"
#include "support/dialog_driver_win.h"

namespace settings {

// A click on a button, check box or radio button.
inline void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }
inline bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
inline bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// Makes exactly these colour lines (0..260) selected, as clicks on a multiple-selection list do.
inline void SelectLines(HWND dialog, std::initializer_list<int> lines) {
  HWND list = GetDlgItem(dialog, IDC_PROP_COLORLIST);
  SendMessageA(list, LB_SETSEL, FALSE, -1);
  for (int line : lines) SendMessageA(list, LB_SETSEL, TRUE, line);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PROP_COLORLIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

// The colour picker's red, green and blue boxes.
inline constexpr int kPickerRed = 706, kPickerGreen = 707, kPickerBlue = 708;

// Types the colour into the picker and presses its OK.
inline void AnswerColor(HWND picker, COLORREF color) {
  SetDlgItemInt(picker, kPickerRed, GetRValue(color), FALSE);
  SetDlgItemInt(picker, kPickerGreen, GetGValue(color), FALSE);
  SetDlgItemInt(picker, kPickerBlue, GetBValue(color), FALSE);
  DialogDriver::Press(picker, IDOK);
}

// Chooses the face in the font picker and presses its OK.
inline void AnswerFont(HWND picker, const char* face) {
  constexpr int kFaceBox = 0x470;
  SendDlgItemMessageA(picker, kFaceBox, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(face));
  SendMessageA(picker, WM_COMMAND, MAKEWPARAM(kFaceBox, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(picker, kFaceBox)));
  DialogDriver::Press(picker, IDOK);
}

// A fixed-pitch face Wine offers.
inline constexpr char kFixedFace[] = "DejaVu Sans Mono";

}  // namespace settings
