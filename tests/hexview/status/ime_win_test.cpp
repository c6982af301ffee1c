// The IME requests of a document window through a stand-in for the system's
// IME message service: where the conversion window goes, the font, and what
// happens without the service or when it refuses.
#include "hexview/status/ime_win.h"

#include <cstring>

#include "hexview/view_fixture_win.h"

namespace {

struct ImeCall {
  uint32_t fnc, wParam, lParam1;
  LogFont font;
};

std::vector<ImeCall> g_calls;

LRESULT WINAPI FakeService(HWND, LPARAM lParam) {
  auto block = reinterpret_cast<HGLOBAL>(lParam);
  const auto* words = static_cast<const uint32_t*>(GlobalLock(block));
  ImeCall call{words[0], words[1], words[5], {}};
  GlobalUnlock(block);
  if (call.fnc == 25) {  // the font, in a block of its own
    auto fontBlock = reinterpret_cast<HGLOBAL>(static_cast<uintptr_t>(call.lParam1));
    std::memcpy(&call.font, GlobalLock(fontBlock), sizeof call.font);
    GlobalUnlock(fontBlock);
  }
  g_calls.push_back(call);
  return 1;
}

LRESULT WINAPI RefusingService(HWND hwnd, LPARAM lParam) {
  FakeService(hwnd, lParam);
  return 0;
}

using Ime = ViewTest;

TEST_F(Ime, PositionFollowsTheCaretAndGoesHomeOnDeactivation) {
  Open(std::string(64, 'i'));
  g_shell.ime.sendImeMessageEx = FakeService;
  g_calls.clear();
  SendMessageA(view, WM_SETFOCUS, 0, 0);
  ASSERT_FALSE(g_calls.empty());
  EXPECT_TRUE(g_calls[0].fnc == 25u && std::memcmp(&g_calls[0].font, &doc->font, sizeof(LogFont)) == 0);  // font first
  g_calls.clear();
  Key(view, VK_DOWN);
  Key(view, VK_RIGHT, true);
  ASSERT_FALSE(g_calls.empty());
  const uint32_t x = (3 + 9) * static_cast<uint32_t>(doc->charWidth);  // byte 17's cell starts at column 3
  const uint32_t y = 2 * 2 * static_cast<uint32_t>(doc->charWidth);   // line 1 is row 2
  EXPECT_TRUE(g_calls.back().fnc == 8u && g_calls.back().wParam == 2u && g_calls.back().lParam1 == ((y << 16) | x));
  g_calls.clear();
  SendMessageA(view, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(view), 0);  // deactivated, nothing activated
  ASSERT_FALSE(g_calls.empty());
  EXPECT_TRUE(g_calls.back().fnc == 8u && g_calls.back().wParam == 0u);  // default place
  EXPECT_EQ(StatusText(), "");
}

TEST_F(Ime, NoServiceOrARefusingOneChangesNothingElse) {
  Open("ABCD");
  g_shell.ime.sendImeMessageEx = nullptr;
  Key(view, VK_RIGHT, true);
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000001,WORD=4342");
  g_shell.ime.sendImeMessageEx = RefusingService;
  g_calls.clear();
  Key(view, VK_RIGHT, true);
  Key(view, VK_RIGHT, true);
  EXPECT_EQ(g_calls.size(), 1u);  // refused once, then left alone
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000003");
  EXPECT_TRUE(run.messages().texts().empty() && IsWindow(view));
}

}  // namespace
