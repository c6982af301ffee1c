// Filling the dialogs' parameter records.
#include "search/search_requests.h"

#include "core/display_types.h"
#include "search/pattern_forms.h"
#include "search/search_options.h"

namespace {

template <typename Request>
void FillFormat(Request& r, const Document& doc) {
  PatternNumberFormat format = PatternNumberFormatFor(DataRadixOf(doc.options));
  r.radix = format.radix;
  r.width = format.width;
  r.signedFlag = format.isSigned ? 1 : 0;
  r.focusField = doc.activeColumn >= 0 && doc.activeColumn <= 2 ? doc.activeColumn : 0;
}

}  // namespace

FindRequest FindRequestFor(const Document& doc, int32_t findstat) {
  FindRequest r;
  r.options = FindOptionsOf(findstat);
  FillFormat(r, doc);
  return r;
}

ReplaceRequest ReplaceRequestFor(const Document& doc, int32_t findstat) {
  ReplaceRequest r;
  r.options = ReplaceOptionsOf(findstat);
  FillFormat(r, doc);
  return r;
}
