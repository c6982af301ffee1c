// The file type list dialog's operations on the file type list (new, delete,
// move to the end, drag and drop, what is enabled) and the detail dialog's
// model: the description and patterns over the shared properties model.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "filetypes/file_type.h"
#include "filetypes/properties_model.h"

// The current index when the dialog opens: the low byte of filter (the Open
// dialog's filter index), or 0 when that is not inside the list.
int InitialFileTypeIndex(const FileTypeList& list, int32_t filter);

// 削除 only with at least two types (the list never becomes empty); 移動 when
// current is not the last; 編集 on an existing type.
bool CanDeleteFileType(const FileTypeList& list);
bool CanMoveFileType(const FileTypeList& list, int current);
bool CanEditFileType(const FileTypeList& list, int current);

// 新規: a copy of the current type (description, patterns and settings) is
// appended and becomes current. Returns 0; 1 for a current index outside the
// list (nothing happens); -1 after showing "ﾒﾓﾘを確保できません" (warning icon;
// the list keeps its earlier entries).
int NewFileType(FileTypeList& list, int* current);

// 削除: the current type goes; the next takes its index, or the previous one
// becomes current when the last went. filter becomes 0. False (nothing
// happens) when fewer than two types are left or current is outside the list.
bool DeleteFileType(FileTypeList& list, int* current, int32_t* filter);

// 移動: the current type moves to the end; the one that followed takes its index
// and stays current. filter becomes 0. False (nothing happens) for the last
// type or an index outside the list.
bool MoveFileTypeToEnd(FileTypeList& list, int current, int32_t* filter);

// A drop on entry target: the current type moves there, the ones in between
// shift one place toward its old place, it stays current. filter becomes 0.
// A drop outside the entries (target -1 or out of range) or onto the current
// entry changes nothing (false).
bool DropFileType(FileTypeList& list, int* current, int target, int32_t* filter);

// The detail dialog: the two edits over the shared settings.
struct FileTypeDetail {
  std::string text;  // 118, the description
  std::string ext;   // 119, the patterns
  PropertiesModel settings;
};

// Opens on record; OK disabled.
FileTypeDetail OpenFileTypeDetail(const FileType& record);
// A change in either edit enables OK.
void ChangeFileTypeText(FileTypeDetail& detail, std::string_view text);
void ChangeFileTypePatterns(FileTypeDetail& detail, std::string_view ext);
// OK: text and ext (each cut to 3074 bytes), then view, color and logfont.
void StoreFileTypeDetail(const FileTypeDetail& detail, FileType& record);
