// The properties dialog's model: options bits, the colour list with multiple
// selection, system colours, the fixed-pitch font, loading a stored type and
// applying the record to a document.
#include "filetypes/properties_model.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/edit.h"
#include "support/doc_builders.h"

namespace {

const SampledColors kSystem{0x000000, 0xFFFFFF, 0x808080, 0xFFFFFE, 0x800000};

FileType Record(uint32_t view) {
  FileType r;
  r.text = "desc";
  r.ext = "*.BIN";
  r.view = view;
  for (int i = 0; i < kColorCount; ++i) r.color[i] = static_cast<ColorRef>(i * 0x010101);
  std::strcpy(r.logfont.lfFaceName, "face");
  r.logfont.lfPitchAndFamily = 0x31;
  return r;
}

TEST(PropertiesModel, OpensOnTheRecordWithOkDisabled) {
  struct Row {
    uint32_t view, options;
  } rows[] = {{0x1EC, 0x1EC}, {0, 0}, {0xFFFF0003, 3}, {0x7 | 0x18, 0}};
  for (const Row& r : rows) {
    PropertiesModel m = OpenProperties(Record(r.view));
    EXPECT_EQ(OptionsOf(m), r.options) << std::hex << r.view;
    EXPECT_FALSE(m.okEnabled);
    EXPECT_FALSE(m.selectedLines.any());
  }
}

TEST(PropertiesModel, EachControlEnablesOkAndSetsItsBit) {
  struct Row {
    void (*change)(PropertiesModel&);
    uint32_t options;
  } rows[] = {
      {[](PropertiesModel& m) { ChooseDataRadix(m, 2); }, 2},
      {[](PropertiesModel& m) { ChooseAddressRadix(m, 2); }, 0x10},
      {[](PropertiesModel& m) { ChooseByteOrder(m, true); }, 0x20},
      {[](PropertiesModel& m) { ChangeRecycleBin(m, true); }, 0x40},
      {[](PropertiesModel& m) { ChangeSystemColors(m, true); }, 0x80},
      {[](PropertiesModel& m) { ChangeAskOverwrite(m, true); }, 0x100},
  };
  for (const Row& r : rows) {
    FileType record = Record(0);
    PropertiesModel m = OpenProperties(record);
    r.change(m);
    EXPECT_TRUE(m.okEnabled);
    StoreProperties(m, record);
    EXPECT_EQ(record.view, r.options);
    EXPECT_EQ(record.text, "desc");
    EXPECT_EQ(record.ext, "*.BIN");
  }
}

TEST(PropertiesModel, ThreeSelectedLinesTakeOnePickedColour) {
  FileType record = Record(0);
  PropertiesModel m = OpenProperties(record);
  EXPECT_FALSE(ChangeColorEnabled(m));
  for (int b : {0x41, 0x42, 0x43}) SelectColorLine(m, kColorByte0 + b, true);
  EXPECT_TRUE(ChangeColorEnabled(m));
  ColorRef first = 0;
  ASSERT_TRUE(FirstSelectedColor(m, &first));
  EXPECT_EQ(first, record.color[kColorByte0 + 0x41]);
  EXPECT_FALSE(m.okEnabled);
  EXPECT_EQ(ApplyPickedColor(m, 0x123456), 3);
  EXPECT_TRUE(m.okEnabled);
  StoreProperties(m, record);
  for (int i = 0; i < kColorCount; ++i) {
    bool picked = i >= kColorByte0 + 0x41 && i <= kColorByte0 + 0x43;
    EXPECT_EQ(record.color[i], picked ? 0x123456u : static_cast<ColorRef>(i * 0x010101)) << i;
  }
}

TEST(PropertiesModel, SystemColoursKeepTheStoredColours) {
  FileType record = Record(0);
  PropertiesModel m = OpenProperties(record);
  SelectColorLine(m, 7, true);
  ChangeSystemColors(m, true);
  EXPECT_FALSE(ColorListEnabled(m));
  EXPECT_FALSE(ChangeColorEnabled(m));
  EXPECT_FALSE(m.selectedLines.any());
  SelectColorLine(m, 9, true);
  EXPECT_FALSE(m.selectedLines.any()) << "a disabled list selects nothing";
  EXPECT_EQ(ApplyPickedColor(m, 0xABCDEF), 0);
  StoreProperties(m, record);
  EXPECT_EQ(record.view, kOptSystemColors);
  EXPECT_EQ(std::memcmp(record.color, Record(0).color, sizeof record.color), 0);

  ChangeSystemColors(m, false);
  EXPECT_TRUE(ColorListEnabled(m));
  EXPECT_FALSE(ChangeColorEnabled(m)) << "変更 waits for a selected line";
  SelectColorLine(m, 9, true);
  EXPECT_TRUE(ChangeColorEnabled(m));
}

TEST(PropertiesModel, FontAlwaysFixedPitch) {
  struct Row {
    uint8_t in, out;
  } rows[] = {{0x31, 0x31}, {0x32, 0x31}, {0x30, 0x31}, {0x22, 0x21}, {0x03, 0x01}, {0x00, 0x01}};
  for (const Row& r : rows) EXPECT_EQ(FixedPitch(r.in), r.out) << int{r.in};
  FileType record = Record(0);
  PropertiesModel m = OpenProperties(record);
  LogFont picked = record.logfont;
  std::strcpy(picked.lfFaceName, "other");
  picked.lfHeight = -20;
  picked.lfPitchAndFamily = 0x22;
  ApplyPickedFont(m, picked);
  StoreProperties(m, record);
  EXPECT_STREQ(record.logfont.lfFaceName, "other");
  EXPECT_EQ(record.logfont.lfHeight, -20);
  EXPECT_EQ(record.logfont.lfPitchAndFamily, 0x21);
}

TEST(PropertiesModel, LoadingAStoredTypeKeepsTheDocumentsNameAndBytes) {
  FileTypeList types;
  InstallBuiltinFileTypes(types, kSystem);
  Document doc;
  SetBlocks(doc, {30, 20});
  std::strcpy(doc.path, "C:\\work\\data.bin");
  doc.options = 0x1EC;
  for (int i = 0; i < kColorCount; ++i) doc.color[i] = 0x777777;
  const std::vector<uint8_t> bytes = Contents(doc);
  doc.caret = 3;
  uint8_t x = 9;
  CommitStep(doc, ReplaceSelection(doc, &x, 1, kCaretAfter, false, nullptr), nullptr);
  CommitStep(doc, ReplaceSelection(doc, &x, 1, kCaretAfter, false, nullptr), nullptr);
  ASSERT_EQ(UndoOrRedo(doc, false, nullptr), 0);
  ASSERT_NE(doc.undoList, nullptr);
  ASSERT_NE(doc.redoList, nullptr);
  const std::vector<uint8_t> edited = Contents(doc);

  FileType record = DocumentPropertiesRecord(doc);
  EXPECT_EQ(record.view, 0x1ECu);
  PropertiesModel m = OpenProperties(record);
  LoadFileTypeSettings(m, types.types[0]);
  EXPECT_TRUE(m.okEnabled);
  StoreProperties(m, record);
  EXPECT_EQ(record.text, "") << "the stored type's description is not taken";
  ApplyDocumentProperties(doc, record);

  EXPECT_STREQ(doc.path, "C:\\work\\data.bin");
  EXPECT_EQ(Contents(doc), edited);
  EXPECT_EQ(doc.options, 0u);
  EXPECT_EQ(doc.color[kColorByte0 + 0x41], kSystem.highlight) << "printable characters highlighted";
  EXPECT_EQ(doc.color[kColorByte0 + 0x7E], kSystem.windowText);
  EXPECT_EQ(doc.color[kColorBack], kSystem.window);
  EXPECT_STREQ(doc.font.lfFaceName, types.types[0].logfont.lfFaceName);
  EXPECT_EQ(doc.undoList, nullptr) << "undo is unavailable after OK";
  EXPECT_EQ(doc.redoList, nullptr);
  EXPECT_EQ(bytes.size(), edited.size() - 1);
}

TEST(PropertiesModel, LoadDialogPreselectionAndCustomColours) {
  EXPECT_EQ(LoadFileTypePreselection(1, 2), 1);
  EXPECT_EQ(LoadFileTypePreselection(2, 2), 0);
  EXPECT_EQ(LoadFileTypePreselection(-1, 2), 0);
  EXPECT_EQ(LoadFileTypePreselection(0, 0), -1);
  EXPECT_EQ(CustomColors()[0], 0x404040u);
  EXPECT_EQ(CustomColors()[15], 0xC0FFFFu);
}

}  // namespace
