// The template list and detail dialogs under Wine, answered from the test, and
// a template made in them that outlives the program: written to the registry at
// exit and shown by the next run over a real file.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "shell/dialog_win.h"
#include "shell/shell.h"
#include "structs/structure_list_dialog_win.h"
#include "support/dialog_driver_win.h"
#include "support/settings_registry_win.h"
#include "support/shell_fixture_win.h"

namespace {

void Command(UINT id) { SendMessageA(g_shell.frame, WM_COMMAND, id, 0); }
void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
void Spin(HWND dialog, int code) {
  SendMessageA(dialog, WM_VSCROLL, static_cast<WPARAM>(code),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_STRUCTDETAIL_SPIN)));
}
void Notify(HWND dialog, int id, int code) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::vector<std::string> Entries(HWND dialog, int list) {
  std::vector<std::string> out;
  const int n = static_cast<int>(SendDlgItemMessageA(dialog, list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    char text[256] = {};
    SendDlgItemMessageA(dialog, list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    out.push_back(text);
  }
  return out;
}

int Selection(HWND dialog) {
  return static_cast<int>(SendDlgItemMessageA(dialog, IDC_STRUCTLIST_LIST, LB_GETCURSEL, 0, 0));
}

// Drags entry `from` onto entry `to` with the pointer, as a user does.
void Drag(HWND dialog, int from, int to) {
  HWND list = GetDlgItem(dialog, IDC_STRUCTLIST_LIST);
  for (int step = 0; step < 3; ++step) {
    RECT r = {};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(step == 0 ? from : to), reinterpret_cast<LPARAM>(&r));
    POINT at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2}, screen = at;
    ClientToScreen(list, &screen);
    SetCursorPos(screen.x, screen.y);
    Sleep(300);  // the system takes the new position up only after a moment
    const UINT messages[] = {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP};
    SendMessageA(list, messages[step], step < 2 ? MK_LBUTTON : 0, MAKELPARAM(at.x, at.y));
  }
}

Structure Named(const char* name) {
  Structure s;
  s.name = name;
  s.members = {StructureMember{"m", 0, 1, kMemberByte}};
  LayOutStructure(s);
  return s;
}

TEST(StructureListDialog, DragMoveDeleteNewAndNothingToEditOnAnEmptyList) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  g_structures.structures = {Named("A"), Named("B"), Named("C")};
  g_structures.count = 3;
  g_structures.lastUsed = 2;
  DialogDriver dialogs;
  dialogs.Then([&](HWND d) {
    EXPECT_EQ(Selection(d), 2) << "the template last used";
    EXPECT_FALSE(Enabled(d, IDC_STRUCTLIST_MOVE));
    Drag(d, 0, 2);
    EXPECT_EQ(Entries(d, IDC_STRUCTLIST_LIST), (std::vector<std::string>{"B", "C", "A"}));
    EXPECT_EQ(Selection(d), 2);
    EXPECT_EQ(g_structures.structures[2].name, "A");
    SendDlgItemMessageA(d, IDC_STRUCTLIST_LIST, LB_SETCURSEL, 1, 0);
    Notify(d, IDC_STRUCTLIST_LIST, LBN_SELCHANGE);
    Click(d, IDC_STRUCTLIST_MOVE);
    EXPECT_EQ(Entries(d, IDC_STRUCTLIST_LIST), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(Selection(d), 1);
    for (const char* left : {"B|C", "B", ""}) {
      Click(d, IDC_STRUCTLIST_DELETE);
      std::string shown;
      for (const std::string& e : Entries(d, IDC_STRUCTLIST_LIST)) shown += (shown.empty() ? "" : "|") + e;
      EXPECT_EQ(shown, left);
    }
    EXPECT_FALSE(Enabled(d, IDC_STRUCTLIST_DELETE) || Enabled(d, IDC_STRUCTLIST_EDIT));
    Notify(d, IDC_STRUCTLIST_EDIT, BN_CLICKED);
    Notify(d, IDC_STRUCTLIST_LIST, LBN_DBLCLK);
    Click(d, IDC_STRUCTLIST_NEW);
    EXPECT_EQ(Entries(d, IDC_STRUCTLIST_LIST), std::vector<std::string>{"新規構造体"});
    const StructureMember& m = g_structures.structures[0].members.at(0);
    EXPECT_TRUE(m.description == "新規ﾒﾝﾊﾞ" && m.byteCount == 1 && m.viewFlags == 0) << "an editable hexadecimal BYTE";
    EXPECT_TRUE(Enabled(d, IDC_STRUCTLIST_DELETE) && !Enabled(d, IDC_STRUCTLIST_MOVE));
    DialogDriver::Press(d, IDCANCEL);
  });
  Command(IDM_STRUCTURES);
  EXPECT_EQ(dialogs.dialogsSeen(), 1) << "an empty list opens no template";
  EXPECT_TRUE(g_structures.count == 1 && g_structures.lastUsed == 0 && g_structures.minimumSize == 1);
  EXPECT_TRUE(MenuItemEnabled(IDM_INFO));
}

TEST(StructureDetailDialog, ByteCountLimitsAndTheControlsEachKindEnables) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  Structure s = Named("T");
  DialogDriver dialogs;
  dialogs.Then([&](HWND d) {
    EXPECT_FALSE(Enabled(d, IDOK) || Enabled(d, IDC_STRUCTDETAIL_BYTECOUNT) ||
                 Enabled(d, IDC_STRUCTDETAIL_DELETEMEMBER));
    Click(d, 112);  // WORD
    EXPECT_EQ(DialogDriver::Text(d, IDC_STRUCTDETAIL_BYTECOUNT), "2");
    EXPECT_TRUE(Enabled(d, IDC_STRUCTDETAIL_MOTOROLA) && Enabled(d, IDOK));
    EXPECT_FALSE(Enabled(d, IDC_STRUCTDETAIL_BYTECOUNT) || Enabled(d, IDC_STRUCTDETAIL_UNICODE));
    Click(d, 114);  // 文字列
    EXPECT_TRUE(Enabled(d, IDC_STRUCTDETAIL_BYTECOUNT) && Enabled(d, IDC_STRUCTDETAIL_SPIN) &&
                Enabled(d, IDC_STRUCTDETAIL_UNICODE));
    EXPECT_FALSE(Enabled(d, 117) || Enabled(d, IDC_STRUCTDETAIL_MOTOROLA));
    struct Step {
      const char* typed;
      int spin;  // -1: none
      const char* shown;
      bool newEnabled;
    } steps[] = {{"1023", -1, "1023", true}, {nullptr, SB_LINEUP, "1024", false}, {nullptr, SB_LINEUP, "1024", false},
                 {"0", -1, "0", false},      {nullptr, SB_LINEDOWN, "1", true},   {nullptr, SB_LINEDOWN, "1", true},
                 {"-3", -1, "-3", false},    {"12x", -1, "12x", false},           {"abc", SB_ENDSCROLL, "1", true},
                 {" 9", -1, " 9", true},     {"1023", -1, "1023", true},          {"", -1, "", false},
                 {"0", -1, "0", false}};
    for (const Step& step : steps) {
      if (step.typed != nullptr) DialogDriver::SetText(d, IDC_STRUCTDETAIL_BYTECOUNT, step.typed);
      if (step.spin >= 0) Spin(d, step.spin);
      EXPECT_EQ(DialogDriver::Text(d, IDC_STRUCTDETAIL_BYTECOUNT), step.shown);
      EXPECT_EQ(Enabled(d, IDC_STRUCTDETAIL_NEWMEMBER), step.newEnabled) << step.shown;
    }
    Click(d, IDC_STRUCTDETAIL_NOTEDITABLE);
    DialogDriver::Press(d, IDOK);
  });
  EXPECT_EQ(EditStructure(g_shell.mdiClient, s), kDialogOk);
  ASSERT_EQ(s.members.size(), 1u);
  EXPECT_EQ(s.members[0].byteCount, 1023) << "0 and 1024 are shown, never stored";
  EXPECT_EQ(s.members[0].viewFlags, kMemberString | kMemberNotEditable);
  EXPECT_EQ(s.totalSize, 1023);
}

TEST(StructureDetailDialog, CancelLeavesTheTemplateExactlyAsItWas) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  Structure& pe = g_structures.structures[2];
  const Structure before = pe;
  DialogDriver dialogs;
  dialogs.Then([&](HWND d) {
    DialogDriver::SetText(d, IDC_STRUCTDETAIL_NAME, "X");
    SendDlgItemMessageA(d, IDC_STRUCTDETAIL_MEMBERS, LB_SETCURSEL, 3, 0);
    Notify(d, IDC_STRUCTDETAIL_MEMBERS, LBN_SELCHANGE);
    Click(d, IDC_STRUCTDETAIL_DELETEMEMBER);
    Click(d, 115);
    DialogDriver::SetText(d, IDC_STRUCTDETAIL_DESCRIPTION, "new");
    Click(d, IDC_STRUCTDETAIL_NEWMEMBER);
    EXPECT_EQ(Entries(d, IDC_STRUCTDETAIL_MEMBERS)[4], "new");
    DialogDriver::Press(d, IDCANCEL);
  });
  EXPECT_EQ(EditStructure(g_shell.mdiClient, pe), kDialogCancel);
  EXPECT_EQ(pe.name, before.name);
  EXPECT_EQ(pe.totalSize, before.totalSize);
  ASSERT_EQ(pe.members.size(), before.members.size());
  for (size_t i = 0; i < pe.members.size(); ++i) {
    const StructureMember &a = pe.members[i], &b = before.members[i];
    EXPECT_TRUE(a.description == b.description && a.offset == b.offset && a.byteCount == b.byteCount &&
                a.viewFlags == b.viewFlags)
        << i;
  }
}

// The test host started with arguments; ended if still running.
class Program {
 public:
  explicit Program(const std::string& arguments) : started_(StartTestHost(arguments, &info_)) {}
  ~Program() {
    if (started_ && WaitForSingleObject(info_.hProcess, 20000) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
    if (started_) CloseHandle(info_.hProcess), CloseHandle(info_.hThread);
  }
  // The visible top-level window of the class in this process, waiting for it.
  HWND Window(const char* className) {
    HWND found = nullptr;
    for (int waited = 0; started_ && found == nullptr && waited < 30000; waited += 50, Sleep(50))
      found = FindWindowOf(info_.dwProcessId, className);
    return found;
  }
  bool Ended() { return WaitForSingleObject(info_.hProcess, 20000) == WAIT_OBJECT_0; }

 private:
  PROCESS_INFORMATION info_;
  bool started_;
};

// A control's text in another process (GetWindowTextA would not ask the control).
std::string Text(HWND control) {
  char text[256] = {};
  SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

// The text of child id of window once it reads expected (or the last one read, after ten seconds).
std::string ChildText(HWND window, int id, const std::string& expected) {
  std::string text;
  for (int waited = 0; waited < 10000 && text != expected; waited += 50, Sleep(50))
    text = GetDlgItem(window, id) != nullptr ? Text(GetDlgItem(window, id)) : "";
  return text;
}

TEST(StructurePersistence, ATemplateMadeInTheDialogsIsShownByTheNextRun) {
  TestRegistryKey key;
  const std::string programKey = "Software\\Halvorsk\\Varnel";
  auto raw = [&](const std::string& subkey, const std::string& name) {
    return key.Get(programKey + (subkey.empty() ? "" : "\\" + subkey), name).value_or(MemoryValue{}).data;
  };
  ScratchFolder folder;
  const std::string noIni = "/I" + folder.File("none.ini");
  {
    CurrentUserOverride currentUser(key);
    ShellRun run;
    ASSERT_TRUE(run.Start("/Q7 " + noIni));
    DialogDriver dialogs;
    dialogs.Then([](HWND list) {
      DialogDriver::Press(list, IDC_STRUCTLIST_NEW);
      DialogDriver::Press(list, IDC_STRUCTLIST_EDIT);
    });
    dialogs.Then([](HWND d) {
      DialogDriver::SetText(d, IDC_STRUCTDETAIL_NAME, "記録");
      DialogDriver::SetText(d, IDC_STRUCTDETAIL_DESCRIPTION, "番号");
      for (int id : {112, 121, IDC_STRUCTDETAIL_MOTOROLA, IDC_STRUCTDETAIL_NEWMEMBER, 114}) Click(d, id);
      DialogDriver::SetText(d, IDC_STRUCTDETAIL_DESCRIPTION, "名前");
      DialogDriver::SetText(d, IDC_STRUCTDETAIL_BYTECOUNT, "6");
      DialogDriver::Press(d, IDOK);
      DialogDriver::Press(GetWindow(d, GW_OWNER), IDCANCEL);
    });
    Command(IDM_STRUCTURES);
    EXPECT_EQ(dialogs.dialogsSeen(), 2);
  }
  EXPECT_EQ(raw("", "imnum"), (std::vector<uint8_t>{5, 0, 0, 0}));
  EXPECT_EQ(raw("INFOMATION4", "infoview0000"), (std::vector<uint8_t>{0xC1, 0, 0, 0}));
  EXPECT_EQ(raw("INFOMATION4", "infonum0001"), (std::vector<uint8_t>{6, 0, 0, 0}));
  // The string keeps the radix and byte order the controls held, hidden.
  EXPECT_EQ(raw("INFOMATION4", "infoview0001"), (std::vector<uint8_t>{0xC3, 0, 0, 0}));
  auto text = [&](const std::string& name) {
    const std::vector<uint8_t> d = raw("INFOMATION4", name);
    return std::string(d.begin(), std::find(d.begin(), d.end(), 0));
  };
  EXPECT_EQ(text("text"), "記録");
  EXPECT_EQ(text("infotext0000"), "番号");
  EXPECT_EQ(text("infotext0001"), "名前");

  Program program(noIni + " " + Quote(folder.Write("rec.bin", "\xFF\xFEVarnel and more bytes after the record")));
  HWND frame = program.Window("Varnel Main Window Class");
  ASSERT_NE(frame, nullptr);
  PostMessageA(frame, WM_COMMAND, IDM_INFO, 0);
  HWND info = program.Window("INFOClass");
  ASSERT_NE(info, nullptr);
  HWND combo = GetDlgItem(GetDlgItem(info, IDC_INFO_TOOLBAR), IDC_INFO_COMBO);
  SendMessageA(info, WM_USER + 1, static_cast<WPARAM>(SendMessageA(combo, CB_GETCOUNT, 0, 0) - 1), 0);
  EXPECT_EQ(Text(combo), "記録");
  EXPECT_EQ(TitleOf(info), "rec.bin の情報");
  PostMessageA(info, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(ChildText(info, IDC_INFO_EDIT, "-2"), "-2") << "FF FE, a signed Motorola WORD";
  PostMessageA(GetDlgItem(info, IDC_INFO_EDIT), WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageA(info, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(info, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(ChildText(info, IDC_INFO_EDIT, "Varnel"), "Varnel");
  PostMessageA(info, WM_CLOSE, 0, 0);
  PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.Ended());
}

}  // namespace
