// The filter list of the Open and Save As dialogs, built from the file types.
#pragma once

#include <string>

#include "filetypes/file_type.h"

// For each file type in order: text, NUL, ext, NUL; then one more NUL.
std::string BuildFilterList(const FileTypeList& types);
