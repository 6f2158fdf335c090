#pragma once
// The little the standard controls need beyond Windows' own behaviour.

#include <windows.h>

// The group box is the parent of the settings controls; their notifications and colour requests
// belong to the window that holds the group box.
void ForwardNotificationsToParent(HWND groupBox);

// A label raises its feedback event for every hotkey notification it receives.
void RaiseFeedbackFromLabel(HWND label);

// A radio button notifies a click while it takes or loses the focus; those are not clicks of the user's.
void MarkFocusChangesOfRadio(HWND radioButton);
bool IsRadioChangingFocus(HWND radioButton);

// The private message through which a hotkey press reaches its receiving label.
inline constexpr UINT kHotkeyFeedbackMessage = 0x8075;
