// The printer's cell and what fits on a page: the font height that makes a line
// of rightMargin cells fill the printable width, the refusal of pages too short
// for it, the lines of a dump page and the rows of a structure page.
#pragma once

#include <cstdint>

// Cells of a printed dump line for options: (digits + 3) x bytesPerLine + 12
// (92 for hexadecimal data with hexadecimal addresses). The minimum margin.
int32_t DumpLineWidth(uint32_t options);

// lfHeight of the printer font for a printable width of horzRes pixels: horzRes
// x 2 / margin (integer division), so that margin cells of half that width fill
// the line; at least 1 (0 would ask for the font's default size).
int32_t PrinterFontHeight(int32_t horzRes, int32_t margin);

// lfHeight of the dump's small font (multi-letter byte labels): half of fontHeight.
int32_t PrinterSmallFontHeight(int32_t fontHeight);

// The printer cell f from the printer font's tmHeight: (tmHeight + 1) / 2, at
// least 1. A cell is f wide and 2f high.
int32_t PrinterCell(int32_t tmHeight);

// True when a page of vertRes pixels cannot take the printout: 5f >= vertRes
// (the job is then refused with "右ﾏｰｼﾞﾝが不適切です"). Otherwise a page holds at
// least one dump line and two structure rows.
bool PageTooShort(int32_t cell, int32_t vertRes);

// Dump lines on a page: they start at y = 2f, 2f apart, while y < vertRes - 3f
// (row 0 holds the ruler). 0 for a page that is too short.
int32_t DumpLinesPerPage(int32_t cell, int32_t vertRes);

// Structure rows on a page: they start at y = 0, 2f apart, while y < vertRes - 3f.
int32_t StructureRowsPerPage(int32_t cell, int32_t vertRes);

// Times the whole output is produced: copies (at least 1) when the print dialog
// returned the collate flag, else once (the printer makes the copies).
int32_t OutputRuns(bool collate, int32_t copies);
