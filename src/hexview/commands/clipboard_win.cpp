// Clipboard exchange of a document window: copy with the binary payload and
// the text of the active column, paste and paste over.
#include "hexview/commands/clipboard_win.h"

#include <climits>
#include <cstdint>
#include <string>

#include "core/clipboard_paste.h"
#include "core/clipboard_payload.h"
#include "core/clipboard_text.h"
#include "core/document.h"
#include "core/edit.h"
#include "core/messages.h"
#include "core/user_message.h"
#include "hexview/commands/edit_view_win.h"
#include "hexview/hex_view_win.h"
#include "shell/shell.h"

namespace {


// Clipboard failures leave every document as it was, so they only warn:
// ending the program here would throw away unsaved edits.
int Warn(HWND view, const char* text) {
  ShowMessage(text, MessageIcon::Warning, MessageButtons::Ok, view);
  return -1;
}

// A movable global block freed on scope exit unless handed to the clipboard.
class GlobalBlock {
 public:
  explicit GlobalBlock(size_t size) : handle_(GlobalAlloc(GMEM_MOVEABLE, size == 0 ? 1 : size)) {}
  // Takes over a block (null for none).
  explicit GlobalBlock(HGLOBAL adopted) : handle_(adopted) {}
  ~GlobalBlock() {
    if (handle_ != nullptr) GlobalFree(handle_);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;

  HGLOBAL handle() const { return handle_; }
  // Sets the block as format on the open clipboard, which then owns it.
  bool HandTo(UINT format) {
    if (SetClipboardData(format, handle_) == nullptr) return false;
    handle_ = nullptr;
    return true;
  }

 private:
  HGLOBAL handle_;
};

// Locks a block for the lifetime of the object.
class Locked {
 public:
  explicit Locked(HGLOBAL handle) : handle_(handle), data_(static_cast<uint8_t*>(GlobalLock(handle))) {}
  ~Locked() {
    if (data_ != nullptr) GlobalUnlock(handle_);
  }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;
  uint8_t* data() const { return data_; }

 private:
  HGLOBAL handle_;
  uint8_t* data_;
};

// Fills text with the active column's form of count bytes. Returns 0 or -1 (reported).
int FillText(HWND view, GlobalBlock& text, const uint8_t* bytes, int32_t count, int column, int dataRadix) {
  if (text.handle() == nullptr) return Warn(view, kMsgCannotAllocGlobal);
  Locked out(text.handle());
  if (out.data() == nullptr) return Warn(view, kMsgCannotLockGlobal);
  if (column == 0) {
    WriteNumericText(bytes, count, dataRadix, reinterpret_cast<char*>(out.data()));
  } else if (column == 1) {
    WriteCharacterText(bytes, count, reinterpret_cast<char*>(out.data()));
  } else {
    WriteWideText(bytes, count, out.data());
  }
  return 0;
}

size_t TextSize(int32_t count, int column, int dataRadix) {
  if (column == 0) return NumericTextSize(count, dataRadix);
  if (column == 1) return CharacterTextSize(count);
  return WideTextSize(count);
}

// The ANSI copy of the wide text, or an empty block when it cannot be made
// (the copy is then simply left out).
HGLOBAL MakeAnsiCopy(HGLOBAL wide, size_t wideSize) {
  std::string ansi;
  {
    Locked in(wide);
    if (in.data() == nullptr) return nullptr;
    ansi = AnsiCopyOfWideText(in.data(), wideSize / 2);
  }
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, ansi.size() + 1);
  if (copy == nullptr) return nullptr;
  void* out = GlobalLock(copy);
  if (out == nullptr) {
    GlobalFree(copy);
    return nullptr;
  }
  CopyMemory(out, ansi.c_str(), ansi.size() + 1);
  GlobalUnlock(copy);
  return copy;
}

// Puts the prepared blocks on the clipboard. Returns 0 or -1 (reported).
int SetBlocks(HWND view, GlobalBlock& binary, GlobalBlock& text, GlobalBlock* ansiCopy, bool wide) {
  if (!OpenClipboard(view)) return Warn(view, kMsgCannotOpenClipboard);
  int result = 0;
  if (!EmptyClipboard()) {
    result = Warn(view, kMsgCannotEmptyClipboard);
  } else if (!binary.HandTo(g_shell.binaryClipboardFormat)) {
    result = Warn(view, kMsgCannotSetClipboardData);
  } else {
    if (ansiCopy != nullptr && ansiCopy->handle() != nullptr) ansiCopy->HandTo(CF_TEXT);
    if (!text.HandTo(wide ? CF_UNICODETEXT : CF_TEXT)) result = Warn(view, kMsgCannotSetClipboardData);
  }
  if (!CloseClipboard()) result = Warn(view, kMsgCannotCloseClipboard);
  return result;
}

// The bytes of the chosen clipboard format, read from its locked block.
struct PasteData {
  const uint8_t* bytes = nullptr;
  int32_t count = 0;
};

int32_t ClampCount(size_t n) { return n > static_cast<size_t>(INT32_MAX) ? INT32_MAX : static_cast<int32_t>(n); }

// Reads block as source; false when the data is unusable.
bool ReadPasteData(PasteSource source, const uint8_t* block, size_t size, PasteData* data) {
  data->bytes = block;
  switch (source) {
    case PasteSource::Binary: return ReadBinaryPayload(block, size, &data->bytes, &data->count);
    case PasteSource::UnicodeText: data->count = ClampCount(WideTextByteCount(block, size)); return true;
    case PasteSource::AnsiText: data->count = ClampCount(AnsiTextByteCount(block, size)); return true;
    case PasteSource::None: break;
  }
  return false;
}

UINT FormatOf(PasteSource source) {
  switch (source) {
    case PasteSource::Binary: return g_shell.binaryClipboardFormat;
    case PasteSource::UnicodeText: return CF_UNICODETEXT;
    case PasteSource::AnsiText: return CF_TEXT;
    case PasteSource::None: break;
  }
  return 0;
}

// Inserts data at the caret (replacing the selection, or with over and no
// selection the bytes it covers) and records the step.
void PasteBytes(HWND view, Document& doc, const PasteData& data, bool over) {
  if (data.count == 0 && doc.anchor == -1) return;  // nothing would change
  int32_t tempAnchor = -1;
  if (over && doc.anchor == -1) {
    tempAnchor = OverwriteAnchor(doc.caret, data.count, doc.length);
    doc.anchor = tempAnchor;
  }
  EditView* editView = EditViewOf(view);
  UndoStep* step = ReplaceSelection(doc, data.bytes, data.count, kCaretAfter, false, editView);
  if (step == nullptr) {
    if (tempAnchor != -1 && doc.anchor == tempAnchor) doc.anchor = -1;
    return;
  }
  CommitStep(doc, step, editView);
}

}  // namespace

int CopySelection(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr || doc->anchor == -1 || doc->anchor == doc->caret) return 0;
  int32_t start = doc->anchor < doc->caret ? doc->anchor : doc->caret;
  int32_t count = doc->anchor < doc->caret ? doc->caret - doc->anchor : doc->anchor - doc->caret;
  int column = doc->activeColumn;
  int dataRadix = DataRadixOf(doc->options);

  GlobalBlock binary(BinaryPayloadSize(count));
  if (binary.handle() == nullptr) return Warn(view, kMsgCannotAllocGlobal);
  int32_t read = 0;
  GlobalBlock text(TextSize(count, column, dataRadix));
  {
    Locked payload(binary.handle());
    if (payload.data() == nullptr) return Warn(view, kMsgCannotLockGlobal);
    read = ReadBytes(*doc, start, payload.data() + kBinaryHeaderSize, count);
    StoreBinaryCount(payload.data(), read);
    if (FillText(view, text, payload.data() + kBinaryHeaderSize, read, column, dataRadix) != 0) return -1;
  }
  if (column != 2) return SetBlocks(view, binary, text, nullptr, false);
  GlobalBlock ansiCopy(MakeAnsiCopy(text.handle(), TextSize(read, column, dataRadix)));
  return SetBlocks(view, binary, text, &ansiCopy, true);
}

void PasteClipboard(HWND view, bool over) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return;
  if (!OpenClipboard(view)) {
    Warn(view, kMsgCannotOpenClipboard);
    return;
  }
  bool binary = IsClipboardFormatAvailable(g_shell.binaryClipboardFormat) != FALSE;
  bool unicodeText = IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
  bool ansiText = IsClipboardFormatAvailable(CF_TEXT) != FALSE;
  for (;;) {
    PasteSource source = ChoosePasteSource(binary, unicodeText, ansiText, doc->activeColumn);
    if (source == PasteSource::None) break;
    HANDLE handle = GetClipboardData(FormatOf(source));
    Locked block(handle);
    PasteData data;
    if (handle != nullptr && block.data() != nullptr &&
        ReadPasteData(source, block.data(), GlobalSize(handle), &data)) {
      PasteBytes(view, *doc, data, over);
      break;
    }
    // A payload that cannot be read (or trusted) is passed over for the next format.
    if (source == PasteSource::Binary) binary = false;
    if (source == PasteSource::UnicodeText) unicodeText = false;
    if (source == PasteSource::AnsiText) ansiText = false;
  }
  if (!CloseClipboard()) Warn(view, kMsgCannotCloseClipboard);
}
