// The IME's conversion window and font for a hex view, through the optional
// SendIMEMessageExA service; both do nothing when the system lacks it.
#pragma once

#include <windows.h>

#include "core/display_types.h"

// Both requests are cosmetic: a service that refuses one (Wine's answers every
// request with a refusal) is not asked again during this run, and no failure
// is reported or ends the program, which would close unsaved documents.

// Puts the conversion window at client point (x, y) of view, or back to its
// default place when y < 0. Returns 0 when the request was carried out or
// could not be made, -1 when the service refused it.
int SetImePosition(HWND view, int x, int y);

// Gives the IME the font of view's document. Returns 0 or -1 as above.
int SetImeFont(HWND view, const LogFont& font);
