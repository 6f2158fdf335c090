#pragma once
#include <windows.h>

// A text link that opens its address (given as the creation parameter, a const char*) in the browser
// when the left button goes down over it.
void RegisterHyperlinkClass(HINSTANCE instance);
