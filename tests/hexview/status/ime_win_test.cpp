// The IME requests of the status routine, through a stand-in for the system's
// IME message service: where the conversion window goes, the font, and what
// happens without the service or when it refuses.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "hexview/status/ime_win.h"
#include "hexview/status/status_line_win.h"
#include "hexview/render/view_resources_win.h"
#include "hexview/input_helpers_win.h"

using namespace input;

namespace {

struct ImeCall {
  uint32_t fnc, wParam, lParam1;
  LogFont font;
};

std::vector<ImeCall> g_calls;
LRESULT g_answer = 1;

LRESULT WINAPI FakeService(HWND, LPARAM lParam) {
  auto block = reinterpret_cast<HGLOBAL>(lParam);
  const auto* words = static_cast<const uint32_t*>(GlobalLock(block));
  ImeCall call{words[0], words[1], words[5], {}};
  GlobalUnlock(block);
  if (call.fnc == 25) {
    auto fontBlock = reinterpret_cast<HGLOBAL>(static_cast<uintptr_t>(call.lParam1));
    std::memcpy(&call.font, GlobalLock(fontBlock), sizeof call.font);
    GlobalUnlock(fontBlock);
  }
  g_calls.push_back(call);
  return g_answer;
}

LRESULT WINAPI RefusingService(HWND hwnd, LPARAM lParam) {
  FakeService(hwnd, lParam);
  return 0;
}

TEST(ImePosition, FollowsTheCaretAndGoesHomeOnDeactivation) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, std::string(64, 'i'));
  Document* doc = DocumentOf(view);
  g_shell.ime.sendImeMessageEx = FakeService;
  g_calls.clear();
  SendMessageA(view, WM_SETFOCUS, 0, 0);
  ASSERT_FALSE(g_calls.empty());
  EXPECT_EQ(g_calls[0].fnc, 25u);  // the font first
  EXPECT_EQ(std::memcmp(&g_calls[0].font, &doc->font, sizeof(LogFont)), 0);
  g_calls.clear();
  Key(view, VK_DOWN);
  Key(view, VK_RIGHT, true);
  ASSERT_FALSE(g_calls.empty());
  const ImeCall& last = g_calls.back();
  EXPECT_EQ(last.fnc, 8u);
  EXPECT_EQ(last.wParam, 2u);
  const uint32_t x = (3 + 9) * static_cast<uint32_t>(doc->charWidth);  // byte 17's cell starts at column 3
  const uint32_t y = 2 * 2 * static_cast<uint32_t>(doc->charWidth);   // line 1 is row 2
  EXPECT_EQ(last.lParam1, (y << 16) | x);
  g_calls.clear();
  SendMessageA(view, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(view), 0);  // deactivated, nothing activated
  ASSERT_FALSE(g_calls.empty());
  EXPECT_EQ(g_calls.back().fnc, 8u);
  EXPECT_EQ(g_calls.back().wParam, 0u);  // default place
  EXPECT_EQ(StatusText(), "");
  g_shell.ime.sendImeMessageEx = nullptr;
}

TEST(ImePosition, NoServiceOrARefusingOneChangesNothingElse) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, "ABCD");
  g_shell.ime.sendImeMessageEx = nullptr;
  Key(view, VK_RIGHT, true);
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000001,WORD=4342");
  g_shell.ime.sendImeMessageEx = RefusingService;
  g_calls.clear();
  Key(view, VK_RIGHT, true);
  Key(view, VK_RIGHT, true);
  EXPECT_EQ(g_calls.size(), 1u);  // refused once, then left alone
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000003");
  EXPECT_TRUE(run.messages().texts().empty());
  EXPECT_TRUE(IsWindow(view));
  g_shell.ime.sendImeMessageEx = nullptr;
}

TEST(StatusLine, CaretScrolledOutOfViewStillDescribesTheCaret) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, std::string(16 * 60, 's'), 0, kEntryOverwrite, 760, 200);
  Key(view, VK_RIGHT, true);
  for (int i = 0; i < 20; ++i) SendMessageA(view, WM_VSCROLL, SB_LINEDOWN, 0);
  POINT caret;
  GetCaretPos(&caret);
  EXPECT_EQ(caret.x, -128);
  EXPECT_EQ(caret.y, -128);
  HexView* record = HexViewOf(view);
  RECT bar;
  GetWindowRect(record->markBar1, &bar);
  MapWindowPoints(nullptr, view, reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(bar.left, -128);
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000001,WORD=7373,DWORD=73737373");
}

}  // namespace
