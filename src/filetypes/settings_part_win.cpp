// The settings controls shared by the properties and file type detail dialogs.
#include "filetypes/settings_part_win.h"

#include <commdlg.h>

#include <cstring>
#include <string>

#include "core/byte_labels.h"
#include "core/messages.h"
#include "filetypes/color_list.h"
#include "resources/resource_ids.h"
#include "shell/dialog_win.h"
#include "shell/shell.h"

namespace {

static_assert(sizeof(LOGFONTA) == sizeof(LogFont), "LogFont must match LOGFONTA");

// The line unit w of the colour list: its lines are 2w high.
int32_t LineUnit(const RECT& line) { return (line.bottom - line.top) / 2; }

bool MeasureColorLines(HWND dialog) {
  HWND list = DialogControl(dialog, IDC_PROP_COLORLIST);
  if (list == nullptr) return false;
  HDC dc = GetDC(list);
  if (dc == nullptr) {
    FailDialog(dialog, kMsgCannotGetDc);
    return false;
  }
  // The list draws its lines in its own font, so they are measured in it.
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
  HGDIOBJ old = font != nullptr ? SelectObject(dc, font) : nullptr;
  TEXTMETRICA metrics = {};
  const bool measured = GetTextMetricsA(dc, &metrics) != FALSE;
  if (old != nullptr) SelectObject(dc, old);
  if (!ReleaseDC(list, dc)) {
    FailDialog(dialog, kMsgCannotReleaseDc);
    return false;
  }
  if (!measured) {
    FailDialog(dialog, kMsgCannotGetFontMetrics);
    return false;
  }
  const int32_t unit = ColorLineUnit(metrics.tmHeight);
  SendMessageA(list, LB_SETITEMHEIGHT, 0, MAKELPARAM(2 * unit, 0));
  return true;
}

// The 261 lines, each with its colour as item data.
bool FillColorList(HWND dialog, const PropertiesModel& model) {
  HWND list = DialogControl(dialog, IDC_PROP_COLORLIST);
  if (list == nullptr) return false;
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  bool filled = true;
  for (int line = 0; line < kColorCount && filled; ++line) {
    const std::string text = ColorLineText(line, ByteLabels);
    LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    filled = index >= 0;
    if (filled) SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), model.colors[line]);
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  if (!filled) FailDialog(dialog, kMsgNoMemory);
  return filled;
}

// The model's selection from the list's (ignored while the list is disabled).
void ReadSelection(HWND dialog, PropertiesModel& model) {
  int lines[kColorCount];
  LRESULT n = SendDlgItemMessageA(dialog, IDC_PROP_COLORLIST, LB_GETSELITEMS, kColorCount,
                                  reinterpret_cast<LPARAM>(lines));
  model.selectedLines.reset();
  for (LRESULT i = 0; i < n && i < kColorCount; ++i) SelectColorLine(model, lines[i], true);
}

void Changed(HWND dialog, const PropertiesModel& model) { EnableControl(dialog, IDOK, model.okEnabled); }

void ChangeSystemColorsFromBox(HWND dialog, PropertiesModel& model) {
  ChangeSystemColors(model, IsChecked(dialog, IDC_PROP_SYSCOLORS));
  SendDlgItemMessageA(dialog, IDC_PROP_COLORLIST, LB_SETSEL, FALSE, -1);
  if (EnableControl(dialog, IDC_PROP_CHANGECOLOR, ChangeColorEnabled(model)) &&
      EnableControl(dialog, IDC_PROP_COLORLIST, ColorListEnabled(model))) {
    Changed(dialog, model);
  }
}

// 変更: the colour picker starts on the first selected line's colour; its choice
// goes to every selected line.
void PickColor(HWND dialog, PropertiesModel& model) {
  ReadSelection(dialog, model);
  ColorRef first = 0;
  if (!FirstSelectedColor(model, &first)) return;
  CHOOSECOLORA choice = {};
  COLORREF custom[16];
  for (int i = 0; i < 16; ++i) custom[i] = CustomColors()[i];
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = dialog;
  choice.rgbResult = first;
  choice.lpCustColors = custom;
  choice.Flags = CC_RGBINIT;
  const bool picked = ChooseColorA(&choice) != FALSE;
  for (int i = 0; i < 16; ++i) CustomColors()[i] = static_cast<ColorRef>(custom[i]);
  if (!picked || ApplyPickedColor(model, static_cast<ColorRef>(choice.rgbResult)) == 0) return;
  HWND list = DialogControl(dialog, IDC_PROP_COLORLIST);
  if (list == nullptr) return;
  for (int line = 0; line < kColorCount; ++line) {
    if (model.selectedLines.test(static_cast<size_t>(line)))
      SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(line), model.colors[line]);
  }
  if (!InvalidateRect(list, nullptr, FALSE)) {
    FailDialog(dialog, kMsgCannotInvalidate);
    return;
  }
  Changed(dialog, model);
}

// ﾌｫﾝﾄ: fixed-pitch screen fonts that exist, starting from the working font.
void PickFont(HWND dialog, PropertiesModel& model) {
  LOGFONTA font;
  std::memcpy(&font, &model.font, sizeof font);
  CHOOSEFONTA choice = {};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = dialog;
  choice.lpLogFont = &font;
  choice.Flags = CF_SCREENFONTS | CF_FIXEDPITCHONLY | CF_FORCEFONTEXIST | CF_INITTOLOGFONTSTRUCT;
  if (!ChooseFontA(&choice)) return;
  LogFont picked;
  std::memcpy(&picked, &font, sizeof picked);
  ApplyPickedFont(model, picked);
  Changed(dialog, model);
}

bool FailDrawing(HWND dialog, const char* text) {
  FailDialog(dialog, text);
  return true;
}

}  // namespace

bool OpenSettings(HWND dialog, PropertiesModel& model) {
  return MeasureColorLines(dialog) && ShowSettings(dialog, model);
}

bool ShowSettings(HWND dialog, const PropertiesModel& model) {
  return SetCheckBox(dialog, IDC_PROP_RECYCLE, model.recycleBin) &&
         SetCheckBox(dialog, IDC_PROP_SYSCOLORS, model.systemColors) &&
         SetCheckBox(dialog, IDC_PROP_ASKOVERWRITE, model.askOverwrite) && FillColorList(dialog, model) &&
         CheckRadio(dialog, IDC_PROP_RADIX_HEX, IDC_PROP_RADIX_SDEC, IDC_PROP_RADIX_HEX + model.dataRadix) &&
         CheckRadio(dialog, IDC_PROP_ADDRESS_HEX, IDC_PROP_ADDRESS_OCT, IDC_PROP_ADDRESS_HEX + model.addressRadix) &&
         CheckRadio(dialog, IDC_PROP_INTEL, IDC_PROP_MOTOROLA, model.motorola ? IDC_PROP_MOTOROLA : IDC_PROP_INTEL) &&
         EnableControl(dialog, IDC_PROP_COLORLIST, ColorListEnabled(model)) &&
         EnableControl(dialog, IDC_PROP_CHANGECOLOR, ChangeColorEnabled(model));
}

void ShowStoredSettings(HWND dialog, PropertiesModel& model, const FileType& stored) {
  LoadFileTypeSettings(model, stored);
  if (ShowSettings(dialog, model)) Changed(dialog, model);
}

bool SettingsCommand(HWND dialog, PropertiesModel& model, int id, int code) {
  switch (id) {
    case IDC_PROP_RECYCLE: ChangeRecycleBin(model, IsChecked(dialog, id)); break;
    case IDC_PROP_ASKOVERWRITE: ChangeAskOverwrite(model, IsChecked(dialog, id)); break;
    case IDC_PROP_SYSCOLORS: ChangeSystemColorsFromBox(dialog, model); return true;
    case IDC_PROP_COLORLIST:
      if (code == LBN_SELCHANGE) {
        ReadSelection(dialog, model);
        EnableControl(dialog, IDC_PROP_CHANGECOLOR, ChangeColorEnabled(model));
      }
      return true;
    case IDC_PROP_CHANGECOLOR: PickColor(dialog, model); return true;
    case IDC_PROP_FONT: PickFont(dialog, model); return true;
    case IDC_PROP_INTEL:
    case IDC_PROP_MOTOROLA: ChooseByteOrder(model, id == IDC_PROP_MOTOROLA); break;
    default:
      if (id >= IDC_PROP_RADIX_HEX && id <= IDC_PROP_RADIX_SDEC) {
        ChooseDataRadix(model, id - IDC_PROP_RADIX_HEX);
      } else if (id >= IDC_PROP_ADDRESS_HEX && id <= IDC_PROP_ADDRESS_OCT) {
        ChooseAddressRadix(model, id - IDC_PROP_ADDRESS_HEX);
      } else {
        return false;
      }
      break;
  }
  Changed(dialog, model);
  return true;
}

bool DrawColorLine(HWND dialog, const PropertiesModel& model, const DRAWITEMSTRUCT& item) {
  if (item.CtlID != IDC_PROP_COLORLIST) return false;
  const int line = static_cast<int>(item.itemID);
  if (line < 0 || line >= kColorCount) return true;
  HDC dc = item.hDC;
  if (item.itemAction == ODA_FOCUS) {
    if (!DrawFocusRect(dc, &item.rcItem)) return FailDrawing(dialog, kMsgCannotDrawFocusRect);
    return true;
  }
  if ((item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) == 0) return true;

  const bool enabled = IsWindowEnabled(item.hwndItem) != FALSE;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  EnableScrollBar(item.hwndItem, SB_VERT, enabled ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
  const ColorLineColors look = ColorLineLook(model.colors[line], selected, enabled, g_shell.colors.values.sampled);
  SetBkMode(dc, TRANSPARENT);
  if (!FillRect(dc, &item.rcItem, selected ? g_shell.colors.highlightBrush : g_shell.colors.windowBrush))
    return FailDrawing(dialog, kMsgCannotFillRect);

  const int32_t unit = LineUnit(item.rcItem);
  const ColorLineBox lineBox{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
  const ColorLineBox swatchBox = ColorSwatchBox(lineBox, unit);
  const RECT swatch{swatchBox.left, swatchBox.top, swatchBox.right, swatchBox.bottom};
  HBRUSH brush = CreateSolidBrush(look.swatch);
  if (brush == nullptr) return FailDrawing(dialog, kMsgCannotCreateBrush);
  const bool filled = FillRect(dc, &swatch, brush) != FALSE;
  if (!DeleteObject(brush)) return FailDrawing(dialog, kMsgCannotDeleteBrush);
  if (!filled) return FailDrawing(dialog, kMsgCannotFillRect);

  SetTextColor(dc, look.text);
  const std::string text = ColorLineText(line, ByteLabels);
  if (!TextOutA(dc, ColorLineTextX(lineBox, unit), item.rcItem.top, text.c_str(), static_cast<int>(text.size())))
    return FailDrawing(dialog, kMsgCannotWriteText);
  return true;
}
