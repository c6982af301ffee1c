// The dump painting procedure.
#include "hexview/render/dump_paint.h"

#include <algorithm>
#include <memory>
#include <new>
#include <string>

#include "core/byte_labels.h"
#include "core/codepage.h"
#include "core/document.h"
#include "core/number_text.h"
#include "hexview/render/dump_text.h"

namespace {

// The class of bytes[i] given whether bytes[i - 1] was a lead.
uint8_t NextAnsiClass(bool afterLead, const uint8_t* bytes, int i, int count) {
  if (afterLead) return kAnsiTrail;
  return i + 1 < count && IsLeadByte(bytes[i]) ? kAnsiLead : kAnsiSingle;
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// One paint: the fixed values of the procedure and the per-area steps.
class DumpPainter {
 public:
  DumpPainter(DumpCanvas& canvas, Document& doc, const DumpPalette& palette, const DumpFrame& frame,
              const PixelRect& update)
      : canvas_(canvas),
        doc_(doc),
        palette_(palette),
        frame_(frame),
        update_(update),
        g_(GeometryOf(doc)),
        cw_(std::max(1, frame.charWidth)),
        rowHeight_(2 * cw_) {}

  void Run(bool erase) {
    if (erase) canvas_.Fill(update_, DumpBrush::Back);
    if (update_.left < kAddressDigits * cw_) PaintAddresses();
    if (update_.top < rowHeight_) PaintRuler();
    DumpAreas areas = Areas();
    numericBox_ = Intersect(areas.numeric, update_);
    ansiBox_ = Intersect(areas.ansi, update_);
    utf16Box_ = Intersect(areas.utf16, update_);
    if ((numericBox_.Empty() && ansiBox_.Empty() && utf16Box_.Empty()) || update_.bottom <= rowHeight_) return;
    PaintBytes();
  }

 private:
  // Pixel x of scrollable column k.
  int32_t ColumnX(int k) const { return (kFixedColumns + k - frame_.scrollColumn) * cw_; }

  // The three drawing areas from row 1 to the client bottom, never left of the address columns.
  DumpAreas Areas() const {
    int32_t minLeft = kFixedColumns * cw_;
    int32_t bottom = std::max(rowHeight_, frame_.clientHeight);
    auto area = [&](int32_t left, int32_t right) {
      PixelRect r{std::max(minLeft, left), rowHeight_, right, bottom};
      return r.Empty() ? PixelRect{} : r;
    };
    int32_t ansiLeft = ColumnX(g_.AnsiColumn(0)), utf16Left = ColumnX(g_.Utf16Column(0));
    return DumpAreas{area(ColumnX(0), ColumnX(g_.NumericEnd())), area(ansiLeft, utf16Left),
                     area(utf16Left, ColumnX(g_.Utf16End()))};
  }

  void PaintAddresses() {
    int addressRadix = AddressRadixOf(doc_.options);
    for (int32_t row = std::max(1, update_.top / rowHeight_); int64_t{row} * rowHeight_ < update_.bottom; ++row) {
      int64_t address = (int64_t{frame_.scrollLine} + row - 1) * g_.bytesPerLine;
      std::string text = AddressText(static_cast<uint32_t>(address), addressRadix);
      for (int j = 0; j < kAddressDigits; ++j)
        canvas_.Text(j * cw_, row * rowHeight_, nullptr, &text[j], 1, palette_.text);
    }
  }

  void PaintRuler() {
    std::string ruler = RulerText(g_, AddressRadixOf(doc_.options));
    for (int k = std::max(0, frame_.scrollColumn); k < static_cast<int>(ruler.size()); ++k) {
      int32_t x = ColumnX(k);
      if (x >= update_.right) break;
      if (x + cw_ <= update_.left || ruler[static_cast<size_t>(k)] == ' ') continue;
      canvas_.Text(x, 0, nullptr, &ruler[static_cast<size_t>(k)], 1, palette_.text);
    }
  }

  void PaintBytes() {
    int64_t first = g_.LineStart(frame_.scrollLine);
    int32_t want = std::max(1, (frame_.clientHeight / rowHeight_) * g_.bytesPerLine + 1);
    // One byte of room in front holds the lead of a character whose trail starts the frame.
    std::unique_ptr<uint8_t[]> buffer(new (std::nothrow) uint8_t[static_cast<size_t>(want) + 1]);
    if (!buffer) return;
    bytes_ = buffer.get() + 1;
    count_ = first < doc_.length ? ReadBytes(doc_, static_cast<int32_t>(first), buffer.get() + 1, want) : 0;
    dataRadix_ = DataRadixOf(doc_.options);
    int start = static_cast<int>(std::clamp<int64_t>(frame_.begin - first, 0, count_));
    bool afterLead = frame_.beginsWithTrail && start < count_ && first + start > 0;
    if (afterLead && start == 0) buffer[0] = ReadByteAt(first - 1);

    for (int i = start; i < count_ && first + i < frame_.end; ++i) {
      uint8_t cls = NextAnsiClass(afterLead, bytes_, i, count_);
      afterLead = cls == kAnsiLead;
      int32_t y = (i / g_.bytesPerLine + 1) * rowHeight_;
      if (y >= update_.bottom) break;
      if (y + rowHeight_ <= update_.top) continue;
      int64_t offset = first + i;
      bool selected = frame_.selectionBegin <= offset && offset < frame_.selectionEnd;
      int c = i % g_.bytesPerLine;
      ColorRef color = selected ? palette_.selText : palette_.ByteColor(bytes_[i]);
      if (!numericBox_.Empty()) PaintNumeric(i, c, y, selected, color);
      if (!ansiBox_.Empty()) PaintAnsi(i, c, y, cls, selected, color, offset);
      if (!utf16Box_.Empty()) PaintUtf16(i, c, y, selected, color);
    }
    if (frame_.endMark) PaintEndMark();
  }

  uint8_t ReadByteAt(int64_t offset) {
    uint8_t value = 0;
    ReadBytes(doc_, static_cast<int32_t>(offset), &value, 1);
    return value;
  }

  void PaintNumeric(int i, int c, int32_t y, bool selected, ColorRef color) {
    int32_t x = ColumnX(g_.NumericColumn(c));
    PixelRect cell = Intersect({x, y, x + (g_.digits + 1) * cw_, y + rowHeight_}, numericBox_);
    if (cell.Empty()) return;
    if (selected) canvas_.Fill(cell, DumpBrush::Selection);
    char text[9];
    int n = ByteCellText(bytes_[i], dataRadix_, text);
    for (int j = 0; j < n; ++j) {
      int32_t xj = x + j * cw_;
      if (text[j] == ' ' || xj + cw_ <= numericBox_.left || xj >= numericBox_.right) continue;
      canvas_.Text(xj, y, &numericBox_, &text[j], 1, color);
    }
  }

  void PaintAnsi(int i, int c, int32_t y, uint8_t cls, bool selected, ColorRef color, int64_t offset) {
    int32_t x = ColumnX(g_.AnsiColumn(c));
    PixelRect cell = Intersect({x, y, x + cw_, y + rowHeight_}, ansiBox_);
    if (!cell.Empty()) {
      if (selected) canvas_.Fill(cell, DumpBrush::Selection);
      const char* text = reinterpret_cast<const char*>(bytes_);
      if (cls == kAnsiLead) {
        canvas_.Text(x, y, &cell, text + i, 2, color);
      } else if (cls == kAnsiTrail) {
        canvas_.Text(x - cw_, y, &cell, text + i - 1, 2, color);
      } else {
        PaintLabel(bytes_[i], x, y, cell, color);
      }
    }
    if (cls != kAnsiLead || c != g_.bytesPerLine - 1) return;
    // The right half of a character whose lead ends the line, dimmed, in the separator.
    int32_t xs = ColumnX(g_.SeparatorColumn());
    PixelRect separator = Intersect({xs, y, xs + cw_, y + rowHeight_}, ansiBox_);
    if (separator.Empty()) return;
    bool trailSelected = frame_.selectionBegin <= offset + 1 && offset + 1 < frame_.selectionEnd;
    if (trailSelected) canvas_.Fill(separator, DumpBrush::HalfSelection);
    canvas_.Text(x, y, &separator, reinterpret_cast<const char*>(bytes_) + i, 2,
                 palette_.HalfColor(bytes_[frame_.halfFromTrail ? i + 1 : i], trailSelected));
  }

  void PaintLabel(uint8_t value, int32_t x, int32_t y, const PixelRect& cell, ColorRef color) {
    const char* label = ByteLabels[value];
    int length = ByteLabelLength(value);
    if (length == 1) {
      if (label[0] != ' ') canvas_.Text(x, y, &cell, label, 1, color);
      return;
    }
    canvas_.UseFont(DumpFont::Small);
    if (length == 2 && IsLeadByte(static_cast<unsigned char>(label[0]))) {
      canvas_.Text(x, y + cw_ / 2, &cell, label, 2, color);
    } else if (length == 2) {
      canvas_.Text(x, y, &cell, label, 1, color);
      canvas_.Text(x + cw_ / 2, y + cw_, &cell, label + 1, 1, color);
    } else {
      canvas_.Text(x, y, &cell, label, 2, color);
      canvas_.Text(x, y + cw_, &cell, label + 2, 2, color);
    }
    canvas_.UseFont(DumpFont::Main);
  }

  void PaintUtf16(int i, int c, int32_t y, bool selected, ColorRef color) {
    int32_t x = ColumnX(g_.Utf16Column(c));
    PixelRect cell = Intersect({x, y, x + cw_, y + rowHeight_}, utf16Box_);
    if (cell.Empty()) return;
    if (selected) canvas_.Fill(cell, DumpBrush::Selection);
    // The buffer starts at a line start, which is even: buffer parity is offset parity.
    int even = i & ~1;
    if (even == count_ - 1) {
      canvas_.Text(x, y, &cell, "?", 1, color);
      return;
    }
    char16_t units[2] = {static_cast<char16_t>(bytes_[even] | bytes_[even + 1] << 8), 0};
    int n = 1;
    if (IsHighSurrogate(units[0]) && even + 4 <= count_) {
      units[1] = static_cast<char16_t>(bytes_[even + 2] | bytes_[even + 3] << 8);
      if (IsLowSurrogate(units[1])) n = 2;
    }
    if (n == 1 && units[0] == u' ') return;
    canvas_.WideText(i == even ? x : x - cw_, y, cell, units, n, color);
  }

  void PaintEndMark() {
    int32_t y = (count_ / g_.bytesPerLine + 1) * rowHeight_;
    if (y >= update_.bottom || y + rowHeight_ <= update_.top) return;
    int c = count_ % g_.bytesPerLine;
    static const char kMark[] = "\xA5";
    const PixelRect* boxes[3] = {&numericBox_, &ansiBox_, &utf16Box_};
    for (int area = kAreaNumeric; area <= kAreaUtf16; ++area) {
      const PixelRect& box = *boxes[area];
      int32_t x = ColumnX(g_.AreaColumn(area, c));
      if (Meets({x, y, x + cw_, y + rowHeight_}, box)) canvas_.Text(x, y, &box, kMark, 1, palette_.fixed);
    }
  }

  DumpCanvas& canvas_;
  Document& doc_;
  const DumpPalette& palette_;
  const DumpFrame& frame_;
  const PixelRect update_;
  const DumpGeometry g_;
  const int32_t cw_;
  const int32_t rowHeight_;
  PixelRect numericBox_, ansiBox_, utf16Box_;
  const uint8_t* bytes_ = nullptr;
  int count_ = 0;
  int dataRadix_ = 0;
};

}  // namespace

void ClassifyAnsi(const uint8_t* bytes, int count, uint8_t* classes) {
  bool afterLead = false;
  for (int i = 0; i < count; ++i) {
    classes[i] = NextAnsiClass(afterLead, bytes, i, count);
    afterLead = classes[i] == kAnsiLead;
  }
}

DumpFrame WindowFrame(const Document& doc) {
  DumpFrame frame;
  frame.charWidth = CellWidth(doc);
  frame.scrollColumn = doc.scrollColumn;
  frame.scrollLine = doc.scrollLine;
  frame.clientHeight = doc.clientHeight;
  if (doc.anchor != -1) {
    frame.selectionBegin = std::min(doc.anchor, doc.caret);
    frame.selectionEnd = std::max(doc.anchor, doc.caret);
  }
  return frame;
}

void PaintDump(DumpCanvas& canvas, Document& doc, const DumpPalette& palette, const PixelRect& update, bool erase) {
  PaintDumpFrame(canvas, doc, palette, WindowFrame(doc), update, erase);
}

void PaintDumpFrame(DumpCanvas& canvas, Document& doc, const DumpPalette& palette, const DumpFrame& frame,
                    const PixelRect& update, bool erase) {
  DumpPainter(canvas, doc, palette, frame, update).Run(erase);
}
