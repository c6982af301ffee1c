// File type list operations and the file type detail model.
#include "filetypes/file_type_list_edit.h"

#include <algorithm>
#include <new>
#include <utility>

#include "core/messages.h"
#include "core/stored_text.h"
#include "core/user_message.h"

namespace {


bool IsIndex(const FileTypeList& list, int index) {
  return index >= 0 && static_cast<size_t>(index) < list.types.size();
}

}  // namespace

int InitialFileTypeIndex(const FileTypeList& list, int32_t filter) {
  int low = filter & 0xFF;
  return IsIndex(list, low) ? low : 0;
}

bool CanDeleteFileType(const FileTypeList& list) { return list.types.size() >= 2; }

bool CanMoveFileType(const FileTypeList& list, int current) {
  return IsIndex(list, current) && static_cast<size_t>(current) + 1 < list.types.size();
}

bool CanEditFileType(const FileTypeList& list, int current) { return IsIndex(list, current); }

int NewFileType(FileTypeList& list, int* current) {
  if (!IsIndex(list, *current)) return 1;
  try {
    FileType copy = list.types[static_cast<size_t>(*current)];
    // push_back either appends or leaves the list as it was.
    list.types.push_back(std::move(copy));
  } catch (const std::bad_alloc&) {
    ShowMessage(kMsgNoMemory, MessageIcon::Warning);
    return -1;
  }
  *current = static_cast<int>(list.types.size()) - 1;
  return 0;
}

bool DeleteFileType(FileTypeList& list, int* current, int32_t* filter) {
  if (!CanDeleteFileType(list) || !IsIndex(list, *current)) return false;
  list.types.erase(list.types.begin() + *current);
  if (static_cast<size_t>(*current) >= list.types.size()) *current -= 1;
  *filter = 0;
  return true;
}

bool MoveFileTypeToEnd(FileTypeList& list, int current, int32_t* filter) {
  if (!CanMoveFileType(list, current)) return false;
  auto at = list.types.begin() + current;
  std::rotate(at, at + 1, list.types.end());
  *filter = 0;
  return true;
}

bool DropFileType(FileTypeList& list, int* current, int target, int32_t* filter) {
  if (!IsIndex(list, *current) || !IsIndex(list, target) || target == *current) return false;
  auto from = list.types.begin() + *current;
  auto to = list.types.begin() + target;
  if (target > *current) {
    std::rotate(from, from + 1, to + 1);
  } else {
    std::rotate(to, from, from + 1);
  }
  *current = target;
  *filter = 0;
  return true;
}

FileTypeDetail OpenFileTypeDetail(const FileType& record) {
  FileTypeDetail detail;
  detail.text = record.text;
  detail.ext = record.ext;
  detail.settings = OpenProperties(record);
  return detail;
}

void ChangeFileTypeText(FileTypeDetail& detail, std::string_view text) {
  detail.text = StoredText(text);
  detail.settings.okEnabled = true;
}

void ChangeFileTypePatterns(FileTypeDetail& detail, std::string_view ext) {
  detail.ext = StoredText(ext);
  detail.settings.okEnabled = true;
}

void StoreFileTypeDetail(const FileTypeDetail& detail, FileType& record) {
  record.text = detail.text;
  record.ext = detail.ext;
  StoreProperties(detail.settings, record);
}
