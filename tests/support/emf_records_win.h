// Reads back what a paint recorded into an enhanced metafile: every text output
// with its reference point, clip rectangle, colour and font, and every
// rectangle filled with a brush.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct EmfText {
  LONG x = 0;
  LONG y = 0;
  bool clipped = false;  // ETO_CLIPPED was given; clip is then the clip rectangle
  RECT clip{};
  std::u16string text;   // the metafile keeps every text as UTF-16
  COLORREF color = 0;    // the text colour in force
  LONG fontHeight = 0;   // lfHeight of the font in force (0: a stock font)
  std::u16string fontFace;  // its face name (empty for a stock font)
};

struct EmfFill {
  RECT rect{};
  COLORREF color = 0;  // colour of the solid brush in force
};

struct EmfRecords {
  std::vector<EmfText> texts;
  std::vector<EmfFill> fills;
};

// Walks the records of emf. Fills are pattern copies (FillRect) and region fills
// with solid brushes; texts are EMR_EXTTEXTOUTW and EMR_EXTTEXTOUTA records.
EmfRecords ReadEmfRecords(HENHMETAFILE emf);

// Records a paint: makes a metafile device context on the screen's reference,
// calls paint with it, closes it and reads it back.
template <typename Paint>
EmfRecords RecordEmf(Paint paint) {
  HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
  paint(dc);
  HENHMETAFILE emf = CloseEnhMetaFile(dc);
  EmfRecords records = ReadEmfRecords(emf);
  DeleteEnhMetaFile(emf);
  return records;
}
