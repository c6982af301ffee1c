// Per-channel colour means.
#include "app/color_mix.h"

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
