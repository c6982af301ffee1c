// The main message loop.
#pragma once

// Runs until WM_QUIT: MDI system keys, then the accelerators of the frame,
// then translation and dispatch; the UTF-16 forms when the document windows
// are UTF-16 windows. Returns the quit code.
int RunMessageLoop();
