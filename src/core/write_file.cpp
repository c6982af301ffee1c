// Saving: through a temporary file beside the target that takes its place, or,
// where that would change the old file's permissions or break its other names,
// by copying the bytes into the old file with the temporary file as a safety copy.
#include "core/write_file.h"

#include <cstdio>
#include <string>

#include "core/file_replace.h"
#include "core/messages.h"
#include "core/user_message.h"

namespace {

constexpr const char* kOverwriteQuestion = kMsgOverwriteInPlaceQuestion;

int Warn(const char* text, void* owner = nullptr) {
  ShowMessage(text, MessageIcon::Warning, MessageButtons::Ok, owner);
  return -1;
}

enum class Written { All, Aborted, Failed };

// Writes every block of doc to file with progress.Pump() before each; stops at an
// abort when abortable.
Written WriteBlocks(FILE* file, Document& doc, Progress& progress, bool abortable) {
  for (Block* b = doc.firstBlock; b; b = b->next) {
    progress.Pump();
    if (abortable && progress.Aborted()) return Written::Aborted;
    if (b->len == 0) continue;
    if (std::fwrite(b->data, 1, static_cast<size_t>(b->len), file) != static_cast<size_t>(b->len)) {
      return Written::Failed;
    }
  }
  return Written::All;
}

// Drops the temporary file and the dialog; reports text unless it is null (an abort).
int Abandon(FILE* file, const std::string& temp, Progress& progress, const char* text) {
  if (file) std::fclose(file);
  RemoveFile(temp.c_str());
  bool closed = progress.End();
  if (text) return Warn(text);
  return closed ? -1 : Warn(kMsgCannotDestroyWindow);
}

// Copies doc's bytes into the existing file at path, which keeps its name, other
// names and permissions. Once the first byte is written the old content is gone,
// so an abort is not taken. safetyCopy names a complete copy of the new bytes
// ("" when there is none): it is removed after success and named in the failure
// message otherwise. Returns 0 or -1 after a reported failure.
int OverwriteInPlace(const std::string& path, Document& doc, Progress& progress, const std::string& safetyCopy) {
  FILE* file = OpenForOverwrite(path.c_str());
  const std::string kept = safetyCopy.empty() ? std::string() : kMsgNewContentKeptIn + safetyCopy;
  if (file == nullptr) {
    if (!safetyCopy.empty()) RemoveFile(safetyCopy.c_str());
    progress.End();
    return Warn(kMsgCannotOpenFile);
  }
  bool written = WriteBlocks(file, doc, progress, false) == Written::All;
  bool closed = CutFlushAndClose(file, doc.length);
  if (!written || !closed) {
    progress.End();
    return Warn((std::string(written ? kMsgCannotCloseFile : kMsgCannotWriteFile) + kept).c_str());
  }
  if (!safetyCopy.empty()) RemoveFile(safetyCopy.c_str());
  if (!progress.End()) return Warn(kMsgCannotDestroyWindow);
  return 0;
}

// No temporary file can be made beside the file: asks whether to write into the
// file itself, which is not safe against a failure half-way.
bool AskToOverwriteInPlace(const std::string& path, TempOutcome why, void* owner) {
  std::string question =
      path + "\n" + (why == TempOutcome::NoRoom ? kMsgNoRoomForTemp : kMsgNoTempInFolder) + kOverwriteQuestion;
  return ShowMessage(question.c_str(), MessageIcon::Warning, MessageButtons::YesNo, owner) == MessageAnswer::Yes;
}

}  // namespace

int WriteFile(const char* path, Document& doc, Progress& progress, void* owner) {
  TargetInfo target;
  if (ProbeTarget(path, &target) == TargetState::NotWritable) return Warn(kMsgCannotOpenFile);
  FILE* file = nullptr;
  std::string temp;
  const TempOutcome made = CreateTempBeside(target, doc.length, &file, &temp);
  if (made != TempOutcome::Made) {
    if (made == TempOutcome::NoFolder || !target.exists)
      return Warn(made == TempOutcome::NoRoom ? kMsgCannotWriteFile : kMsgCannotOpenFile);
    if (!AskToOverwriteInPlace(target.realPath, made, owner)) return -1;
    if (!progress.Begin(kMsgWritingFile)) return Warn(kMsgCannotCreateProgress);
    return OverwriteInPlace(target.realPath, doc, progress, "");
  }
  if (!progress.Begin(kMsgWritingFile)) {
    std::fclose(file);
    RemoveFile(temp.c_str());
    return Warn(kMsgCannotCreateProgress);
  }

  switch (WriteBlocks(file, doc, progress, true)) {
    case Written::All: break;
    case Written::Aborted: return Abandon(file, temp, progress, nullptr);
    case Written::Failed: return Abandon(file, temp, progress, kMsgCannotWriteFile);
  }
  if (!FlushToDisk(file)) return Abandon(file, temp, progress, kMsgCannotWriteFile);
  if (std::fclose(file) != 0) return Abandon(nullptr, temp, progress, kMsgCannotCloseFile);

  const bool recycle = (doc.options & kOptRecycleBin) && target.exists;
  // Replacing the file would break its other names or change who may use it:
  // the bytes go into the file itself, the temporary file being a complete copy.
  if (target.exists && !recycle && (target.links > 1 || !CarriesTargetAccess(temp.c_str(), target))) {
    return OverwriteInPlace(target.realPath, doc, progress, temp);
  }
  if (recycle) MoveToRecycleBin(target.realPath.c_str(), owner);
  if (!ReplaceWithTemp(temp.c_str(), target)) return Abandon(nullptr, temp, progress, kMsgCannotWriteFile);
  if (!progress.End()) return Warn(kMsgCannotDestroyWindow);
  return 0;
}
