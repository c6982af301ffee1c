// Names of new documents.
#include "app/documents/new_document_name.h"

#include "core/path.h"

std::string NewDocumentName(int counter, const std::string& firstTypeExt) {
  std::string pattern = firstTypeExt.substr(0, firstTypeExt.find(';'));
  PathParts parts;
  std::string ext;
  if (SplitPath(pattern.c_str(), &parts) == 0) ext = parts.ext;
  int n = counter % 10000;
  if (n < 0) n += 10000;
  return "新規" + std::to_string(n) + ext;
}
