// Waiting on a pop-up view (information or image view) that the frame is
// disabled for: the thread's messages run until the pop-up hides itself.
#pragma once

#include <windows.h>

// Runs the thread's messages (in the character set of the document windows)
// while popup exists and is visible. A quit message ends the wait and is posted
// again for the main loop.
void WaitWhileShown(HWND popup);
