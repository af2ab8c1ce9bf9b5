#pragma once
// The calling thread's message loop until WM_QUIT; returns the quit code.
int RunMessageLoop();
