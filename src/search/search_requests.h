// The parameter records of the find and replace dialogs, and how the commands
// fill them from the document and the settings.
#pragma once

#include <cstdint>

#include "core/document.h"
#include "core/number_text.h"

struct FindRequest {
  ByteSequence pattern;
  int32_t options = 0;      // search option bits (search_options.h)
  int32_t radix = 16;       // how the numeric field formats and parses
  int32_t width = -2;
  int32_t signedFlag = 0;
  int32_t focusField = 0;   // 0 numeric, 1 ANSI, 2 UNICODE field gets the focus
};

struct ReplaceRequest {
  ByteSequence pattern;
  ByteSequence replacement;  // may be empty: occurrences are then deleted
  int32_t options = 0;
  int32_t radix = 16;
  int32_t width = -2;
  int32_t signedFlag = 0;
  int32_t focusField = 0;
};

// An empty request for doc: the find (or replace) options of findstat, the
// pattern-field format of doc's data radix and its active column as the focus.
FindRequest FindRequestFor(const Document& doc, int32_t findstat);
ReplaceRequest ReplaceRequestFor(const Document& doc, int32_t findstat);
