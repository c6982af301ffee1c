// Replacing all 1,000,000 occurrences of 41 by 42 43 in 1,000,000 bytes of 41
// under Wine through the real Replace command: the program started in-process,
// its document window, the replace dialog answered by a hook, the progress
// dialog and the summary. Goal: at most 5 s. The same loop on a document
// without a window, run before and after the command in the same process (the
// better time counts), is the baseline of the ratio printed beside it.
// Afterwards one undo must take back the last replacement only.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/startup/startup.h"
#include "core/block_list.h"
#include "core/document.h"
#include "core/edit.h"
#include "core/user_message.h"
#include "hexview/hex_view_win.h"
#include "resources/resource_ids.h"
#include "search/replace_loop.h"
#include "search/search_options.h"
#include "shell/shell.h"
#include "win_bench_clock.h"

namespace {

constexpr int32_t kBytes = 1000000;
constexpr double kGoalSeconds = 5.0;

std::vector<std::string> g_messages;

MessageAnswer Record(void*, const char* text, MessageButtons, MessageIcon) {
  g_messages.push_back(text);
  return MessageAnswer::Ok;
}

// The replace dialog gets the pattern and the replacement typed as numbers and
// "すべて置換(&A)" pressed; every other dialog (the progress dialog) is left alone.
LRESULT CALLBACK AnswerReplaceDialog(int code, WPARAM wParam, LPARAM lParam) {
  const auto* info = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && info->message == WM_INITDIALOG && GetDlgItem(info->hwnd, IDC_REPLACE_ALL) != nullptr &&
      GetDlgItem(info->hwnd, IDC_REPLACE_WITH_NUMERIC) != nullptr) {
    SetDlgItemTextA(info->hwnd, IDC_REPLACE_NUMERIC, "41");
    SetDlgItemTextA(info->hwnd, IDC_REPLACE_WITH_NUMERIC, "42 43");
    PostMessageA(info->hwnd, WM_COMMAND, MAKEWPARAM(IDC_REPLACE_ALL, BN_CLICKED), 0);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

int CountSteps(const UndoStep* s) {
  int n = 0;
  for (; s != nullptr; s = s->next) ++n;
  return n;
}

// True when doc holds count pairs "BC" followed by tail.
bool HoldsPairs(Document& doc, int32_t count, const std::string& tail) {
  if (doc.length != 2 * count + static_cast<int32_t>(tail.size())) return false;
  std::vector<uint8_t> bytes(static_cast<size_t>(doc.length));
  if (ReadBytes(doc, 0, bytes.data(), doc.length) != doc.length) return false;
  for (int32_t i = 0; i < count; ++i)
    if (bytes[2 * static_cast<size_t>(i)] != 'B' || bytes[2 * static_cast<size_t>(i) + 1] != 'C') return false;
  return std::memcmp(bytes.data() + 2 * count, tail.data(), tail.size()) == 0;
}

// The baseline: the same loop on a document without a window or progress dialog.
double PlainLoop() {
  Document* doc = CreateDocument();
  std::vector<uint8_t> bytes(kBytes, 0x41);
  if (doc == nullptr || InsertBytes(*doc, 0, bytes.data(), kBytes) != kBytes) return 0;
  ReplaceRequest request;
  request.pattern.count = 1;
  request.pattern.bytes[0] = 0x41;
  request.replacement.count = 2;
  request.replacement.bytes[0] = 0x42;
  request.replacement.bytes[1] = 0x43;
  request.options = kSearchCaseSensitive | kSearchWidthSensitive;
  class NoQuestions final : public ReplaceQuestions {
    int Confirm(const ReplaceConfirm&) override { return kConfirmCancel; }
  } questions;
  NoProgress progress;
  double start = NowSeconds();
  ReplaceOutcome out = RunReplace(*doc, request, kReplaceAll, questions, nullptr, progress);
  double seconds = NowSeconds() - start;
  if (out.replaced != kBytes) std::printf("  (the plain loop replaced %d)\n", out.replaced);
  FreeDocument(doc);
  return seconds;
}

}  // namespace

int main() {
  char folder[MAX_PATH] = {};
  GetTempPathA(sizeof folder, folder);
  const std::string path = std::string(folder) + "varnel_replace_bench.bin";
  FILE* f = std::fopen(path.c_str(), "wb");
  std::vector<uint8_t> bytes(kBytes, 0x41);
  if (f == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0) {
    std::printf("cannot create %s\n", path.c_str());
    return 1;
  }
  double plain = PlainLoop();

  SetMessageHandler(Record);
  const std::string commandLine = "/Q0 \"" + path + "\"";
  if (!StartShell(GetModuleHandleA(nullptr), nullptr, commandLine.c_str(), SW_SHOWNORMAL)) {
    std::printf("the program did not start\n");
    return 1;
  }
  Pump();
  HWND view = ActiveDocumentWindow();
  Document* doc = view != nullptr ? DocumentOf(view) : nullptr;
  if (doc == nullptr || doc->length != kBytes) {
    std::printf("the file did not open\n");
    return 1;
  }
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, AnswerReplaceDialog, nullptr, GetCurrentThreadId());
  const double start = NowSeconds();
  SendMessageA(g_shell.frame, WM_COMMAND, IDM_REPLACE, 0);
  Pump();
  const double seconds = NowSeconds() - start;
  UnhookWindowsHookEx(hook);

  bool ok = HoldsPairs(*doc, kBytes, "") && CountSteps(doc->undoList) == kBytes && g_messages.size() == 1 &&
            g_messages[0] == "1000000個の数列を置換しました";
  if (!ok) std::printf("  the command did not replace all (%d bytes, %zu messages)\n", doc->length, g_messages.size());
  SendMessageA(g_shell.frame, WM_COMMAND, IDM_UNDO, 0);
  const bool undone = HoldsPairs(*doc, kBytes - 1, "A") && CountSteps(doc->undoList) == kBytes - 1;
  if (!undone) std::printf("  one undo did not take back exactly the last replacement\n");
  DestroyWindow(g_shell.frame);
  Pump();
  DeleteFileA(path.c_str());
  plain = std::min(plain, PlainLoop());

  std::printf("Replace all of 1,000,000 occurrences (%u-bit process):\n", static_cast<unsigned>(sizeof(void*) * 8));
  std::printf("  the loop on a document without a window   %7.3f s\n", plain);
  std::printf("  the Replace command on a document window  %7.3f s  (%.2fx)\n", seconds, seconds / plain);
  std::printf("Replace command: %.3f s (goal <= %.1f s) %s; one undo takes back the last replacement: %s\n", seconds,
              kGoalSeconds, seconds <= kGoalSeconds && ok ? "ok" : "MISSED", undone ? "ok" : "FAILED");
  return seconds <= kGoalSeconds && ok && undone ? 0 : 1;
}
