// The information view window's record and the handlers its files share: the
// window procedure (info_view_win.cpp), its children (info_view_children_win.cpp),
// keyboard and mouse (info_view_input_win.cpp) and the edit box (info_view_editbox_win.cpp).
#pragma once

#include <windows.h>

#include "structs/info_view_list.h"
#include "structs/info_view_model.h"
#include "structs/info_view_win.h"

// The one information view of the process. The window lives with the frame;
// the record outlives it so that `placed` and the printer last for the run.
struct InfoViewWindow {
  InfoViewState model;
  HWND window = nullptr;
  HWND shownView = nullptr;  // the hex view whose document is shown; null while hidden
  HWND toolbar = nullptr;
  HWND combo = nullptr;
  HWND address = nullptr;
  HWND hScroll = nullptr;
  HWND vScroll = nullptr;
  HWND sizeBox = nullptr;
  HWND editBox = nullptr;  // present only while a member is edited
  HFONT comboFont = nullptr;
  HBITMAP buttonImages = nullptr;  // the navigation images, mapped to the system colours
  int32_t toolbarHeight = 0;
  int32_t toolbarWidth = 0;
  int32_t listRight = 0;
  int32_t listBottom = 0;
  bool placed = false;  // sized and placed once in this run
  InfoViewPrinter printer = nullptr;
};

extern InfoViewWindow g_infoView;

// A failure of the view: text with the stop icon, owned by the view (null: it
// was reported already), then the frame is destroyed, which destroys the view.
// Callers return at once.
void FailInfoView(const char* text);

// The shown document, or null while hidden or when its window has gone (the
// view is then closed).
Document* ShownDocument(InfoViewWindow& w);

InfoListMetrics ListMetrics(const InfoViewWindow& w);
InfoListPosition ListPosition(const InfoViewWindow& w);
InfoListSize ListSize(const InfoViewWindow& w);

// Moves to p: the list scrolls (in place when it can) and the old and new
// current rows are repainted; the scroll bars follow.
void ApplyListPosition(InfoViewWindow& w, const InfoListPosition& p);
void UpdateInfoScrollBars(InfoViewWindow& w);
void UpdateNavigationButtons(InfoViewWindow& w);
void InvalidateList(InfoViewWindow& w);
// Moves the start address (buttons 137-140, Shift with the arrows, Home, End);
// when it changed the address field, the list and the buttons follow.
void MoveInfoStart(InfoViewWindow& w, StartMove move);
// Shows the template of combo box item (kInfoSelectTemplate).
void SelectInfoTemplate(InfoViewWindow& w, int item);
// Hides the view (system close, Escape without edit box).
void CloseInfoWindow(InfoViewWindow& w);
void PrintInfoView(InfoViewWindow& w);

// Children: toolbar, combo box, address field, scroll bars (WM_CREATE). Returns
// 0, or -1 after a reported failure. PlaceFirstTime sizes and places the view
// the first time a template is shown in the run (false after a reported failure).
int CreateInfoChildren(InfoViewWindow& w);
bool PlaceFirstTime(InfoViewWindow& w);
void LayOutInfoChildren(InfoViewWindow& w, int width, int height);
bool HandleInfoToolTip(NMHDR* header);

// Input.
void OnInfoKeyDown(InfoViewWindow& w, UINT key);
bool OnInfoSysKeyDown(InfoViewWindow& w, UINT key);  // false: not handled
void OnInfoButtonDown(InfoViewWindow& w, int y);
void OnInfoMouseMove(InfoViewWindow& w, int x, int y, bool buttonDown);
void OnInfoWheel(InfoViewWindow& w, int delta);
void OnInfoScroll(InfoViewWindow& w, HWND bar, int code);

// The in-place edit box.
void OpenEditBox(InfoViewWindow& w);
void CommitEditBox(InfoViewWindow& w);
void DiscardEditBox(InfoViewWindow& w);
// Destroys the box without touching the model; false after a reported failure.
bool DestroyEditBox(InfoViewWindow& w);
