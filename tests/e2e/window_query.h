#pragma once
#include <windows.h>

#include <string>

// Reads the state of another process's windows the way any outside program can.

// The window's text as GBK bytes, whatever the ANSI code page of this process.
std::string ReadText(HWND window);

bool IsChecked(HWND button);

std::wstring ClassName(HWND window);

// The window that has the keyboard focus on the thread that owns `window`.
HWND FocusedWindow(HWND window);

// The window's outer rectangle in the client coordinates of `reference`.
RECT RectInClientArea(HWND window, HWND reference);

POINT CentreOnScreen(HWND window);
