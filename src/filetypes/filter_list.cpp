// Filter lists for the common file dialogs.
#include "filetypes/filter_list.h"

std::string BuildFilterList(const FileTypeList& types) {
  std::string list;
  for (const FileType& t : types.types) {
    list += t.text;
    list.push_back('\0');
    list += t.ext;
    list.push_back('\0');
  }
  list.push_back('\0');
  return list;
}
