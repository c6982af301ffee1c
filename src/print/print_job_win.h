// The print job both printouts run: the print dialog, the right-margin dialog,
// the printer fonts sized from the margin, the page loop with the progress
// dialog and its "中断", the abort procedure, and the clean-up on every path.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/display_types.h"
#include "print/print_content.h"

struct PrintJobSetup {
  HWND owner = nullptr;           // the printing window: owns the dialogs and messages; its title names the document
  HWND disable = nullptr;         // disabled while the pages go out, besides the frame (null: the frame alone)
  bool selectionOffered = false;  // the print dialog offers (and preselects) its selection choice
  int32_t lineWidth = 1;          // cells of the printout's widest line: the margin dialog's minimum
  LogFont font{};                 // the font the printer fonts are copied from
};

// Prints content: the print dialog (cancel ends silently), the margin dialog
// (minimum lineWidth, maximum 512, opening at the "margin" setting, which OK
// updates; cancel ends silently), a copy of setup.font with lfHeight =
// HORZRES x 2 / margin (and one of half that height when content needs it),
// the cell f from its metrics, the refusal "右ﾏｰｼﾞﾝが不適切です" when 5f is not
// below VERTRES, then the pages in order (collated copies repeat them) with
// the progress dialog "印刷中" shown, stopping after the page during which
// "中断" was pressed. The document is ended, the windows enabled again, the
// progress dialog destroyed, the fonts and the device context deleted on every
// path that made them. Failures are reported with the warning icon, owned by
// setup.owner; failures that follow a "中断" are its cancellation taking effect
// and are not reported. Returns 0 when printed, cancelled or aborted, -1 after
// a reported failure.
int RunPrintJob(const PrintJobSetup& setup, PrintContent& content);
