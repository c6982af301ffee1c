// The "Common Binary" clipboard payload: its header, and damaged payloads refused.
#include "core/clipboard_payload.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

TEST(ClipboardPayload, HeaderIsALittleEndianCount) {
  Bytes block(BinaryPayloadSize(5), 0xEE);
  ASSERT_EQ(block.size(), 9u);
  StoreBinaryCount(block.data(), 0x01020305);
  EXPECT_EQ(Bytes(block.begin(), block.begin() + 4), (Bytes{0x05, 0x03, 0x02, 0x01}));
}

TEST(ClipboardPayload, ReadsOnlyWhatTheBlockHolds) {
  const struct {
    const char* why;
    Bytes block;
    bool ok;
    Bytes bytes;
  } rows[] = {
      {"three bytes", {3, 0, 0, 0, 0x00, 0x41, 0x00}, true, {0x00, 0x41, 0x00}},
      {"empty payload", {0, 0, 0, 0}, true, {}},
      {"block larger than asked (system rounding)", {1, 0, 0, 0, 9, 0, 0, 0}, true, {9}},
      {"header cut short", {1, 0, 0}, false, {}},
      {"count one past the block", {2, 0, 0, 0, 9}, false, {}},
      {"negative count", {0xFF, 0xFF, 0xFF, 0xFF, 1, 2}, false, {}},
      {"huge count", {0xFF, 0xFF, 0xFF, 0x7F, 1, 2}, false, {}},
  };
  for (const auto& r : rows) {
    const uint8_t* bytes = nullptr;
    int32_t count = -1;
    EXPECT_EQ(ReadBinaryPayload(r.block.data(), r.block.size(), &bytes, &count), r.ok) << r.why;
    EXPECT_EQ(r.ok ? Bytes(bytes, bytes + count) : Bytes(static_cast<size_t>(count)), r.bytes) << r.why;
  }
  const uint8_t* bytes = nullptr;
  int32_t count = -1;
  EXPECT_FALSE(ReadBinaryPayload(nullptr, 100, &bytes, &count));
}

}  // namespace
