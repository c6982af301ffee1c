// The two printouts handed to the print job, and their registration.
#include "print/print_commands_win.h"

#include "core/document.h"
#include "hexview/commands/view_command_table_win.h"
#include "hexview/hex_view_win.h"
#include "print/page_metrics.h"
#include "print/print_job_win.h"
#include "resources/resource_ids.h"
#include "structs/info_view_model.h"
#include "structs/info_view_win.h"

int PrintDump(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return 0;
  PrintJobSetup setup;
  setup.owner = view;
  setup.selectionOffered = doc->anchor != -1;
  setup.lineWidth = DumpLineWidth(doc->options);
  setup.font = doc->font;
  DumpContent content(*doc);
  return RunPrintJob(setup, content);
}

void PrintInfoView(HWND infoView) {
  const InfoViewState* state = InfoViewStateOf(infoView);
  if (state == nullptr || state->doc == nullptr || state->phase == InfoPhase::Hidden) return;
  Document& doc = *state->doc;
  PrintJobSetup setup;
  setup.owner = infoView;
  setup.disable = infoView;
  setup.lineWidth = state->totalColumns;
  setup.font = doc.font;
  StructureContent content(StructurePrintRows(doc, state->rows, doc.caret), state->labelWidth, StructurePrintInk(doc));
  RunPrintJob(setup, content);
}

namespace {
void RunPrintDump(HWND view) { PrintDump(view); }
}  // namespace

void RegisterPrintCommand() {
  RegisterViewCommand(IDM_PRINT, ViewCommand{RunPrintDump, nullptr});
  SetInfoViewPrinter(PrintInfoView);
}
