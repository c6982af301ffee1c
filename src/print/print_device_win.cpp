// The system print dialog and the printer device context it hands out.
#include "print/print_device_win.h"

#include <commdlg.h>

#include "core/messages.h"
#include "core/user_message.h"

namespace {

// A printer device context of the print dialog.
class DialogPrinter final : public PrintDevice {
 public:
  explicit DialogPrinter(HDC dc) : dc_(dc) {}

  HDC Dc() override { return dc_; }
  int Caps(int index) override { return GetDeviceCaps(dc_, index); }
  bool SetAbort(ABORTPROC proc) override { return SetAbortProc(dc_, proc) > 0; }
  bool StartDocument(const char* docName) override {
    DOCINFOA info{};
    info.cbSize = sizeof info;
    info.lpszDocName = docName;
    return StartDocA(dc_, &info) > 0;
  }
  bool StartPage() override { return ::StartPage(dc_) > 0; }
  bool EndPage() override { return ::EndPage(dc_) > 0; }
  bool EndDocument() override { return EndDoc(dc_) > 0; }
  bool Delete() override { return DeleteDC(dc_) != FALSE; }

 private:
  HDC dc_;
};

PrinterChooser g_chooser = nullptr;

}  // namespace

int ChoosePrinter(const PrintDialogRequest& request, PrinterChoice* choice) {
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = request.owner;
  dialog.Flags = PD_RETURNDC | PD_HIDEPRINTTOFILE | PD_COLLATE | PD_NOPAGENUMS |
                 (request.selectionOffered ? PD_SELECTION : PD_NOSELECTION);
  dialog.nCopies = 1;
  BOOL chosen = PrintDlgA(&dialog);
  if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);
  if (!chosen) return 0;
  if (dialog.hDC == nullptr) {
    ShowMessage(kMsgCannotGetDc, MessageIcon::Warning, MessageButtons::Ok, request.owner);
    return -1;
  }
  choice->device = std::make_unique<DialogPrinter>(dialog.hDC);
  choice->selection = (dialog.Flags & PD_SELECTION) != 0;
  choice->collate = (dialog.Flags & PD_COLLATE) != 0;
  choice->copies = dialog.nCopies;
  return 1;
}

PrinterChooser SetPrinterChooser(PrinterChooser chooser) {
  PrinterChooser previous = g_chooser;
  g_chooser = chooser;
  return previous;
}

PrinterChooser CurrentPrinterChooser() { return g_chooser != nullptr ? g_chooser : ChoosePrinter; }
