// The properties command of the document windows: dialog, then the document
// and its window take the new settings.
#include "app/documents/properties_command_win.h"

#include "core/document.h"
#include "filetypes/file_type.h"
#include "filetypes/properties_dialog_win.h"
#include "filetypes/properties_model.h"
#include "hexview/commands/view_command_table_win.h"
#include "hexview/commands/view_commands_format_win.h"
#include "hexview/hex_view_win.h"
#include "hexview/render/dump_layout.h"
#include "hexview/render/view_resources_win.h"
#include "resources/resource_ids.h"
#include "shell/dialog_win.h"

void RunDocumentProperties(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return;
  FileType record = DocumentPropertiesRecord(*doc);
  if (PropertiesDialog(view, record) != kDialogOk || !IsWindow(view) || DocumentOf(view) != doc) return;
  const int previousBytesPerLine = BytesPerLineFor(doc->options);
  ApplyDocumentProperties(*doc, record);
  if (RebuildViewObjects(view) != 0) return;
  AfterFormatChange(view, previousBytesPerLine);
}

void RegisterPropertiesCommand() { RegisterViewCommand(IDM_PROPERTIES, ViewCommand{RunDocumentProperties, nullptr}); }
