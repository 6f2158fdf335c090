#pragma once
#include <windows.h>

#include <initializer_list>

// Presses and releases `key` while holding `modifiers`, as one chord: Wine can lose a modifier sent apart from
// its key.
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});
