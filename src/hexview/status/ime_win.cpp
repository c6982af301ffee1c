// IME requests: IMESTRUCT records in shareable global memory.
#include "hexview/status/ime_win.h"

#include <cstdint>
#include <cstring>

#include "hexview/view_state_win.h"
#include "shell/shell.h"

namespace {

// The system's request record, 32 bytes.
struct ImeRequest {
  uint32_t fnc;
  uint32_t wParam;
  uint32_t wCount;
  uint32_t dchSource;
  uint32_t dchDest;
  uint32_t lParam1;
  uint32_t lParam2;
  uint32_t lParam3;
};
static_assert(sizeof(ImeRequest) == 32, "IMESTRUCT is 32 bytes");

constexpr uint32_t kSetConversionWindow = 8;
constexpr uint32_t kSetConversionFont = 25;
constexpr uint32_t kWindowAtPoint = 2;
constexpr uint32_t kWindowDefault = 0;

HGLOBAL AllocRequest(const ImeRequest& request) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT, sizeof(ImeRequest));
  if (block == nullptr) return nullptr;
  void* p = GlobalLock(block);
  if (p == nullptr) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(p, &request, sizeof request);
  GlobalUnlock(block);
  return block;
}

bool ServiceUsable() {
  return g_shell.ime.sendImeMessageEx != nullptr && g_shell.ime.sendImeMessageEx != g_view.refusingImeService;
}

// Sends the request and frees its block (the service no longer refers to it).
bool Send(HWND view, HGLOBAL block) {
  const bool ok = g_shell.ime.sendImeMessageEx(view, reinterpret_cast<LPARAM>(block)) != 0;
  GlobalFree(block);
  if (!ok) g_view.refusingImeService = g_shell.ime.sendImeMessageEx;
  return ok;
}

}  // namespace

int SetImePosition(HWND view, int x, int y) {
  if (!ServiceUsable()) return 0;
  ImeRequest request{};
  request.fnc = kSetConversionWindow;
  request.wParam = y >= 0 ? kWindowAtPoint : kWindowDefault;
  request.lParam1 = (static_cast<uint32_t>(y & 0xFFFF) << 16) | static_cast<uint32_t>(x & 0xFFFF);
  HGLOBAL block = AllocRequest(request);
  if (block == nullptr) return 0;
  return Send(view, block) ? 0 : -1;
}

int SetImeFont(HWND view, const LogFont& font) {
  if (!ServiceUsable()) return 0;
  HGLOBAL fontBlock = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, sizeof(LogFont));
  if (fontBlock == nullptr) return 0;
  void* p = GlobalLock(fontBlock);
  if (p == nullptr) {
    GlobalFree(fontBlock);
    return 0;
  }
  std::memcpy(p, &font, sizeof font);
  GlobalUnlock(fontBlock);
  ImeRequest request{};
  request.fnc = kSetConversionFont;
  request.lParam1 = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(fontBlock));
  HGLOBAL block = AllocRequest(request);
  const bool ok = block == nullptr || Send(view, block);
  GlobalFree(fontBlock);
  return ok ? 0 : -1;
}
