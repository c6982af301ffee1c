// Working the settings controls of the properties and detail dialogs as a user
// would, and answering the colour and font pickers they open.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "resources/resource_ids.h"
#include "support/dialog_driver_win.h"

namespace settings {

inline void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }
inline bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// Exactly these colour lines (0..260) selected, the dialog told as the list tells it.
inline void SelectLines(HWND dialog, std::initializer_list<int> lines) {
  HWND list = GetDlgItem(dialog, IDC_PROP_COLORLIST);
  SendMessageA(list, LB_SETSEL, FALSE, -1);
  for (int line : lines) SendMessageA(list, LB_SETSEL, TRUE, line);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PROP_COLORLIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

// The colour picker's red, green and blue boxes: the colour typed in, then OK.
inline constexpr int kPickerRed = 706, kPickerGreen = 707, kPickerBlue = 708;
inline void AnswerColor(HWND picker, COLORREF color) {
  SetDlgItemInt(picker, kPickerRed, GetRValue(color), FALSE);
  SetDlgItemInt(picker, kPickerGreen, GetGValue(color), FALSE);
  SetDlgItemInt(picker, kPickerBlue, GetBValue(color), FALSE);
  DialogDriver::Press(picker, IDOK);
}

// A fixed-pitch face Wine offers, chosen in the font picker's face box, then OK.
inline constexpr char kFixedFace[] = "DejaVu Sans Mono";
inline void AnswerFont(HWND picker) {
  HWND faces = GetDlgItem(picker, 0x470);
  SendMessageA(faces, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(kFixedFace));
  SendMessageA(picker, WM_COMMAND, MAKEWPARAM(0x470, CBN_SELCHANGE), reinterpret_cast<LPARAM>(faces));
  DialogDriver::Press(picker, IDOK);
}

}  // namespace settings
