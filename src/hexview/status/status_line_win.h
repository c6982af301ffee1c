// Everything that follows the caret of a hex view: the system caret's place,
// the IME window, the two marker bars and the frame's status line.
#pragma once

#include <windows.h>

// Brings the caret, the IME window, the marker bars and the status text up to
// date for view. A window without a document only gets its caret moved out of
// sight. Returns 0, or -1 after a reported failure (the frame is then destroyed).
int UpdateCaretAndStatus(HWND view);

// The status line with no document window active (empty). Returns 0, or -1
// after "ｽﾃｰﾀｽｳｲﾝﾄﾞｳにﾃｷｽﾄを設定できません" was reported.
int ShowIdleStatus();
