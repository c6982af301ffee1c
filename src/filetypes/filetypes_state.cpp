// The one reset of the file types part's process state.
#include "filetypes/filetypes_state.h"

#include "filetypes/file_type.h"
#include "filetypes/properties_model.h"

void ResetFileTypesState() {
  g_fileTypes = FileTypeList{};
  ResetCustomColors();
}
