// The hex view's own record: its document and the brushes, fonts, marker bars
// and icons that draw it, made when the window is created and deleted when it goes.
#pragma once

#include <windows.h>

#include "hexview/commands/edit_view_win.h"

struct Document;

// Kept in window extra slot 0 of a "BINClass" window from WM_CREATE to WM_DESTROY.
struct HexView {
  Document* doc = nullptr;        // owned: freed when the window is destroyed
  WindowEditView editView;        // how edits of doc update this window
  HBRUSH backBrush = nullptr;     // backColor; this brush and the next three stay
  HBRUSH selBackBrush = nullptr;  //   null in system-colour mode, where the
  HBRUSH textBrush = nullptr;     //   shared SystemColors brushes stand in
  HBRUSH halfSelBrush = nullptr;  // mean of backColor and selBackColor
  HFONT mainFont = nullptr;       // doc->font
  HFONT smallFont = nullptr;      // doc->font with lfHeight halved (toward zero)
  HWND markBar1 = nullptr;        // "BARClass" children, ids 100 and 101
  HWND markBar2 = nullptr;
};

inline constexpr int kMarkBar1Id = 100;
inline constexpr int kMarkBar2Id = 101;

// The record of a document window, or null (not yet created, or destroyed).
HexView* HexViewOf(HWND window);

// Makes the brushes (unless doc uses system colours) and both fonts from the
// document's colours and font, and measures doc->charWidth = (tmHeight + 1) / 2 of
// the main font on window's device context. Returns null on success, otherwise
// the text of the first failure to report ("ﾌﾞﾗｼを作成できません", "ﾌｫﾝﾄを作成できません",
// "ﾃﾞｨﾊﾞｲｽｺﾝﾃｷｽﾄを取得できません", "ﾌｫﾝﾄのﾒﾄﾘｯｸを取得できません",
// "ﾃﾞｨﾊﾞｲｽｺﾝﾃｷｽﾄを解放できません"); objects already made stay in view for
// DeleteViewObjects. view.doc must be set.
const char* CreateViewObjects(HWND window, HexView& view);

// Deletes the brushes and fonts of view and clears their handles. A failed
// deletion shows one warning per kind ("ﾌﾞﾗｼを破棄できません", "ﾌｫﾝﾄを削除できません",
// exclamation icon, owned by owner) and the rest goes on.
void DeleteViewObjects(HexView& view, HWND owner);

// Creates the two hidden, disabled, zero-sized marker bars. Returns false when
// one could not be created (the one made stays in view and goes with the window).
bool CreateMarkBars(HWND window, HexView& view);

// After a change of the display format: deletes and re-creates the brushes and
// fonts and re-measures charWidth. Returns 0, or -1 after a creation failure was
// reported with the stop icon and the frame destroyed.
int RebuildViewObjects(HWND window);

void SetDocumentWindowIcons(HWND view, const char* path);

// Destroys the icons SetDocumentWindowIcons gave view (at WM_DESTROY).
void DestroyDocumentWindowIcons(HWND view);
