#pragma once
#include <windows.h>

// Both wait after moving the cursor: Wine resyncs its modifier state with X when the cursor crosses windows, and
// a key chord sent during that can lose its Alt.
void MoveCursorTo(POINT screenPoint);
void LeftClickAt(POINT screenPoint);
