// File-history entry texts.
#include "shell/file_history.h"

std::string HistoryEntryText(int index, const std::string& path) {
  return "&" + std::to_string(index + 1) + " " + path;
}

std::string HistoryEntryPath(const std::string& text) {
  if (text.size() < 3 || text[0] != '&') return {};
  size_t space = text.find(' ');
  if (space == std::string::npos) return {};
  return text.substr(space + 1);
}
