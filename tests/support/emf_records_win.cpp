// The metafile reader for paint tests.
#include "support/emf_records_win.h"

#include <map>

namespace {

struct ReaderState {
  EmfRecords records;
  std::map<DWORD, LOGFONTW> fonts;    // object index -> font
  std::map<DWORD, COLORREF> brushes;  // object index -> solid colour
  LOGFONTW font{};
  COLORREF brush = 0;
  COLORREF textColor = 0;
};

void AddText(ReaderState& s, const EMRTEXT& t, const BYTE* record, bool wide) {
  const BYTE* chars = record + t.offString;
  std::u16string text;
  for (DWORD i = 0; i < t.nChars; ++i) text.push_back(wide ? reinterpret_cast<const char16_t*>(chars)[i] : chars[i]);
  s.records.texts.push_back({t.ptlReference.x, t.ptlReference.y, (t.fOptions & ETO_CLIPPED) != 0,
                             RECT{t.rcl.left, t.rcl.top, t.rcl.right, t.rcl.bottom}, text, s.textColor, s.font.lfHeight,
                             reinterpret_cast<const char16_t*>(s.font.lfFaceName)});
}

int CALLBACK OnRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM param) {
  auto& s = *reinterpret_cast<ReaderState*>(param);
  const auto* bytes = reinterpret_cast<const BYTE*>(record);
  switch (record->iType) {
    case EMR_EXTCREATEFONTINDIRECTW: {
      const auto* r = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
      s.fonts[r->ihFont] = r->elfw.elfLogFont;
      break;
    }
    case EMR_CREATEBRUSHINDIRECT: {
      const auto* r = reinterpret_cast<const EMRCREATEBRUSHINDIRECT*>(record);
      s.brushes[r->ihBrush] = r->lb.lbColor;
      break;
    }
    case EMR_SELECTOBJECT: {
      DWORD index = reinterpret_cast<const EMRSELECTOBJECT*>(record)->ihObject;
      if (index & 0x80000000u) {
        if ((index & 0x7FFFFFFFu) >= OEM_FIXED_FONT && (index & 0x7FFFFFFFu) <= DEFAULT_GUI_FONT) s.font = {};
      } else if (s.fonts.count(index) != 0) {
        s.font = s.fonts[index];
      } else if (s.brushes.count(index) != 0) {
        s.brush = s.brushes[index];
      }
      break;
    }
    case EMR_DELETEOBJECT: {
      DWORD index = reinterpret_cast<const EMRDELETEOBJECT*>(record)->ihObject;
      s.fonts.erase(index);
      s.brushes.erase(index);
      break;
    }
    case EMR_SETTEXTCOLOR: s.textColor = reinterpret_cast<const EMRSETTEXTCOLOR*>(record)->crColor; break;
    case EMR_EXTTEXTOUTW: AddText(s, reinterpret_cast<const EMREXTTEXTOUTW*>(record)->emrtext, bytes, true); break;
    case EMR_EXTTEXTOUTA: AddText(s, reinterpret_cast<const EMREXTTEXTOUTA*>(record)->emrtext, bytes, false); break;
    case EMR_BITBLT: {
      const auto* r = reinterpret_cast<const EMRBITBLT*>(record);
      if (r->cbBmiSrc == 0 && r->dwRop == PATCOPY)
        s.records.fills.push_back({RECT{r->xDest, r->yDest, r->xDest + r->cxDest, r->yDest + r->cyDest}, s.brush});
      break;
    }
    case EMR_FILLRGN: {
      const auto* r = reinterpret_cast<const EMRFILLRGN*>(record);
      const auto* data = reinterpret_cast<const RGNDATA*>(r->RgnData);
      const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
      COLORREF color = s.brushes.count(r->ihBrush) != 0 ? s.brushes[r->ihBrush] : 0;
      for (DWORD i = 0; i < data->rdh.nCount; ++i) s.records.fills.push_back({rects[i], color});
      break;
    }
    default: break;
  }
  return 1;
}

}  // namespace

EmfRecords ReadEmfRecords(HENHMETAFILE emf) {
  ReaderState state;
  EnumEnhMetaFile(nullptr, emf, OnRecord, &state, nullptr);
  return state.records;
}
