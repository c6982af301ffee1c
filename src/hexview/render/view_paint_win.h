// Painting a document window, the same drawing into any device context, and
// repainting the cells of a byte range.
#pragma once

#include <windows.h>
#include <cstdint>

struct Document;
struct HexView;

// Paints the dump of doc into dc in client coordinates, limited to update; with
// erase the update rectangle is first filled with the background. Brushes and
// fonts come from view (the shared system brushes in system-colour mode); doc's
// charWidth, scroll positions and client size give the geometry. Restores the
// DC's font, text colour and background mode before returning.
void PaintHexView(HDC dc, const RECT& update, bool erase, Document& doc, const HexView& view);

// WM_PAINT of a document window. Returns 0, or -1 after BeginPaint failed
// ("再描画できません" reported, frame destroyed).
int OnPaintView(HWND window);

int InvalidateRange(HWND window, int32_t a, int32_t b);

// Invalidates (with erase) one client rectangle; reports a failure as above.
int InvalidateClientRect(HWND window, const RECT& rect);
