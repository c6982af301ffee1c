// Colour means, the system-colour mixes and the palettes documents are drawn with.
#include "core/palette.h"

#include "core/document.h"

ColorRef MeanColor(ColorRef a, ColorRef b) {
  ColorRef out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    unsigned ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    out |= static_cast<ColorRef>((ca + cb) / 2) << shift;
  }
  return out;
}

SystemColorValues MixSystemColors(const SampledColors& sampled) {
  SystemColorValues v{};
  v.sampled = sampled;
  v.textMix = MeanColor(sampled.window, sampled.windowText);
  v.selectionMix = MeanColor(MeanColor(sampled.highlight, sampled.window), sampled.highlightText);
  v.halfHighlight = MeanColor(sampled.window, sampled.highlight);
  return v;
}

ColorRef DumpPalette::HalfColor(uint8_t lead, bool trailSelected) const {
  if (trailSelected) return selectedHalf;
  return byteColors != nullptr ? MeanColor(byteColors[lead], back) : unselectedHalf;
}

DumpPalette DocumentPalette(const Document& doc) {
  DumpPalette p;
  p.text = doc.color[kColorText];
  p.back = doc.color[kColorBack];
  p.fixed = doc.color[kColorFixed];
  p.selText = doc.color[kColorSelText];
  p.selBack = doc.color[kColorSelBack];
  p.byteColors = doc.color + kColorByte0;
  p.unselectedHalf = MeanColor(p.text, p.back);
  p.selectedHalf = MeanColor(MeanColor(p.selBack, p.back), p.selText);
  return p;
}

DumpPalette SystemPalette(const SystemColorValues& system) {
  DumpPalette p;
  p.text = system.sampled.windowText;
  p.back = system.sampled.window;
  p.fixed = system.sampled.grayText;
  p.selText = system.sampled.highlightText;
  p.selBack = system.sampled.highlight;
  p.byteColors = nullptr;
  p.unselectedHalf = system.textMix;
  p.selectedHalf = system.selectionMix;
  return p;
}

DumpPalette PaletteFor(const Document& doc, const SystemColorValues& system) {
  return (doc.options & kOptSystemColors) != 0 ? SystemPalette(system) : DocumentPalette(doc);
}
