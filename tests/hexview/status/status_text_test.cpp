// The status line, byte for byte.
#include "hexview/status/status_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct StatusCase {
  const char* name;
  uint32_t options;
  int32_t caret, anchor;
  std::vector<uint8_t> bytes;
  std::string text;
};

TEST(StatusText, Cases) {
  const StatusCase cases[] = {
      {"Intel order", 0x00, 0x10, -1, {0x41, 0x42, 0x43, 0x44}, "ｱﾄﾞﾚｽ=00000010,WORD=4241,DWORD=44434241"},
      {"three bytes left: WORD only", 0x00, 7, -1, {0x01, 0x02, 0x03}, "ｱﾄﾞﾚｽ=00000007,WORD=201"},
      {"two bytes left: WORD only", 0x00, 8, -1, {0x01, 0x02}, "ｱﾄﾞﾚｽ=00000008,WORD=201"},
      {"end of data", 0x00, 10, -1, {}, "ｱﾄﾞﾚｽ=0000000A"},
      {"signed decimal, both signs",
       0x04,
       0,
       -1,
       {0x80, 0x00, 0x00, 0x80},
       "ｱﾄﾞﾚｽ=00000000,WORD=128,DWORD=-2147483520"},
      {"unsigned decimal, all ones",
       0x03,
       0,
       -1,
       {0xFF, 0xFF, 0xFF, 0xFF},
       "ｱﾄﾞﾚｽ=00000000,WORD=65535,DWORD=4294967295"},
      {"decimal addresses past 8 digits", 0x08, 123456789, -1, {}, "ｱﾄﾞﾚｽ=23456789"},
      {"selection 16 to 31", 0x00, 32, 16, {}, "ｱﾄﾞﾚｽ=00000020,選択範囲 00000010 ... 0000001F (00000010)"},
  };
  for (const StatusCase& c : cases) {
    EXPECT_EQ(StatusLineText(c.options, c.caret, c.anchor, c.bytes.data(), static_cast<int>(c.bytes.size())), c.text)
        << c.name;
  }
}

}  // namespace
