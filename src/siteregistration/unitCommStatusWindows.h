// The windows a modem call shows, brought up by the status callback: one
// call-progress window and one status window of the configured kind, both
// freed when the call ends.
#pragma once

// Makes fniUpdateStatusMsg and the window callback the library's callbacks
// and the windows below the place the status lines are shown.
void pRegisterCommStatusWindows();

// Frees both windows (the callback does so when a call ends).
void pFreeCommStatusWindows();

// The library's window callback: creates the status window of the configured
// kind and the call-progress window when they do not exist, both hidden.
void pCommStatusWindowCallback();
