// The colour list lines: texts from the dump's byte labels, colours, geometry.
#include "filetypes/color_list.h"

#include <gtest/gtest.h>

#include "core/byte_labels.h"

namespace {

const SampledColors kSystem{0x000000, 0xFFFFFF, 0x808080, 0xFFFFFE, 0x800000};

TEST(ColorList, LineTexts) {
  struct Row {
    int line;
    const char* text;
  } rows[] = {{0, "文字"},           {1, "背景"},           {2, "編集できない項目"}, {3, "選択された文字"},
              {4, "選択された背景"}, {5, "  \\0 00h"},      {5 + 0x0A, "  LF 0Ah"},  {5 + 0x1C, "  → 1Ch"},
              {5 + 0x41, "   A 41h"}, {5 + 0x81, "漢81 81h"}, {5 + 0xB1, "   \xB1 B1h"}, {260, "？FF FFh"},
              {261, ""},             {-1, ""}};
  for (const Row& r : rows) EXPECT_EQ(ColorLineText(r.line, ByteLabels), r.text) << r.line;
}

TEST(ColorList, LineColours) {
  struct Row {
    bool selected, enabled;
    ColorLineColors look;
  } rows[] = {{false, true, {0xFFFFFF, 0x0000FF, 0x000000}},
              {true, true, {0x800000, 0x0000FF, 0xFFFFFE}},
              {false, false, {0xFFFFFF, 0x4040BF, 0x808080}},
              {true, false, {0x800000, 0x4040BF, 0x808080}}};
  for (const Row& r : rows) {
    EXPECT_EQ(ColorLineLook(0x0000FF, r.selected, r.enabled, kSystem), r.look) << r.selected << r.enabled;
  }
}

TEST(ColorList, Geometry) {
  EXPECT_EQ(ColorLineUnit(16), 8);
  EXPECT_EQ(ColorLineUnit(15), 8);
  EXPECT_EQ(ColorLineUnit(12), 6);
  const ColorLineBox line{0, 32, 200, 48};
  EXPECT_EQ(ColorSwatchBox(line, 8), (ColorLineBox{1, 33, 23, 47}));
  EXPECT_EQ(ColorLineTextX(line, 8), 24);
}

}  // namespace
