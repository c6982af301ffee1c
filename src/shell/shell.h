// Process-wide handles of the application shell: the frame and its children,
// the pop-up views, shared brushes, the edit popup menu and clipboard state.
#pragma once

#include <windows.h>

#include "core/palette.h"

// The sampled system colours, their mixes and the four brushes every view uses
// in system-colour mode. The brushes exist from frame creation to destruction.
struct SystemColors {
  SystemColorValues values{};
  HBRUSH windowBrush = nullptr;
  HBRUSH highlightBrush = nullptr;
  HBRUSH windowTextBrush = nullptr;
  HBRUSH halfHighlightBrush = nullptr;
};

// The IME request service, looked up at run time; null when absent.
struct ImeEntry {
  HMODULE module = nullptr;
  LRESULT(WINAPI* sendImeMessageEx)(HWND, LPARAM) = nullptr;
};

inline constexpr int kMenuBitmapCount = 14;

struct Shell {
  HINSTANCE instance = nullptr;
  HWND frame = nullptr;
  HWND toolbar = nullptr;    // control id 1
  HWND statusBar = nullptr;  // control id 2
  HWND mdiClient = nullptr;  // control id 3
  HWND infoView = nullptr;   // "INFOClass" pop-up, hidden until used
  HWND imageView = nullptr;  // "IMAGEClass" pop-up, hidden until used
  HACCEL accelerators = nullptr;
  HWND nextClipboardViewer = nullptr;
  bool pasteAvailable = false;
  UINT dragListMessage = 0;       // "commctrl_DragListMsg"
  UINT binaryClipboardFormat = 0; // "Common Binary"
  bool unicodeViews = false;      // "BINClass" registered as a UTF-16 class
  HMENU editPopupMenu = nullptr;
  HBITMAP menuBitmaps[kMenuBitmapCount] = {};
  SystemColors colors;
  ImeEntry ime;
  int newDocumentCounter = 0;
  bool frameCreationReported = false;  // the frame's WM_CREATE already showed its failure
  bool viewCreationReported = false;   // a document window's WM_CREATE already showed its failure
};

extern Shell g_shell;

// COLOR_WINDOWTEXT, COLOR_WINDOW, COLOR_GRAYTEXT, COLOR_HIGHLIGHTTEXT and COLOR_HIGHLIGHT now.
SampledColors SampleSystemColors();

// Samples the system colours and computes the mixes (brushes untouched).
void RefreshSystemColorValues();

// Creates the four brushes from the current values; false when one fails (none are kept).
bool CreateSystemBrushes();

// Deletes the four brushes; false when a deletion failed.
bool DeleteSystemBrushes();

// Looks up "SendIMEMessageExA" in "USER32.DLL" once; failures leave it unset.
void LoadImeEntry();
void FreeImeEntry();

// Reports a fatal failure of the shell: the stop icon, owned by owner or, when
// it is null, by the MDI client (or the frame before it exists), then the frame
// is destroyed, which saves the settings and ends the program.
void FailAndDestroyFrame(const char* text, HWND owner = nullptr);
