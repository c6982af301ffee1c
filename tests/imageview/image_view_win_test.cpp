// The image view on real windows under Wine: the pixels read back from the
// window after every kind of move, the caret a click gives the document window,
// the band a short scroll repaints, and random sessions over edge-case and random
// documents in which no scroll may leave a stale row and every click lands on
// the byte its pixel shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "hexview/input/caret_geometry.h"
#include "hexview/input_helpers_win.h"
#include "hexview/render/view_resources_win.h"
#include "imageview/image_view_win.h"
#include "resources/resource_ids.h"
#include "support/doc_builders.h"

namespace {

using Bytes = std::vector<uint8_t>;

HWND Image() { return g_shell.imageView; }
int32_t Top() { return GetScrollPos(Image(), SB_VERT); }
void Send(UINT message, WPARAM wParam) { SendMessageA(Image(), message, wParam, 0); }

// Closes the view when it shows, then attaches it to view with the caret at caret.
void Attach(HWND view, int32_t caret) {
  Send(WM_CLOSE, 0);
  DocumentOf(view)->caret = caret;
  SendMessageA(Image(), kImageAttachMessage, 0, reinterpret_cast<LPARAM>(view));
}

// A document window on bytes where value v is RGB(v, 255 - v, 7) on RGB(1, 2, 3), or in the system colours.
HWND Open(ShellRun& run, ScratchFolder& folder, const Bytes& bytes, bool system = false) {
  HWND view = input::OpenView(run, folder, std::string(bytes.begin(), bytes.end()));
  Document& doc = *DocumentOf(view);
  if (!system) doc.options &= ~kOptSystemColors;
  for (int v = 0; v < 256; ++v) doc.byteColors()[v] = RGB(v, 255 - v, 7);
  doc.backColor() = RGB(1, 2, 3);
  RebuildViewObjects(view);
  return view;
}

uint32_t ReadBack(COLORREF c) { return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF); }

// The first pixel of the window that does not show the byte at its offset (from the line the scroll bar gives).
std::string Mismatch(const Bytes& bytes, bool system = false) {
  const std::vector<uint32_t> pixels = input::ClientPixels(Image());
  if (pixels.size() != 128 * 256) return "a client area of " + std::to_string(pixels.size()) + " pixels";
  const int64_t size = static_cast<int64_t>(bytes.size()), first = int64_t{Top()} * 128;
  for (int i = 0; i < 128 * 256; ++i) {
    const int64_t at = first + i;
    const uint32_t want = system ? ReadBack(GetSysColor(at < size ? COLOR_WINDOWTEXT : COLOR_HIGHLIGHTTEXT))
                          : at < size ? uint32_t{bytes[at]} << 16 | (255u - bytes[at]) << 8 | 7 : 0x010203;
    if (pixels[i] != want) return "pixel (" + std::to_string(i % 128) + ", " + std::to_string(i / 128) + ")";
  }
  return "";
}

// Every move from the line before: the line shown, the band of rows left to
// repaint (a short move scrolls the rest) and the picture; then clicks.
TEST(ImageViewWindow, KeysScrollBarAndWheelStepAndClicksMoveTheCaret) {
  ShellRun run;
  ScratchFolder folder;
  const Bytes bytes = RandomBytes(100000, 7);  // 782 lines: the last screen starts at 526
  HWND view = Open(run, folder, bytes);
  DocumentOf(view)->caret = 9;
  input::Key(view, VK_LEFT, false, true);  // a selection, which the attach drops
  ASSERT_TRUE(MenuItemEnabled(IDM_COPY));
  Attach(view, 0);
  EXPECT_FALSE(MenuItemEnabled(IDM_COPY) || DocumentOf(view)->anchor != -1);
  EXPECT_EQ(TitleOf(Image()), "data.bin のｲﾒｰｼﾞ");
  EXPECT_FALSE(IsWindowEnabled(g_shell.frame));
  constexpr UINT kAttachAt = 0;  // attach with the caret at the start of line wParam
  struct Step { UINT message; int wParam; int32_t top; LONG bandTop, bandBottom; };
  const Step steps[] = {
      {kAttachAt, 5, 5, 0, 256},              {WM_KEYDOWN, VK_DOWN, 16, 245, 256},
      {WM_KEYDOWN, VK_UP, 0, 0, 16},          {WM_KEYDOWN, VK_UP, 0, 0, 0},
      {WM_VSCROLL, SB_PAGEDOWN, 256, 0, 256}, {WM_VSCROLL, SB_LINEDOWN, 272, 240, 256},
      {WM_VSCROLL, SB_LINEUP, 256, 0, 16},    {WM_KEYDOWN, VK_PRIOR, 0, 0, 256},
      {WM_KEYDOWN, VK_END, 526, 0, 256},      {WM_KEYDOWN, VK_NEXT, 526, 0, 0},
      {WM_VSCROLL, SB_PAGEUP, 512, 0, 14},    {WM_KEYDOWN, VK_HOME, 0, 0, 256},
      {kAttachAt, 40, 40, 0, 256},            {WM_MOUSEWHEEL, 120, 32, 0, 8},
      {kAttachAt, 40, 40, 0, 256},            {WM_MOUSEWHEEL, -120, 48, 248, 256},
      {WM_MOUSEWHEEL, -360, 96, 208, 256},    {WM_MOUSEWHEEL, 240, 80, 0, 16},
      {WM_MOUSEWHEEL, 60, 80, 0, 0},          {kAttachAt, 781, 526, 0, 256},
      {WM_VSCROLL, SB_LINEDOWN, 526, 0, 0},   {WM_KEYDOWN, VK_UP, 512, 0, 14},
      {kAttachAt, 781, 526, 0, 256},          {WM_MOUSEWHEEL, 1200, 512, 0, 14}};
  for (const Step& s : steps) {
    UpdateWindow(Image());
    if (s.message == kAttachAt) Attach(view, s.wParam * 128);
    if (s.message != kAttachAt) Send(s.message, s.message == WM_MOUSEWHEEL ? MAKEWPARAM(0, s.wParam) : s.wParam);
    RECT band = {}, want = {0, s.bandTop, s.bandBottom > 0 ? 128 : 0, s.bandBottom};
    GetUpdateRect(Image(), &band, FALSE);
    EXPECT_TRUE(EqualRect(&band, &want)) << s.message << " " << s.wParam << ": " << band.top << ".." << band.bottom;
    EXPECT_EQ(Top(), s.top) << s.message << " " << s.wParam;
    EXPECT_EQ(Mismatch(bytes), "") << s.message << " " << s.wParam;
  }
  Attach(view, 16 * 128);
  input::Click(Image(), 10, 2);
  EXPECT_EQ(DocumentOf(view)->caret, 2314);
  EXPECT_EQ(StatusText().rfind("ｱﾄﾞﾚｽ=0000090A,", 0), 0u) << StatusText();
  Send(WM_KEYDOWN, VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(Image()));
  EXPECT_TRUE(IsWindowEnabled(g_shell.frame));
}

// Random keys, scroll-bar codes, wheel turns, clicks and attaches on documents
// of the edge sizes (empty, one byte, one screen exactly, one screen and a bit)
// and random ones, in the byte colours or the system colours, cut into blocks of
// random lengths; one or two moves before each look, so that a scroll may also
// move a band not yet repainted.
TEST(ImageViewWindow, RandomSessionsNeverShowAStaleRow) {
  std::mt19937 rng(20240611);
  const UINT keys[] = {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME, VK_END};
  for (int round = 0; round < 6; ++round) {
    ShellRun run;
    ScratchFolder folder;
    const int32_t sizes[] = {0, 1, 32768, 40000};
    const int32_t length = round < 4 ? sizes[round] : static_cast<int32_t>(rng() % 300000);
    const bool system = round % 3 == 1;
    const Bytes bytes = RandomBytes(length, rng());
    HWND view = Open(run, folder, bytes, system);
    Document& doc = *DocumentOf(view);
    SetBlocksOf(doc, bytes, {1 + static_cast<int32_t>(rng() % 65535), 1 + static_cast<int32_t>(rng() % 300)});
    const int32_t maxTop = std::max(0, (length + 127) / 128 - 256);
    for (int step = 0; step < 80 && !HasFailure(); ++step) {
      for (int moves = step == 0 ? 0 : static_cast<int>(rng() % 2); moves >= 0; --moves) {
        const int x = static_cast<int>(rng() % 128), y = static_cast<int>(rng() % 256), top = Top();
        switch (step == 0 ? 4 : rng() % 5) {
          case 0: Send(WM_KEYDOWN, keys[rng() % 6]); break;
          case 1: Send(WM_VSCROLL, rng() % 4); break;
          case 2: Send(WM_MOUSEWHEEL, MAKEWPARAM(0, rng() % 1441 - 720)); break;
          case 3:
            input::Click(Image(), x, y);
            EXPECT_EQ(doc.caret, std::min<int64_t>((int64_t{top} + y) * 128 + x, length)) << x << ", " << y;
            EXPECT_LE(doc.scrollLine, doc.caret / 16);
            EXPECT_LT(doc.caret / 16, doc.scrollLine + MetricsOf(doc).pageLines);
            break;
          default:
            Attach(view, static_cast<int32_t>(rng() % (length + 1)));
            EXPECT_EQ(Top(), std::min(doc.caret / 128, maxTop));
        }
        EXPECT_LE(Top(), maxTop);
      }
      int low = -1, high = -1;
      GetScrollRange(Image(), SB_VERT, &low, &high);
      EXPECT_EQ(high, (length + 127) / 128) << "round " << round;
      EXPECT_EQ(Mismatch(bytes, system), "") << "round " << round << ", step " << step << ", top " << Top();
    }
  }
}

}  // namespace
