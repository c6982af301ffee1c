// The print job: dialogs, printer fonts, the page loop and its clean-up.
#include "print/print_job_win.h"

#include <string>

#include "core/messages.h"
#include "core/user_message.h"
#include "hexview/render/gdi_canvas_win.h"
#include "print/margin_dialog_win.h"
#include "print/page_metrics.h"
#include "print/print_device_win.h"
#include "print/right_margin.h"
#include "shell/dialog_win.h"
#include "shell/process_state.h"
#include "shell/progress_dialog_win.h"

namespace {

// Keeps messages flowing while the driver works; nonzero while printing may go on.
BOOL CALLBACK PrintAbortProc(HDC, int) {
  PumpWhileBusy();
  return ProgressAborted() ? FALSE : TRUE;
}

// One job's objects and the reporting of its failures.
class Job final {
 public:
  Job(const PrintJobSetup& setup, PrintContent& content, PrintDevice& device)
      : setup_(setup), content_(content), device_(device) {}

  // Makes the fonts and measures the cell. False after a reported failure.
  bool MakeFonts(int32_t margin) {
    LOGFONTA font;
    static_assert(sizeof font == sizeof setup_.font);
    CopyMemory(&font, &setup_.font, sizeof font);
    font.lfHeight = PrinterFontHeight(device_.Caps(HORZRES), margin);
    main_ = CreateFontIndirectA(&font);
    if (content_.NeedsSmallFont() && main_ != nullptr) {
      font.lfHeight = PrinterSmallFontHeight(font.lfHeight);
      small_ = CreateFontIndirectA(&font);
    }
    if (main_ == nullptr || (content_.NeedsSmallFont() && small_ == nullptr)) return Fail(kMsgCannotCreateFont);
    HGDIOBJ previous = SelectObject(device_.Dc(), main_);
    TEXTMETRICA metrics;
    BOOL measured = GetTextMetricsA(device_.Dc(), &metrics);
    SelectObject(device_.Dc(), previous);
    if (!measured) return Fail(kMsgCannotGetFontMetrics);
    cell_ = PrinterCell(metrics.tmHeight);
    return true;
  }

  // The progress dialog, the abort procedure, the document, every page. False
  // after a reported failure.
  bool PrintPages(const PrintLayout& layout) {
    if (setup_.disable != nullptr) disabledWasEnabled_ = !EnableWindow(setup_.disable, FALSE);
    disabled_ = setup_.disable != nullptr;
    if (!BeginProgress(kMsgPrinting)) return Fail(kMsgCannotCreateProgress);
    progress_ = true;
    if (!device_.SetAbort(PrintAbortProc)) return Fail(kMsgCannotSetAbortProc);
    if (!device_.StartDocument(DocumentName().c_str())) return Fail(kMsgCannotStartPrintJob);
    documentStarted_ = true;
    content_.Layout(layout);
    // Each page is started, drawn and ended; the job stops after the page
    // during which "中断" was pressed.
    while (content_.NextPage()) {
      if (!device_.StartPage()) return Fail(kMsgCannotStartPage);
      PaintPage();
      if (!device_.EndPage()) return Fail(kMsgCannotEndPage);
      PumpWhileBusy();
      if (Aborted()) break;
    }
    return true;
  }

  // Ends what was begun, in order: the document, the disabled windows, the
  // progress dialog, the fonts. Each failure is reported once.
  void Finish() {
    if (documentStarted_ && !device_.EndDocument()) Fail(kMsgCannotEndPrintJob);
    if (disabled_) EnableWindow(setup_.disable, disabledWasEnabled_);
    if (progress_ && !EndProgress()) Fail(kMsgCannotDestroyWindow);
    bool deleted = (main_ == nullptr || DeleteObject(main_)) && (small_ == nullptr || DeleteObject(small_));
    if (!deleted) Fail(kMsgCannotDeleteFont);
  }

  int32_t cell() const { return cell_; }
  bool failed() const { return failed_; }

  // Reports text unless the user aborted (a failure then is the cancellation
  // taking effect) or a failure was reported before. Returns false.
  bool Fail(const char* text) {
    if (!Aborted() && !failed_) ShowMessage(text, MessageIcon::Warning, MessageButtons::Ok, setup_.owner);
    failed_ = true;
    return false;
  }

 private:
  // The user pressed "中断" during this job.
  bool Aborted() const { return progress_ && ProgressAborted(); }

  void PaintPage() {
    // A printed page has no background or selection: no brushes, nothing filled.
    GdiCanvas canvas(device_.Dc(), {}, main_, small_, content_.PageColor());
    content_.PaintPage(canvas);
  }

  std::string DocumentName() const {
    std::string title(static_cast<size_t>(GetWindowTextLengthA(setup_.owner)) + 1, '\0');
    title.resize(static_cast<size_t>(GetWindowTextA(setup_.owner, title.data(), static_cast<int>(title.size()))));
    return title;
  }

  const PrintJobSetup& setup_;
  PrintContent& content_;
  PrintDevice& device_;
  HFONT main_ = nullptr;
  HFONT small_ = nullptr;
  int32_t cell_ = 1;
  bool disabled_ = false;
  bool disabledWasEnabled_ = true;
  bool progress_ = false;
  bool documentStarted_ = false;
  bool failed_ = false;
};

}  // namespace

int RunPrintJob(const PrintJobSetup& setup, PrintContent& content) {
  PrinterChoice choice;
  int chosen = CurrentPrinterChooser()({setup.owner, setup.selectionOffered}, &choice);
  if (chosen <= 0) return chosen;
  PrintDevice& device = *choice.device;

  MarginRequest request = MarginRequestFor(setup.lineWidth < 1 ? 1 : setup.lineWidth, g_settings.margin);
  bool go = AskRightMargin(setup.owner, request) == kDialogOk;
  Job job(setup, content, device);
  if (go) {
    g_settings.margin = request.value;
    if (job.MakeFonts(request.value)) {
      const int32_t vertRes = device.Caps(VERTRES);
      if (PageTooShort(job.cell(), vertRes)) {
        job.Fail(kMsgMarginUnsuitable);
      } else {
        PrintLayout layout{job.cell(), device.Caps(HORZRES), vertRes, OutputRuns(choice.collate, choice.copies),
                           choice.selection};
        job.PrintPages(layout);
      }
    }
    job.Finish();
  }
  if (!device.Delete()) job.Fail(kMsgCannotDeleteDc);
  return job.failed() ? -1 : 0;
}
