// The image view's title: the file name and extension of the document's path.
#include <gtest/gtest.h>

#include "imageview/image_texts.h"

namespace {

TEST(ImageTexts, TitleNamesTheFileWithoutItsDirectory) {
  EXPECT_EQ(ImageTitle("C:\\data\\dump.bin"), "dump.bin のｲﾒｰｼﾞ");
  EXPECT_EQ(ImageTitle("C:\\表\\ﾃｽﾄ.dat"), "ﾃｽﾄ.dat のｲﾒｰｼﾞ");  // 表 ends in the byte 0x5C
  EXPECT_EQ(ImageTitle("無題1"), "無題1 のｲﾒｰｼﾞ");
  EXPECT_EQ(ImageTitle("C:\\a<b"), "C:\\a<b のｲﾒｰｼﾞ");  // a path that does not split stays whole
}

}  // namespace
