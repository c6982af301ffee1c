// Saving through a temporary file beside the target.
#include "core/write_file.h"

#include <cstdio>
#include <string>

#include "core/file_replace.h"
#include "core/user_message.h"

namespace {

constexpr const char* kCannotOpen = "ﾌｧｲﾙをｵｰﾌﾟﾝできません";
constexpr const char* kNoDialog = "ﾓｰﾄﾞﾚｽﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを作成できません";
constexpr const char* kCannotWrite = "ﾌｧｲﾙに書き込みできません";
constexpr const char* kCannotClose = "ﾌｧｲﾙをｸﾛｰｽﾞできません";
constexpr const char* kCannotDestroy = "ｳｲﾝﾄﾞｳを破棄できません";

int Warn(const char* text) {
  ShowMessage(text, MessageIcon::Warning);
  return -1;
}

// Drops the temporary file and the dialog; reports text unless it is null (an abort).
int Abandon(FILE* file, const std::string& temp, Progress& progress, const char* text) {
  if (file) std::fclose(file);
  RemoveFile(temp.c_str());
  bool closed = progress.End();
  if (text) return Warn(text);
  return closed ? -1 : Warn(kCannotDestroy);
}

}  // namespace

int WriteFile(const char* path, Document& doc, Progress& progress, void* owner) {
  TargetInfo target;
  if (ProbeTarget(path, &target) == TargetState::NotWritable) return Warn(kCannotOpen);
  std::string temp;
  FILE* file = CreateTempBeside(path, &temp);
  if (!file) return Warn(kCannotOpen);
  if (!progress.Begin("ﾌｧｲﾙに書き込み中")) {
    std::fclose(file);
    RemoveFile(temp.c_str());
    return Warn(kNoDialog);
  }

  for (Block* b = doc.firstBlock; b; b = b->next) {
    progress.Pump();
    if (progress.Aborted()) return Abandon(file, temp, progress, nullptr);
    if (b->len == 0) continue;
    if (std::fwrite(b->data, 1, static_cast<size_t>(b->len), file) != static_cast<size_t>(b->len)) {
      return Abandon(file, temp, progress, kCannotWrite);
    }
  }
  if (!FlushToDisk(file)) return Abandon(file, temp, progress, kCannotWrite);
  if (std::fclose(file) != 0) return Abandon(nullptr, temp, progress, kCannotClose);

  if ((doc.options & kOptRecycleBin) && target.exists) MoveToRecycleBin(path, owner);
  if (!ReplaceWithTemp(temp.c_str(), path, target)) return Abandon(nullptr, temp, progress, kCannotWrite);
  if (!progress.End()) return Warn(kCannotDestroy);
  return 0;
}
