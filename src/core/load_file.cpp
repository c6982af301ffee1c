// Loading: the file's bytes become blocks of kBlockFill bytes.
#include "core/load_file.h"

#include <cstdint>
#include <cstdio>

#include "core/block_list.h"
#include "core/file_replace.h"
#include "core/messages.h"
#include "core/user_message.h"

namespace {


int Seek(FILE* file, int64_t offset, int origin) {
#ifdef _WIN32
  return fseeko64(file, offset, origin);
#else
  return fseeko(file, static_cast<off_t>(offset), origin);
#endif
}

int64_t Tell(FILE* file) {
#ifdef _WIN32
  return ftello64(file);
#else
  return static_cast<int64_t>(ftello(file));
#endif
}

int Warn(const char* text) {
  ShowMessage(text, MessageIcon::Warning);
  return -1;
}

// Failure after the progress dialog is up: drop what was read, close the dialog, report.
int FailLoading(Document& doc, FILE* file, Progress& progress, const char* text) {
  FreeBlocks(doc);
  if (file) std::fclose(file);
  progress.End();
  return Warn(text);
}

}  // namespace

int LoadFile(Document& doc, Progress& progress) {
  FreeBlocks(doc);
  doc.caret = 0;
  doc.anchor = -1;
  doc.digitIndex = 0;
  doc.partial = 0;

  FILE* file = OpenForReading(doc.path);
  if (!file) return Warn(kMsgCannotOpenFile);
  if (Seek(file, 0, SEEK_END) != 0) {
    std::fclose(file);
    return Warn(kMsgCannotSeekFile);
  }
  int64_t size = Tell(file);
  if (size < 0) {
    std::fclose(file);
    return Warn(kMsgCannotGetFilePointer);
  }
  if (Seek(file, 0, SEEK_SET) != 0) {
    std::fclose(file);
    return Warn(kMsgCannotSeekFile);
  }
  // Offsets are 32-bit: a file of 2 GiB or more cannot be held.
  if (size > INT32_MAX) {
    std::fclose(file);
    return Warn(kMsgNoMemory);
  }
  if (!progress.Begin(kMsgReadingFile)) {
    std::fclose(file);
    return Warn(kMsgCannotCreateProgress);
  }

  int32_t total = static_cast<int32_t>(size);
  Block* last = nullptr;
  while (doc.length < total) {
    progress.Pump();
    if (progress.Aborted()) {
      doc.partial = 1;
      break;
    }
    int32_t chunk = total - doc.length < kBlockFill ? total - doc.length : kBlockFill;
    Block* block = NewBlock(chunk);
    if (!block) return FailLoading(doc, file, progress, kMsgNoMemory);
    LinkAfter(doc, last, block);
    if (!last) {
      doc.cursorBlock = block;
      doc.cursorBase = 0;
    }
    last = block;
    if (std::fread(block->data, 1, static_cast<size_t>(chunk), file) != static_cast<size_t>(chunk)) {
      return FailLoading(doc, file, progress, kMsgCannotRead);
    }
    block->len = chunk;
    doc.length += chunk;
  }
  int closed = std::fclose(file);
  if (closed != 0) return FailLoading(doc, nullptr, progress, kMsgCannotCloseFile);

  if (last && last->prev && last->len < kBlockShort && !MergeIntoFirst(doc, last->prev, last)) {
    return FailLoading(doc, nullptr, progress, kMsgNoMemory);
  }
  if (!doc.cursorBlock && ResetToEmpty(doc) != 0) return FailLoading(doc, nullptr, progress, kMsgNoMemory);
  if (!progress.End()) {
    FreeBlocks(doc);
    return Warn(kMsgCannotDestroyWindow);
  }
  return 0;
}
