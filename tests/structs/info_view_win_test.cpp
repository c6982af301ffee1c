// The information view under Wine: the real pop-up over a real document window,
// reached through 情報 and driven with clicks and keys while the command waits
// in its own message loop.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "hexview/input_helpers_win.h"
#include "resources/resource_ids.h"
#include "structs/info_view_win.h"

using namespace input;

namespace {

std::function<void()> g_during;
bool g_ran = false;

void CALLBACK RunDuring(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  g_ran = true;
  std::exchange(g_during, nullptr)();
  if (IsWindowVisible(g_shell.infoView)) SendMessageA(g_shell.infoView, WM_CLOSE, 0, 0);
}

// Gives 情報 to the frame as the menu does. during runs inside the command's
// own message loop while the view is shown; the view is closed afterwards.
// Returns whether during ran.
bool WithInfoView(std::function<void()> during) {
  g_during = std::move(during);
  g_ran = false;
  UINT_PTR timer = SetTimer(nullptr, 0, 0, RunDuring);
  Command(IDM_INFO);
  KillTimer(nullptr, timer);
  g_during = nullptr;
  return g_ran;
}

HWND Info() { return g_shell.infoView; }
HWND Bar() { return GetDlgItem(Info(), IDC_INFO_TOOLBAR); }
HWND Box() { return GetDlgItem(Info(), IDC_INFO_EDIT); }
const InfoViewState& State() { return *InfoViewStateOf(Info()); }
std::string Address() { return TitleOf(GetDlgItem(Bar(), IDC_INFO_ADDRESS)); }

void ClickButton(int command) {
  RECT r = {};
  SendMessageA(Bar(), TB_GETRECT, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(&r));
  Click(Bar(), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// Buttons 137 to 140, "1" for enabled.
std::string Buttons() {
  std::string out;
  for (int c = IDM_INFO_BYTEBACK; c <= IDM_INFO_STRUCTFORWARD; ++c)
    out += SendMessageA(Bar(), TB_ISBUTTONENABLED, static_cast<WPARAM>(c), 0) ? '1' : '0';
  return out;
}

// Opens the edit box on the current row and returns its text.
std::string OpenBox() {
  Key(Info(), VK_RETURN);
  return Box() != nullptr ? TitleOf(Box()) : std::string("(none)");
}

class InfoViewTest : public ::testing::Test {
 protected:
  HWND Open(const std::string& bytes, int32_t caret, int32_t lastUsed) {
    if (!run_.Start("/Q0 " + Quote(folder_.Write("data.bin", bytes)))) return nullptr;
    view_ = DocumentWindows()[0];
    doc_ = DocumentOf(view_);
    doc_->caret = caret;
    g_structures.lastUsed = lastUsed;
    return view_;
  }
  ScratchFolder folder_;
  ShellRun run_;
  HWND view_ = nullptr;
  Document* doc_ = nullptr;
};

// A file below 18 bytes is refused with the built-in templates; over a longer one the buttons stop at both ends.
TEST_F(InfoViewTest, SmallFilesAreRefusedAndNavigationButtonsStopAtBothEndsOfTheDocument) {
  ASSERT_NE(Open(std::string(17, 'x'), 0, 0), nullptr);
  EXPECT_TRUE(!WithInfoView([] {}) && IsWindowEnabled(g_shell.frame));
  EXPECT_EQ(run_.messages().texts(), std::vector<std::string>{"ﾌｧｲﾙのｻｲｽﾞが小さすぎます"});
  run_.Close();
  ASSERT_NE(Open(std::string(100, 'x'), 0, 1), nullptr);  // WAVEFORMATEX, 18 bytes
  WithInfoView([&] {
    EXPECT_FALSE(IsWindowEnabled(g_shell.frame)) << "the frame waits while the view is shown";
    EXPECT_EQ(TitleOf(Info()), "data.bin の情報");
    // Button clicked or key pressed with Shift; the caret, the address shown and the buttons enabled.
    const std::tuple<int, UINT, const char*> steps[] = {
        {0, 0, "0 0 0101"},     {140, 0, "18 12 1111"}, {138, 0, "19 13 1111"},    {140, 0, "37 25 1111"},
        {140, 0, "55 37 1111"}, {140, 0, "73 49 1111"}, {140, 0, "82 52 1010"},    {138, 0, "82 52 1010"},
        {140, 0, "82 52 1010"}, {137, 0, "81 51 1111"}, {139, 0, "63 3F 1111"},    {0, VK_HOME, "0 0 0101"},
        {137, 0, "0 0 0101"},   {139, 0, "0 0 0101"},   {0, VK_END, "82 52 1010"}, {0, VK_LEFT, "81 51 1111"}};
    for (const auto& [command, shiftKey, shown] : steps) {
      if (command != 0) ClickButton(command);
      if (shiftKey != 0) Key(Info(), shiftKey, false, true);
      EXPECT_EQ(std::to_string(doc_->caret) + " " + Address() + " " + Buttons(), shown) << command << " " << shiftKey;
    }
    // Shift+Page Down/Up step through the fitting templates (0, 1, 3), with Ctrl to the ends; a
    // longer template moves the start back.
    const std::tuple<bool, UINT, int> switches[] = {{false, VK_NEXT, 2}, {false, VK_NEXT, 2}, {true, VK_PRIOR, 0},
                                                    {false, VK_NEXT, 1}, {true, VK_NEXT, 2},  {false, VK_PRIOR, 1}};
    for (const auto& [ctrl, key, item] : switches) {
      Key(Info(), key, ctrl, true);
      EXPECT_TRUE(State().comboItem == item && doc_->caret == 60) << ctrl << " " << key << " " << State().comboItem;
    }
  });
  EXPECT_EQ(doc_->caret, 60) << "the hex view takes the start address up";
  EXPECT_TRUE(IsWindowEnabled(g_shell.frame) && !IsWindowVisible(Info()) && g_structures.lastUsed == 1);
}

// Over a template of its own: a not-editable row opens no box, a UNICODE string takes UTF-16 text, and the
// edit is one undo step of the hex view.
TEST_F(InfoViewTest, AnEditIsOneUndoStepOfTheHexViewAndEscapeTwiceCloses) {
  const std::string original(40, '\x31');
  ASSERT_NE(Open(original, 5, 4), nullptr);
  // A not-editable WORD, unused bytes, a Motorola octal WORD and a UNICODE string.
  Structure mixed{"mixed",
                  {{"fixed", 0, 2, kMemberWord | kMemberNotEditable},
                   {"pad", 0, 3, kMemberUnused},
                   {"w", 0, 2, kMemberWord | kMemberMotorola | (1u << kMemberRadixShift)},
                   {"u", 0, 7, kMemberString | kMemberUnicode}}};
  LayOutStructure(mixed);
  g_structures.structures.push_back(mixed);
  g_structures.count = static_cast<int32_t>(g_structures.structures.size());
  UpdateMinimumSize(g_structures);
  std::string edited = original;
  edited.replace(5 + 7, 7, std::string("\x42\x30\x71\xFF\0\0\0", 7));
  WithInfoView([&] {
    ASSERT_EQ(State().rows[0].description, "fixed");
    SendMessageA(Info(), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    Key(Info(), VK_RETURN);
    EXPECT_EQ(Box(), nullptr);
    Key(Info(), VK_DOWN);
    EXPECT_EQ(OpenBox(), "030461") << "the Motorola octal WORD after the unused bytes";
    EXPECT_EQ(SendMessageA(Box(), EM_GETLIMITTEXT, 0, 0), 6);
    Key(Box(), VK_ESCAPE);
    Key(Info(), VK_DOWN);
    EXPECT_NE(OpenBox(), "(none)") << "the UNICODE string";
    SetWindowTextA(Box(), "あｱ");
    Key(Box(), VK_RETURN);
    EXPECT_EQ(DocumentBytes(view_), edited);
    EXPECT_TRUE(Box() == nullptr && doc_->caret == 5 && doc_->anchor == -1 && doc_->modified == 1);
    EXPECT_TRUE(UndoSteps(doc_) == 1 && Buttons() == "1111");
    OpenBox();
    EXPECT_EQ(Buttons(), "0000") << "no moves while editing";
    SetWindowTextA(Box(), "9");
    Key(Box(), VK_ESCAPE);
    EXPECT_TRUE(Box() == nullptr && IsWindowVisible(Info()) && DocumentBytes(view_) == edited);
    Key(Info(), VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(Info()));
  });
  EXPECT_TRUE(MenuItemEnabled(IDM_UNDO));
  Command(IDM_UNDO);
  EXPECT_EQ(DocumentBytes(view_), original);
}

}  // namespace
