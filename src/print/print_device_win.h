// The printer a print job draws on: the system print dialog's choice and the
// device context it returned, behind a small interface that tests replace with
// a printer of their own.
#pragma once

#include <windows.h>

#include <memory>

// One printer device context for one job.
class PrintDevice {
 public:
  virtual ~PrintDevice() = default;
  // Where fonts are measured and, between StartPage and EndPage, the page is drawn.
  virtual HDC Dc() = 0;
  // GetDeviceCaps of the printer (HORZRES, VERTRES).
  virtual int Caps(int index) = 0;
  // SetAbortProc, StartDoc (docName as the document's name), StartPage, EndPage,
  // EndDoc: true on success.
  virtual bool SetAbort(ABORTPROC proc) = 0;
  virtual bool StartDocument(const char* docName) = 0;
  virtual bool StartPage() = 0;
  virtual bool EndPage() = 0;
  virtual bool EndDocument() = 0;
  // DeleteDC; the last call of a job. True on success.
  virtual bool Delete() = 0;
};

// What the print dialog is asked for.
struct PrintDialogRequest {
  HWND owner = nullptr;
  bool selectionOffered = false;  // offered and preselected; otherwise disabled
};

// What the print dialog returned.
struct PrinterChoice {
  std::unique_ptr<PrintDevice> device;  // never null after a successful choice
  bool selection = false;               // the selection choice was taken
  bool collate = false;
  int copies = 1;
};

// Shows the system print dialog (PrintDlgA) owned by request.owner: a device
// context is asked for, print-to-file is hidden, page ranges are not offered,
// collate is checked, one copy. Returns 1 with *choice filled, 0 when the user
// cancelled or the dialog could not be shown (nothing reported), -1 after
// reporting that no device context came back. The dialog's device-mode and
// device-name memory is freed before it returns, on every path.
int ChoosePrinter(const PrintDialogRequest& request, PrinterChoice* choice);

// Stands in for ChoosePrinter in print jobs (tests give a printer of their own);
// null restores ChoosePrinter. Returns the chooser it replaces (null for ChoosePrinter).
using PrinterChooser = int (*)(const PrintDialogRequest& request, PrinterChoice* choice);
PrinterChooser SetPrinterChooser(PrinterChooser chooser);

// The chooser print jobs use now.
PrinterChooser CurrentPrinterChooser();
