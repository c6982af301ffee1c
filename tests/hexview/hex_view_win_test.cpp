// The document window keeps its record in a pointer-sized window long: a record
// far above 4 GiB (64-bit) or 2 GiB (32-bit, large-address-aware) must survive
// the round trip, or the window would act on a truncated pointer.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <new>

#include "hexview/render/view_resources_win.h"
#include "hexview/input_helpers_win.h"

namespace {

TEST(HexViewRecord, LivesInAPointerSizedWindowLong) {
  ScratchFolder folder;
  ShellRun run;
  HWND window = input::OpenView(run, folder, std::string(64, '\x11'));
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(GetClassLongPtrA(window, GCL_CBWNDEXTRA), static_cast<LONG_PTR>(sizeof(void*)));

  // A copy of the record at the top of the address space.
  void* high = VirtualAlloc(nullptr, 4096, MEM_RESERVE | MEM_COMMIT | MEM_TOP_DOWN, PAGE_READWRITE);
  ASSERT_NE(high, nullptr);
  if (sizeof(void*) == 8) {
    EXPECT_GT(reinterpret_cast<uintptr_t>(high), 0xFFFFFFFFull);
  }
  HexView* original = HexViewOf(window);
  ASSERT_NE(original, nullptr);
  auto* moved = new (high) HexView(*original);
  SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(moved));
  EXPECT_EQ(HexViewOf(window), moved);

  // The window now works through the moved record: Ctrl+Right moves the caret a byte.
  input::Key(window, VK_RIGHT, true);
  EXPECT_EQ(moved->doc->caret, 1);

  SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(original));
  moved->~HexView();
  VirtualFree(high, 0, MEM_RELEASE);
}

}  // namespace
