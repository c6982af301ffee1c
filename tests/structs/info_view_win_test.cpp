// The information view under Wine: the real pop-up over a real document window,
// reached through 情報 and driven with clicks and keys while the command waits
// in its own message loop.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "hexview/input_helpers_win.h"
#include "core/codepage.h"
#include "resources/resource_ids.h"
#include "structs/info_view_win.h"
#include "structs/member_text.h"

using namespace input;

namespace {

std::function<void()> g_during;

void CALLBACK RunDuring(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  std::function<void()> during = std::move(g_during);
  g_during = nullptr;
  if (during) during();
  if (IsWindowVisible(g_shell.infoView)) SendMessageA(g_shell.infoView, WM_CLOSE, 0, 0);
}

// Gives 情報 to the frame as the menu does. during runs inside the command's
// own message loop while the view is shown; the view is closed afterwards.
// Returns whether during ran.
bool WithInfoView(std::function<void()> during) {
  bool ran = false;
  g_during = [&] {
    ran = true;
    during();
  };
  UINT_PTR timer = SetTimer(nullptr, 0, 0, RunDuring);
  Command(IDM_INFO);
  KillTimer(nullptr, timer);
  g_during = nullptr;
  return ran;
}

HWND Info() { return g_shell.infoView; }
HWND Bar() { return GetDlgItem(Info(), IDC_INFO_TOOLBAR); }
HWND Box() { return GetDlgItem(Info(), IDC_INFO_EDIT); }
const InfoViewState& State() { return *InfoViewStateOf(Info()); }
std::string Address() { return TitleOf(GetDlgItem(Bar(), IDC_INFO_ADDRESS)); }
std::string Hex(int32_t v) {
  char text[16];
  wsprintfA(text, "%X", v);
  return text;
}

void ClickButton(int command) {
  RECT r = {};
  SendMessageA(Bar(), TB_GETRECT, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(&r));
  ButtonDown(Bar(), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  ButtonUp(Bar(), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
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

void Commit(const std::string& text) {
  SetWindowTextA(Box(), text.c_str());
  Key(Box(), VK_RETURN);
}

StructureMember M(const char* d, int32_t n, uint32_t flags) { return {d, 0, n, flags}; }

// A template of every kind: a not-editable WORD first.
void AddMixedTemplate() {
  Structure s;
  s.name = "mixed";
  s.members = {M("fixed", 2, kMemberWord | kMemberNotEditable),
               M("pad", 3, kMemberUnused),
               M("w", 2, kMemberWord | kMemberMotorola | (1u << kMemberRadixShift)),
               M("u", 7, kMemberString | kMemberUnicode),
               M("s", 5, kMemberString),
               M("q", 4, kMemberSequence | (2u << kMemberRadixShift)),
               M("b", 1, kMemberByte | (4u << kMemberRadixShift))};
  LayOutStructure(s);
  g_structures.structures.push_back(s);
  g_structures.count = static_cast<int32_t>(g_structures.structures.size());
  UpdateMinimumSize(g_structures);
}

class InfoViewTest : public ::testing::Test {
 protected:
  HWND Open(const std::string& bytes, int32_t caret, int32_t lastUsed) {
    if (!run_.Start("/Q0 " + Quote(folder_.Write("data.bin", bytes)))) return nullptr;
    view_ = DocumentWindows()[0];
    doc_ = DocumentOf(view_);
    doc_->options |= kOptSystemColors;
    doc_->caret = caret;
    g_structures.lastUsed = lastUsed;
    return view_;
  }
  ScratchFolder folder_;
  ShellRun run_;
  HWND view_ = nullptr;
  Document* doc_ = nullptr;
};

TEST_F(InfoViewTest, FilesBelowEighteenBytesAreRefusedWithTheBuiltins) {
  ASSERT_NE(Open(std::string(17, 'x'), 0, 0), nullptr);
  EXPECT_FALSE(WithInfoView([] {}));
  ASSERT_EQ(run_.messages().texts(), std::vector<std::string>{"ﾌｧｲﾙのｻｲｽﾞが小さすぎます"});
  EXPECT_EQ(run_.messages().messages()[0].icon, MessageIcon::Information);
  EXPECT_TRUE(IsWindowEnabled(g_shell.frame));
}

TEST_F(InfoViewTest, ADocumentOneTemplateLongShowsItFromTheStart) {
  ASSERT_NE(Open(std::string(18, 'x'), 18, 0), nullptr);
  EXPECT_TRUE(WithInfoView([&] {
    EXPECT_FALSE(IsWindowEnabled(g_shell.frame)) << "the frame waits while the view is shown";
    EXPECT_EQ(TitleOf(Info()), "data.bin の情報");
    HWND combo = GetDlgItem(Bar(), IDC_INFO_COMBO);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(TitleOf(combo), "WAVEFORMATEX");
    EXPECT_TRUE(doc_->caret == 0 && Address() == "0") << "the caret at the end moves back to the start";
    EXPECT_EQ(Buttons(), "0000");
  }));
  EXPECT_TRUE(IsWindowEnabled(g_shell.frame) && !IsWindowVisible(Info()) && g_structures.lastUsed == 1);
}

TEST_F(InfoViewTest, NavigationButtonsStopAtBothEndsOfTheDocument) {
  ASSERT_NE(Open(std::string(100, 'x'), 0, 1), nullptr);  // WAVEFORMATEX, 18 bytes
  WithInfoView([&] {
    struct Step {
      int command;
      UINT shiftKey;
      int32_t caret;
      const char* buttons;
    } steps[] = {{0, 0, 0, "0101"},    {140, 0, 18, "1111"}, {138, 0, 19, "1111"},    {140, 0, 37, "1111"},
                 {140, 0, 55, "1111"}, {140, 0, 73, "1111"}, {140, 0, 82, "1010"},    {138, 0, 82, "1010"},
                 {140, 0, 82, "1010"}, {137, 0, 81, "1111"}, {139, 0, 63, "1111"},    {0, VK_HOME, 0, "0101"},
                 {137, 0, 0, "0101"},  {139, 0, 0, "0101"},  {0, VK_END, 82, "1010"}, {0, VK_LEFT, 81, "1111"}};
    for (const Step& s : steps) {
      if (s.command != 0) ClickButton(s.command);
      if (s.shiftKey != 0) Key(Info(), s.shiftKey, false, true);
      EXPECT_EQ(doc_->caret, s.caret) << s.command << " " << s.shiftKey;
      EXPECT_EQ(Address(), Hex(s.caret));
      EXPECT_EQ(Buttons(), s.buttons) << "at " << s.caret;
    }
  });
  EXPECT_EQ(doc_->caret, 81) << "the hex view takes the start address up";
}

TEST_F(InfoViewTest, UnusedMembersShiftTheRowsThatFollow) {
  std::string bytes(64, '\0');
  bytes.replace(0, 16, std::string("\x28\0\0\0\x80\x02\0\0\xE0\x01\0\0\x01\0\x18\0", 16));
  ASSERT_NE(Open(bytes, 0, 0), nullptr);
  WithInfoView([&] {
    ASSERT_EQ(State().rows[0].description, "幅");
    EXPECT_EQ(OpenBox(), "640") << "the bytes at offset 4";
    EXPECT_EQ(SendMessageA(Box(), EM_GETLIMITTEXT, 0, 0), 11);
    Key(Box(), VK_ESCAPE);
    Key(Info(), VK_DOWN);
    EXPECT_EQ(OpenBox(), "480");
    Key(Box(), VK_ESCAPE);
    Key(Info(), VK_DOWN);
    Key(Info(), VK_DOWN);
    EXPECT_EQ(OpenBox(), "24");
  });
}

// Pixels of the band of list row r (rows are 2 cw high below the toolbar).
std::vector<uint32_t> Band(int row) {
  std::vector<uint32_t> pixels = ClientPixels(Info());
  RECT client, bar;
  GetClientRect(Info(), &client);
  GetWindowRect(Bar(), &bar);
  const int cw = State().doc->charWidth, top = bar.bottom - bar.top + row * 2 * cw;
  return std::vector<uint32_t>(pixels.begin() + top * client.right, pixels.begin() + (top + 2 * cw) * client.right);
}

bool Has(const std::vector<uint32_t>& pixels, int sysColor) {
  const COLORREF c = GetSysColor(sysColor);
  const uint32_t rgb = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
  return std::find(pixels.begin(), pixels.end(), rgb) != pixels.end();
}

TEST_F(InfoViewTest, NotEditableRowsAreGreyEvenWhenCurrentAndDoNotOpen) {
  ASSERT_NE(Open(std::string(40, '\x31'), 0, 4), nullptr);
  AddMixedTemplate();
  WithInfoView([&] {
    ASSERT_EQ(State().rows[0].description, "fixed");
    const std::vector<uint32_t> current = Band(0);
    EXPECT_TRUE(Has(current, COLOR_HIGHLIGHT) && Has(current, COLOR_GRAYTEXT) && !Has(current, COLOR_HIGHLIGHTTEXT));
    SendMessageA(Info(), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    Key(Info(), VK_RETURN);
    EXPECT_EQ(Box(), nullptr);
    Key(Info(), VK_DOWN);
    EXPECT_TRUE(Has(Band(1), COLOR_HIGHLIGHTTEXT) && Has(Band(0), COLOR_GRAYTEXT) && !Has(Band(0), COLOR_WINDOWTEXT));
    EXPECT_EQ(OpenBox(), "030461") << "the Motorola octal WORD after the unused bytes";
  });
}

TEST_F(InfoViewTest, AnEditIsOneUndoStepOfTheHexViewAndEscapeTwiceCloses) {
  std::string original;
  for (int i = 0; i < 40; ++i) original += static_cast<char>(0x40 + i);
  ASSERT_NE(Open(original, 5, 1), nullptr);
  std::string edited = original;
  edited[7] = 0x01, edited[8] = 0x02;  // "ﾁｬﾝﾈﾙ", a decimal WORD at offset 2
  WithInfoView([&] {
    Key(Info(), VK_DOWN);
    EXPECT_EQ(OpenBox(), "18503");
    Commit("513");
    EXPECT_EQ(DocumentBytes(view_), edited);
    EXPECT_TRUE(Box() == nullptr && doc_->caret == 5 && doc_->anchor == -1 && doc_->modified == 1);
    EXPECT_TRUE(UndoSteps(doc_) == 1 && Buttons() == "1111");
    EXPECT_EQ(OpenBox(), "513");
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

// Random navigation, template switches, list keys and member edits through the
// real window; after every action the bytes, the start address, the address
// field and the buttons must agree with a model; undoing every edit in the hex
// view gives the original bytes back.
TEST_F(InfoViewTest, RandomSessionFollowsAByteModel) {
  std::mt19937 rng(1517);
  std::string original(160 + rng() % 100, '\0');
  for (char& c : original) c = static_cast<char>(rng());
  ASSERT_NE(Open(original, 3, 4), nullptr);
  AddMixedTemplate();
  static const char* const pieces[] = {"0", "1", "7", "9", "A", "F", "-", " ", ",", "Z", "あ", "ｱ", "12", "FF"};
  std::string model = original;
  int edits = 0;
  WithInfoView([&] {
    for (int step = 0; step < 300; ++step) {
      const InfoViewState& s = State();
      const int32_t size = s.structureSize, last = doc_->length - size, caret = doc_->caret;
      const int action = static_cast<int>(rng() % 5);
      int32_t expected = caret;
      if (action == 0) {
        const int command = IDM_INFO_BYTEBACK + static_cast<int>(rng() % 4);
        const int32_t moves[] = {-1, 1, -size, size};
        ClickButton(command);
        expected = std::clamp(caret + moves[command - IDM_INFO_BYTEBACK], 0, last);
      } else if (action == 1) {
        const UINT keys[] = {VK_PRIOR, VK_NEXT};
        const int items = static_cast<int>(s.comboItems.size());
        const bool ctrl = rng() % 3 == 0, forward = rng() % 2 == 0;
        const int item = ctrl ? (forward ? items - 1 : 0) : std::clamp(s.comboItem + (forward ? 1 : -1), 0, items - 1);
        Key(Info(), keys[forward], ctrl, true);
        ASSERT_EQ(s.comboItem, item);
        expected = std::min(caret, doc_->length - s.structureSize);
      } else if (action == 2) {
        const UINT keys[] = {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME, VK_END, VK_LEFT, VK_RIGHT};
        Key(Info(), keys[rng() % 8], rng() % 2 == 0);
      } else {
        const StructureMember row = s.rows[static_cast<size_t>(s.currentRow)];
        std::string text;
        for (unsigned n = rng() % 6; n > 0; --n) text += pieces[rng() % 14];
        OpenBox();
        ASSERT_EQ(Box() != nullptr, (row.viewFlags & kMemberNotEditable) == 0) << row.description;
        if (Box() == nullptr) continue;
        if (action == 3) {
          Commit(text);
          const bool wide = (row.viewFlags & kMemberUnicode) != 0;
          std::vector<uint8_t> put = wide ? ParseMemberValue(row, AnsiToUtf16(text)) : ParseMemberValue(row, text);
          model.replace(static_cast<size_t>(caret + row.offset), put.size(), std::string(put.begin(), put.end()));
          ++edits;
        } else {
          Key(Box(), VK_ESCAPE);
        }
      }
      ASSERT_EQ(DocumentBytes(view_), model) << "step " << step << " action " << action;
      ASSERT_EQ(doc_->caret, expected) << "step " << step << " action " << action;
      ASSERT_EQ(Address(), Hex(expected));
      const char* back = expected > 0 ? "1" : "0";
      const char* forward = expected < doc_->length - s.structureSize ? "1" : "0";
      ASSERT_EQ(Buttons(), std::string(back) + forward + back + forward);
      ASSERT_EQ(UndoSteps(doc_), edits);
      ASSERT_TRUE(s.currentRow >= s.topRow && s.currentRow < s.rowCount());
    }
  });
  EXPECT_GT(edits, 20);
  for (int i = 0; i < edits; ++i) Command(IDM_UNDO);
  EXPECT_EQ(DocumentBytes(view_), original);
}

}  // namespace
