// Clipboard data forms: the binary payload, the text of each column, the bytes
// pasted text stands for, the format a paste reads and the paste-over range.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "core/clipboard_paste.h"
#include "core/clipboard_payload.h"
#include "core/clipboard_text.h"
#include "core/number_text.h"

namespace {

using Bytes = std::vector<uint8_t>;

std::string Numeric(const Bytes& bytes, int radix) {
  std::string out(NumericTextSize(static_cast<int32_t>(bytes.size()), radix), '#');
  WriteNumericText(bytes.data(), static_cast<int32_t>(bytes.size()), radix, out.data());
  EXPECT_EQ(out.back(), '\0');  // the size is exact: the terminator is the last byte
  out.pop_back();
  return out;
}

TEST(ClipboardPayload, HeaderIsLittleEndianCountAndRoundTrips) {
  Bytes block(BinaryPayloadSize(5), 0xEE);
  ASSERT_EQ(block.size(), 9u);
  StoreBinaryCount(block.data(), 0x01020305);
  EXPECT_EQ(Bytes(block.begin(), block.begin() + 4), (Bytes{0x05, 0x03, 0x02, 0x01}));

  Bytes payload = {0x03, 0x00, 0x00, 0x00, 0x00, 0x41, 0x00};
  const uint8_t* bytes = nullptr;
  int32_t count = -1;
  ASSERT_TRUE(ReadBinaryPayload(payload.data(), payload.size(), &bytes, &count));
  EXPECT_EQ(count, 3);
  EXPECT_EQ(Bytes(bytes, bytes + count), (Bytes{0x00, 0x41, 0x00}));
}

TEST(ClipboardPayload, DamagedPayloadsAreRefused) {
  struct Row {
    const char* why;
    Bytes block;
    bool ok;
    int32_t count;
  };
  const Row rows[] = {
      {"empty payload", {0, 0, 0, 0}, true, 0},
      {"block larger than asked (system rounding)", {1, 0, 0, 0, 9, 0, 0, 0}, true, 1},
      {"header cut short", {1, 0, 0}, false, 0},
      {"count one past the block", {2, 0, 0, 0, 9}, false, 0},
      {"negative count", {0xFF, 0xFF, 0xFF, 0xFF, 1, 2}, false, 0},
      {"huge count", {0xFF, 0xFF, 0xFF, 0x7F, 1, 2}, false, 0},
  };
  for (const Row& row : rows) {
    const uint8_t* bytes = nullptr;
    int32_t count = -1;
    EXPECT_EQ(ReadBinaryPayload(row.block.data(), row.block.size(), &bytes, &count), row.ok) << row.why;
    EXPECT_EQ(count, row.count) << row.why;
  }
  const uint8_t* bytes = nullptr;
  int32_t count = -1;
  EXPECT_FALSE(ReadBinaryPayload(nullptr, 100, &bytes, &count));
}

TEST(ClipboardText, NumericTextPerRadix) {
  struct Row {
    int radix;
    Bytes bytes;
    const char* text;
  };
  const Row rows[] = {
      {kRadixHex, {0x0A, 0xFF}, "0A FF"},
      {kRadixSigned, {0x0A, 0xFF}, "  10   -1"},
      {kRadixUnsigned, {0x0A, 0xFF, 0x00}, " 10 255   0"},
      {kRadixOctal, {0x0A, 0xFF}, "012 377"},
      {kRadixBinary, {0x0A, 0x80}, "00001010 10000000"},
      {kRadixSigned, {0x80, 0x7F}, "-128  127"},
      {kRadixHex, {0x00}, "00"},
      {kRadixHex, {}, ""},
  };
  for (const Row& row : rows) EXPECT_EQ(Numeric(row.bytes, row.radix), row.text) << row.radix;
}

TEST(ClipboardText, EveryByteValueFitsItsCellInEveryRadix) {
  // Why: the text is written into a block of exactly NumericTextSize bytes.
  Bytes all(256);
  for (int i = 0; i < 256; ++i) all[i] = static_cast<uint8_t>(i);
  for (int radix = kRadixHex; radix <= kRadixSigned; ++radix) {
    std::string text = Numeric(all, radix);
    int width = DigitsPerValue(1, radix);
    ASSERT_EQ(text.size(), 256u * (width + 1) - 1) << radix;
    for (int i = 0; i < 256; ++i) {
      int32_t back = 0;
      std::string cell = text.substr(static_cast<size_t>(i) * (width + 1), static_cast<size_t>(width));
      ASSERT_EQ(ParseNumber(cell.c_str(), RadixBase(radix), radix == kRadixSigned, &back), 0) << cell;
      EXPECT_EQ(static_cast<uint8_t>(back), i) << radix;
    }
  }
}

TEST(ClipboardText, NumericTextSizeNeverWrapsAround) {
  // Why: in a 32-bit process nine bytes per byte of a huge selection exceed
  // size_t; a wrapped size would make the text overrun its block.
  size_t size = NumericTextSize(INT32_MAX, kRadixBinary);
  if (sizeof(size_t) == 4) {
    EXPECT_EQ(size, SIZE_MAX);
  } else {
    EXPECT_EQ(size, 9ull * INT32_MAX);
  }
  EXPECT_EQ(NumericTextSize(0, kRadixHex), 1u);
  EXPECT_EQ(NumericTextSize(3, kRadixSigned), 15u);
}

TEST(ClipboardText, CharacterTextKeepsZerosAndEndsWithOne) {
  Bytes bytes = {'A', 0x00, 0x82, 0xA0};
  std::string out(CharacterTextSize(4), '#');
  WriteCharacterText(bytes.data(), 4, out.data());
  EXPECT_EQ(out, std::string("A\0\x82\xA0\0", 5));
}

TEST(ClipboardText, WideTextEndsWithAWholeZeroUnit) {
  struct Row {
    const char* why;
    Bytes bytes;
    Bytes block;
  };
  const Row rows[] = {
      {"even count", {0x42, 0x30, 0x41, 0x00}, {0x42, 0x30, 0x41, 0x00, 0, 0}},
      {"odd count: the last byte becomes a unit, then a full terminator", {0x42, 0x30, 0x41},
       {0x42, 0x30, 0x41, 0x00, 0, 0}},
      {"nothing", {}, {0, 0}},
  };
  for (const Row& row : rows) {
    int32_t n = static_cast<int32_t>(row.bytes.size());
    Bytes out(WideTextSize(n), 0xEE);
    WriteWideText(row.bytes.data(), n, out.data());
    EXPECT_EQ(out, row.block) << row.why;
  }
}

TEST(ClipboardText, AnsiCopyOfWideTextStopsAtTheFirstZeroUnit) {
  // "あA" then a zero unit and more units that must not appear.
  Bytes wide = {0x42, 0x30, 0x41, 0x00, 0x00, 0x00, 0x43, 0x00};
  EXPECT_EQ(AnsiCopyOfWideText(wide.data(), 4), "あA");
  EXPECT_EQ(AnsiCopyOfWideText(wide.data(), 1), "あ");
  EXPECT_EQ(AnsiCopyOfWideText(wide.data(), 0), "");
}

TEST(ClipboardPaste, SourceByFormatsAndColumn) {
  struct Row {
    bool binary, unicode, ansi;
    int column;
    PasteSource source;
  };
  const Row rows[] = {
      {true, true, true, 2, PasteSource::Binary},     {false, true, true, 2, PasteSource::UnicodeText},
      {false, true, true, 1, PasteSource::AnsiText},  {false, true, true, 0, PasteSource::AnsiText},
      {false, false, true, 2, PasteSource::AnsiText}, {false, true, false, 0, PasteSource::None},
      {false, false, false, 2, PasteSource::None},
  };
  for (const Row& r : rows)
    EXPECT_EQ(ChoosePasteSource(r.binary, r.unicode, r.ansi, r.column), r.source)
        << r.binary << r.unicode << r.ansi << r.column;
}

TEST(ClipboardPaste, TextBytesStopAtTheTerminatorAndNeverPassTheBlock) {
  Bytes ansi = {'4', '1', 0, 'x'};
  EXPECT_EQ(AnsiTextByteCount(ansi.data(), ansi.size()), 2u);
  Bytes unterminated = {'a', 'b', 'c'};
  EXPECT_EQ(AnsiTextByteCount(unterminated.data(), 3), 3u);
  EXPECT_EQ(AnsiTextByteCount(nullptr, 10), 0u);

  Bytes wide = {0x41, 0x00, 0x00, 0x30, 0x00, 0x00, 0x42, 0x00};
  // A zero low byte inside a unit is not a terminator; the zero unit is.
  EXPECT_EQ(WideTextByteCount(wide.data(), wide.size()), 4u);
  Bytes oddBlock = {0x41, 0x00, 0x42};  // no terminator, a half unit at the end
  EXPECT_EQ(WideTextByteCount(oddBlock.data(), 3), 2u);
}

TEST(ClipboardPaste, OverwriteAnchorCoversExistingBytesOnly) {
  struct Row {
    const char* why;
    int32_t caret, count, length, anchor;
  };
  const Row rows[] = {
      {"inside", 2, 3, 10, 5},
      {"four bytes before the end, ten pasted", 6, 10, 10, 10},
      {"exactly to the end", 7, 3, 10, 10},
      {"at the end: plain insertion", 10, 3, 10, -1},
      {"nothing pasted", 4, 0, 10, -1},
      {"empty document", 0, 5, 0, -1},
      {"no overflow near the 32-bit limit", 5, 0x7FFFFFFF, 100, 100},
  };
  for (const Row& r : rows) EXPECT_EQ(OverwriteAnchor(r.caret, r.count, r.length), r.anchor) << r.why;
}

}  // namespace
