// The image view on real windows under Wine: the pixels read back from the
// window after every kind of move, the caret a click gives the document window
// (its dump scrolled to show it), the band a short scroll repaints, and
// documents of the edge sizes.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

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

// A document window on bytes where value v is RGB(v, 255 - v, 7) on RGB(1, 2, 3).
HWND Open(ShellRun& run, ScratchFolder& folder, const Bytes& bytes) {
  HWND view = input::OpenView(run, folder, std::string(bytes.begin(), bytes.end()));
  Document& doc = *DocumentOf(view);
  doc.options &= ~kOptSystemColors;
  for (int v = 0; v < 256; ++v) doc.byteColors()[v] = RGB(v, 255 - v, 7);
  doc.backColor() = RGB(1, 2, 3);
  RebuildViewObjects(view);
  return view;
}

// The first pixel of the window that does not show the byte at its offset (from the line the scroll bar gives).
std::string Mismatch(const Bytes& bytes) {
  const std::vector<uint32_t> pixels = input::ClientPixels(Image());
  if (pixels.size() != 128 * 256) return "a client area of " + std::to_string(pixels.size()) + " pixels";
  const int64_t size = static_cast<int64_t>(bytes.size()), first = int64_t{Top()} * 128;
  for (int i = 0; i < 128 * 256; ++i) {
    const int64_t at = first + i;
    const uint32_t want = at < size ? uint32_t{bytes[at]} << 16 | (255u - bytes[at]) << 8 | 7 : 0x010203;
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
  EXPECT_FALSE(MenuItemEnabled(IDM_COPY) || DocumentOf(view)->anchor != -1 || IsWindowEnabled(g_shell.frame));
  EXPECT_EQ(TitleOf(Image()), "data.bin のｲﾒｰｼﾞ");
  constexpr UINT kAttachAt = 0;  // attach with the caret at the start of line wParam
  struct Step { UINT message; int wParam; int32_t top; LONG bandTop, bandBottom; };
  const Step steps[] = {
      {kAttachAt, 5, 5, 0, 256},              {WM_KEYDOWN, VK_DOWN, 16, 245, 256},
      {WM_KEYDOWN, VK_UP, 0, 0, 16},          {WM_KEYDOWN, VK_UP, 0, 0, 0},
      {WM_VSCROLL, SB_PAGEDOWN, 256, 0, 256}, {WM_VSCROLL, SB_LINEDOWN, 272, 240, 256},
      {WM_VSCROLL, SB_LINEUP, 256, 0, 16},    {WM_KEYDOWN, VK_PRIOR, 0, 0, 256},
      {WM_KEYDOWN, VK_END, 526, 0, 256},      {WM_VSCROLL, SB_PAGEUP, 512, 0, 14},
      {kAttachAt, 40, 40, 0, 256},            {WM_MOUSEWHEEL, -120, 48, 248, 256},
      {WM_MOUSEWHEEL, -360, 96, 208, 256},    {WM_MOUSEWHEEL, 240, 80, 0, 16},
      {WM_MOUSEWHEEL, 60, 80, 0, 0},          {kAttachAt, 781, 526, 0, 256},
      {WM_MOUSEWHEEL, 1200, 512, 0, 14}};
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
  const Document& doc = *DocumentOf(view);  // the dump scrolls to show the caret's line, 144
  EXPECT_TRUE(doc.caret == 2314 && doc.scrollLine <= 144 && 144 < doc.scrollLine + MetricsOf(doc).pageLines);
  EXPECT_EQ(StatusText().rfind("ｱﾄﾞﾚｽ=0000090A,", 0), 0u) << StatusText();
  Send(WM_KEYDOWN, VK_ESCAPE);
  EXPECT_TRUE(!IsWindowVisible(Image()) && IsWindowEnabled(g_shell.frame));
}

// Documents of the edge sizes (empty, one byte, one screen exactly, one screen
// and a bit), cut into blocks that split pixel lines: the picture at the last
// screen, and a click past the end.
TEST(ImageViewWindow, EdgeSizesShowEveryByteAndClicksPastTheEndLandOnIt) {
  for (int32_t length : {0, 1, 32768, 40000}) {
    SCOPED_TRACE(length);
    ShellRun run;
    ScratchFolder folder;
    const Bytes bytes = RandomBytes(length, 11);
    HWND view = Open(run, folder, bytes);
    SetBlocksOf(*DocumentOf(view), bytes, {1000, 77});
    Attach(view, length);
    Send(WM_KEYDOWN, VK_END);
    const int32_t top = Top();
    EXPECT_EQ(top, std::max(0, (length + 127) / 128 - 256));
    EXPECT_EQ(Mismatch(bytes), "");
    input::Click(Image(), 127, 255);
    EXPECT_EQ(DocumentOf(view)->caret, std::min<int64_t>((top + 255) * 128 + 127, length));
  }
}

}  // namespace
