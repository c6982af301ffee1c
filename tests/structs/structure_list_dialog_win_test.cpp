// The template list and detail dialogs under Wine, answered from the test (the
// list's reordering rules are the model's).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "resources/resource_ids.h"
#include "shell/dialog_win.h"
#include "shell/shell.h"
#include "structs/structure_list_dialog_win.h"
#include "support/settings_part_helpers_win.h"
#include "support/shell_fixture_win.h"

namespace {

using settings::Click;

void Command(UINT id) { SendMessageA(g_shell.frame, WM_COMMAND, id, 0); }
void Notify(HWND dialog, int id, int code) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// The template list's entries, joined by "|".
std::string Entries(HWND dialog) {
  std::string out;
  for (int i = 0; i < static_cast<int>(SendDlgItemMessageA(dialog, IDC_STRUCTLIST_LIST, LB_GETCOUNT, 0, 0)); ++i) {
    char text[256] = {};
    SendDlgItemMessageA(dialog, IDC_STRUCTLIST_LIST, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    out += (i > 0 ? "|" : "") + std::string(text);
  }
  return out;
}

// A template of one editable hexadecimal BYTE.
Structure Named(const char* name) { return {name, {StructureMember{"m", 0, 1, kMemberByte}}, 1}; }

// Name, total and every member's fields, to compare whole templates.
std::string Shape(const Structure& s) {
  std::string out = s.name + "/" + std::to_string(s.totalSize);
  for (const StructureMember& m : s.members)
    out += "|" + m.description + " " + std::to_string(m.offset) + " " + std::to_string(m.byteCount) + " " +
           std::to_string(m.viewFlags);
  return out;
}

TEST(StructureListDialog, DeleteNewNothingToEditOnAnEmptyListAndTheDetailsOkAndCancel) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  g_structures.structures = {Named("A"), Named("B"), Named("C")};
  g_structures.count = 3;
  g_structures.lastUsed = 2;
  DialogDriver dialogs;
  dialogs.Then([&](HWND d) {
    EXPECT_EQ(SendDlgItemMessageA(d, IDC_STRUCTLIST_LIST, LB_GETCURSEL, 0, 0), 2) << "the template last used";
    for (const char* left : {"A|B", "A", ""}) {
      Click(d, IDC_STRUCTLIST_DELETE);
      EXPECT_EQ(Entries(d), left);
    }
    EXPECT_FALSE(DialogDriver::Enabled(d, IDC_STRUCTLIST_DELETE) || DialogDriver::Enabled(d, IDC_STRUCTLIST_EDIT));
    Notify(d, IDC_STRUCTLIST_EDIT, BN_CLICKED);
    Notify(d, IDC_STRUCTLIST_LIST, LBN_DBLCLK);
    Click(d, IDC_STRUCTLIST_NEW);
    EXPECT_EQ(Entries(d), "新規構造体");
    EXPECT_EQ(Shape(g_structures.structures[0]), "新規構造体/1|新規ﾒﾝﾊﾞ 0 1 0") << "an editable hexadecimal BYTE";
    DialogDriver::Press(d, IDCANCEL);
  });
  Command(IDM_STRUCTURES);
  EXPECT_EQ(dialogs.dialogsSeen(), 1) << "an empty list opens no template";
  EXPECT_TRUE(g_structures.count == 1 && g_structures.lastUsed == 0 && g_structures.minimumSize == 1);
  EXPECT_TRUE(MenuItemEnabled(IDM_INFO));
  // The detail dialog: OK stores the byte count within its limits, the name and the flags; Cancel leaves
  // a template exactly as it was.
  Structure s = Named("T");
  dialogs.Then([&](HWND d) {
    EXPECT_FALSE(DialogDriver::Enabled(d, IDOK) || DialogDriver::Enabled(d, IDC_STRUCTDETAIL_BYTECOUNT));
    Click(d, 112);  // WORD
    EXPECT_EQ(DialogDriver::Text(d, IDC_STRUCTDETAIL_BYTECOUNT), "2");
    EXPECT_TRUE(DialogDriver::Enabled(d, IDC_STRUCTDETAIL_MOTOROLA) && DialogDriver::Enabled(d, IDOK));
    Click(d, 114);  // 文字列
    EXPECT_TRUE(DialogDriver::Enabled(d, IDC_STRUCTDETAIL_BYTECOUNT));
    const std::tuple<const char*, int, const char*, bool> steps[] = {  // typed, spin (-1: none), shown, 新規 enabled
        {"1023", -1, "1023", true}, {nullptr, SB_LINEUP, "1024", false},   {"0", -1, "0", false},
        {nullptr, SB_LINEDOWN, "1", true}, {"-3", -1, "-3", false},        {"abc", SB_ENDSCROLL, "1", true},
        {" 9", -1, " 9", true},     {"1023", -1, "1023", true}};
    for (const auto& [typed, spin, shown, newEnabled] : steps) {
      if (typed != nullptr) DialogDriver::SetText(d, IDC_STRUCTDETAIL_BYTECOUNT, typed);
      if (spin >= 0) {
        SendMessageA(d, WM_VSCROLL, static_cast<WPARAM>(spin),
                     reinterpret_cast<LPARAM>(GetDlgItem(d, IDC_STRUCTDETAIL_SPIN)));
      }
      EXPECT_EQ(DialogDriver::Text(d, IDC_STRUCTDETAIL_BYTECOUNT), shown);
      EXPECT_EQ(DialogDriver::Enabled(d, IDC_STRUCTDETAIL_NEWMEMBER), newEnabled) << shown;
    }
    Click(d, IDC_STRUCTDETAIL_NOTEDITABLE);
    DialogDriver::SetText(d, IDC_STRUCTDETAIL_NAME, "名前");
    DialogDriver::SetText(d, IDC_STRUCTDETAIL_DESCRIPTION, "説明");
    DialogDriver::Press(d, IDOK);
  });
  dialogs.Then([&](HWND d) {
    DialogDriver::SetText(d, IDC_STRUCTDETAIL_NAME, "X");
    SendDlgItemMessageA(d, IDC_STRUCTDETAIL_MEMBERS, LB_SETCURSEL, 3, 0);
    Notify(d, IDC_STRUCTDETAIL_MEMBERS, LBN_SELCHANGE);
    Click(d, IDC_STRUCTDETAIL_DELETEMEMBER);
    Click(d, 115);
    DialogDriver::SetText(d, IDC_STRUCTDETAIL_DESCRIPTION, "new");
    Click(d, IDC_STRUCTDETAIL_NEWMEMBER);
    DialogDriver::Press(d, IDCANCEL);
  });
  EXPECT_EQ(EditStructure(g_shell.mdiClient, s), kDialogOk);
  EXPECT_EQ(Shape(s), "名前/1023|説明 0 1023 " + std::to_string(kMemberString | kMemberNotEditable))
      << "0 and 1024 are shown, never stored";
  InstallBuiltinStructures(g_structures);
  Structure& pe = g_structures.structures[2];
  const std::string before = Shape(pe);
  EXPECT_EQ(EditStructure(g_shell.mdiClient, pe), kDialogCancel);
  EXPECT_EQ(Shape(pe), before);
}

}  // namespace
