// The process-wide shell state, system colours and the IME entry.
#include "shell/shell.h"

#include <initializer_list>

#include "core/user_message.h"

Shell g_shell;

SampledColors SampleSystemColors() {
  SampledColors c;
  c.windowText = GetSysColor(COLOR_WINDOWTEXT);
  c.window = GetSysColor(COLOR_WINDOW);
  c.grayText = GetSysColor(COLOR_GRAYTEXT);
  c.highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
  c.highlight = GetSysColor(COLOR_HIGHLIGHT);
  return c;
}

void RefreshSystemColorValues() { g_shell.colors.values = MixSystemColors(SampleSystemColors()); }

bool CreateSystemBrushes() {
  SystemColors& c = g_shell.colors;
  c.windowBrush = CreateSolidBrush(c.values.sampled.window);
  c.highlightBrush = CreateSolidBrush(c.values.sampled.highlight);
  c.windowTextBrush = CreateSolidBrush(c.values.sampled.windowText);
  c.halfHighlightBrush = CreateSolidBrush(c.values.halfHighlight);
  if (c.windowBrush && c.highlightBrush && c.windowTextBrush && c.halfHighlightBrush) return true;
  DeleteSystemBrushes();
  return false;
}

bool DeleteSystemBrushes() {
  SystemColors& c = g_shell.colors;
  bool ok = true;
  for (HBRUSH* b : {&c.windowBrush, &c.highlightBrush, &c.windowTextBrush, &c.halfHighlightBrush}) {
    if (*b != nullptr && !DeleteObject(*b)) ok = false;
    *b = nullptr;
  }
  return ok;
}

void LoadImeEntry() {
  if (g_shell.ime.module != nullptr) return;
  HMODULE user = LoadLibraryA("USER32.DLL");
  if (user == nullptr) return;
  auto proc = GetProcAddress(user, "SendIMEMessageExA");
  if (proc == nullptr) {
    FreeLibrary(user);
    return;
  }
  g_shell.ime.module = user;
  g_shell.ime.sendImeMessageEx = reinterpret_cast<LRESULT(WINAPI*)(HWND, LPARAM)>(proc);
}

void FreeImeEntry() {
  if (g_shell.ime.module != nullptr) FreeLibrary(g_shell.ime.module);
  g_shell.ime = ImeEntry{};
}

void FailAndDestroyFrame(const char* text, HWND owner) {
  if (owner == nullptr) owner = g_shell.mdiClient ? g_shell.mdiClient : g_shell.frame;
  ShowMessage(text, MessageIcon::Stop, MessageButtons::Ok, owner);
  if (g_shell.frame != nullptr && IsWindow(g_shell.frame)) DestroyWindow(g_shell.frame);
}
