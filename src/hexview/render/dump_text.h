// The texts of a dump line: a byte's numeric cell and the column ruler. Shared by
// the screen and the printed dump.
#pragma once

#include <cstdint>
#include <string>

#include "hexview/render/dump_layout.h"

// Writes the numeric cell of value in dataRadix (0-4, others as hexadecimal) into
// text and returns its length (the cell's digits): hexadecimal, octal and binary
// zero-padded ("0A", "012", "00001010"); unsigned decimal right-aligned with
// spaces ("  7"); signed decimal takes the byte as signed 8-bit ("  -1", "-128").
// text must hold 9 characters; it is NUL-terminated.
int ByteCellText(uint8_t value, int dataRadix, char* text);

// The ruler from scrollable column 0 to the end of the UTF-16 area (Utf16End()
// characters): per byte column digits - 1 blanks, its digit and a blank; one
// digit per ANSI column; a blank for the separator; one digit per UTF-16 column.
// Column c's digit is "0123456789ABCDEF"[c], or [c mod 8] with octal addresses.
std::string RulerText(const DumpGeometry& geometry, int addressRadix);
