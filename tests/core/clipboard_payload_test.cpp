// The "Common Binary" clipboard payload: its header, and damaged payloads refused.
#include "core/clipboard_payload.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

TEST(ClipboardPayload, ALittleEndianCountAndOnlyWhatTheBlockHolds) {
  Bytes block(BinaryPayloadSize(5), 0xEE);
  StoreBinaryCount(block.data(), 0x01020305);
  EXPECT_EQ(block, (Bytes{0x05, 0x03, 0x02, 0x01, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}));
  const struct {
    Bytes block;
    bool ok;
    Bytes bytes;
  } rows[] = {{{3, 0, 0, 0, 0x00, 0x41, 0x00}, true, {0x00, 0x41, 0x00}}, {{0, 0, 0, 0}, true, {}},
              {{1, 0, 0, 0, 9, 0, 0, 0}, true, {9}},  // a block larger than asked (system rounding)
              {{1, 0, 0}, false, {}}, {{2, 0, 0, 0, 9}, false, {}}, {{0xFF, 0xFF, 0xFF, 0xFF, 1, 2}, false, {}},
              {{0xFF, 0xFF, 0xFF, 0x7F, 1, 2}, false, {}}};
  const uint8_t* bytes = nullptr;
  int32_t count = -1;
  for (const auto& r : rows) {
    EXPECT_EQ(ReadBinaryPayload(r.block.data(), r.block.size(), &bytes, &count), r.ok);
    EXPECT_EQ(r.ok ? Bytes(bytes, bytes + count) : Bytes(static_cast<size_t>(count)), r.bytes);
  }
  EXPECT_FALSE(ReadBinaryPayload(nullptr, 100, &bytes, &count));
}

}  // namespace
