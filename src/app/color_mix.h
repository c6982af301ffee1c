// The mixed colours every view uses in system-colour mode.
#pragma once

#include "core/display_types.h"

// Per-channel integer mean of two colours (remainder dropped).
ColorRef MeanColor(ColorRef a, ColorRef b);

// The sampled system colours and the mixes made from them.
struct SystemColorValues {
  SampledColors sampled;
  ColorRef textMix;       // mean of window and window text
  ColorRef selectionMix;  // ((highlight + window) / 2 + highlight text) / 2, per channel
  ColorRef halfHighlight; // mean of window and highlight
};

SystemColorValues MixSystemColors(const SampledColors& sampled);
