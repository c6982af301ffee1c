// The file type list dialog's operations and the detail dialog's model.
#include "filetypes/file_type_list_edit.h"

#include <gtest/gtest.h>

#include <cstring>

#include "filetypes/filter_list.h"
#include "support/failing_new.h"
#include "support/message_recorder.h"

namespace {

const SampledColors kSystem{0x000000, 0xFFFFFF, 0x808080, 0xFFFFFE, 0x800000};

FileTypeList Named(std::vector<std::string> names) {
  FileTypeList list;
  for (const std::string& n : names) {
    FileType t;
    t.text = n;
    t.ext = "*." + n;
    list.types.push_back(t);
  }
  return list;
}

std::vector<std::string> Names(const FileTypeList& list) {
  std::vector<std::string> names;
  for (const FileType& t : list.types) names.push_back(t.text);
  return names;
}

using V = std::vector<std::string>;

TEST(FileTypeListEdit, InitialIndexFromTheFilterLowByte) {
  FileTypeList list = Named({"a", "b", "c"});
  EXPECT_EQ(InitialFileTypeIndex(list, 0x0102), 2);
  EXPECT_EQ(InitialFileTypeIndex(list, 0x0103), 0);
  EXPECT_EQ(InitialFileTypeIndex(list, 0x7FFFFFFF), 0) << "an unset filter";
}

TEST(FileTypeListEdit, DeleteDownToOne) {
  FileTypeList list = Named({"a", "b", "c"});
  int current = 2;
  int32_t filter = 0x0201;
  ASSERT_TRUE(DeleteFileType(list, &current, &filter));
  EXPECT_EQ(Names(list), (V{"a", "b"}));
  EXPECT_EQ(current, 1);
  EXPECT_EQ(filter, 0);
  current = 0;
  ASSERT_TRUE(DeleteFileType(list, &current, &filter));
  EXPECT_EQ(Names(list), V{"b"});
  EXPECT_EQ(current, 0);
  EXPECT_FALSE(CanDeleteFileType(list));
  filter = 5;
  EXPECT_FALSE(DeleteFileType(list, &current, &filter));
  EXPECT_EQ(Names(list), V{"b"});
  EXPECT_EQ(filter, 5);
}

TEST(FileTypeListEdit, NewOnTheExecutableTypeShowsItTwiceInTheFilters) {
  FileTypeList list;
  InstallBuiltinFileTypes(list, kSystem);
  int current = 0;
  int32_t filter = 0x0101;
  ASSERT_EQ(NewFileType(list, &current), 0);
  EXPECT_EQ(current, 2);
  EXPECT_EQ(filter, 0x0101) << "new keeps the indexes, and the filter";
  EXPECT_EQ(std::memcmp(list.types[2].color, list.types[0].color, sizeof list.types[0].color), 0);
  EXPECT_EQ(list.types[2].view, list.types[0].view);
  EXPECT_FALSE(CanMoveFileType(list, current));
  const std::string expected("実行可能ﾌｧｲﾙ (*.exe)\0*.EXE\0すべてのﾌｧｲﾙ (*.*)\0*.*\0実行可能ﾌｧｲﾙ (*.exe)\0*.EXE\0\0",
                             sizeof("実行可能ﾌｧｲﾙ (*.exe)\0*.EXE\0すべてのﾌｧｲﾙ (*.*)\0*.*\0実行可能ﾌｧｲﾙ (*.exe)\0*.EXE\0\0") - 1);
  EXPECT_EQ(BuildFilterList(list), expected);
}

TEST(FileTypeListEdit, ReorderingResetsTheFilter) {
  FileTypeList list = Named({"a", "b", "c"});
  int32_t filter = 0x0302;
  ASSERT_TRUE(MoveFileTypeToEnd(list, 0, &filter));
  EXPECT_EQ(Names(list), (V{"b", "c", "a"}));
  EXPECT_EQ(filter, 0);
  filter = 0x0302;
  EXPECT_FALSE(MoveFileTypeToEnd(list, 2, &filter));
  EXPECT_EQ(filter, 0x0302);
  int current = 0;
  ASSERT_TRUE(DropFileType(list, &current, 2, &filter));
  EXPECT_EQ(Names(list), (V{"c", "a", "b"}));
  EXPECT_EQ(current, 2);
  EXPECT_EQ(filter, 0);
}

TEST(FileTypeListEdit, DropOntoItselfOrOutsideChangesNothing) {
  FileTypeList list = Named({"a", "b", "c"});
  int current = 1;
  int32_t filter = 0x0102;
  for (int target : {1, -1, 3}) {
    EXPECT_FALSE(DropFileType(list, &current, target, &filter)) << target;
    EXPECT_EQ(Names(list), (V{"a", "b", "c"}));
    EXPECT_EQ(current, 1);
    EXPECT_EQ(filter, 0x0102);
  }
}

TEST(FileTypeListEdit, FailedAllocationInNewKeepsTheList) {
  // Texts too long to be kept inside the string, and a full array, so that the
  // copy and the append both allocate.
  const std::string b(40, 'b');
  FileTypeList list = Named({"a", b, "c"});
  list.types.shrink_to_fit();
  MessageRecorder messages;
  int failures = 0;
  for (long allowed = 0;; ++allowed) {
    int current = 1;
    failing_new::FailAfter(allowed);
    int result = NewFileType(list, &current);
    failing_new::Disarm();
    if (result == 0) {
      EXPECT_EQ(Names(list), (V{"a", b, "c", b}));
      break;
    }
    ++failures;
    EXPECT_EQ(result, -1);
    EXPECT_EQ(Names(list), (V{"a", b, "c"}));
    EXPECT_EQ(current, 1);
  }
  EXPECT_GE(failures, 3);
  EXPECT_EQ(messages.texts(), V(static_cast<size_t>(failures), "ﾒﾓﾘを確保できません"));
}

TEST(FileTypeDetail, CancelLeavesTheRecordAndOkStoresEverything) {
  FileTypeList list;
  InstallBuiltinFileTypes(list, kSystem);
  const FileType before = list.types[1];
  FileTypeDetail d = OpenFileTypeDetail(list.types[1]);
  EXPECT_FALSE(d.settings.okEnabled);
  ChangeFileTypeText(d, "edited");
  EXPECT_TRUE(d.settings.okEnabled);
  ChangeFileTypePatterns(d, std::string(3100, 'x'));
  ChooseDataRadix(d.settings, 3);
  // Cancel drops the model: the record is as it was.
  EXPECT_EQ(list.types[1].text, before.text);
  EXPECT_EQ(list.types[1].ext, before.ext);
  EXPECT_EQ(list.types[1].view, before.view);

  StoreFileTypeDetail(d, list.types[1]);
  EXPECT_EQ(list.types[1].text, "edited");
  EXPECT_EQ(list.types[1].ext, std::string(3074, 'x'));
  EXPECT_EQ(list.types[1].view, kOptSystemColors | 3u);
}

}  // namespace
