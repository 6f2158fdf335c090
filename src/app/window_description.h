#pragma once
// What the main window is made of: its size, its controls with their places, styles and starting texts,
// and the order of the Tab cycle.

#include <windows.h>
#include <commctrl.h>

#include <span>
#include <string_view>

#include "app/controls.h"

inline constexpr int kMainWindowWidth = 318;
inline constexpr int kMainWindowHeight = 306;
inline constexpr DWORD kMainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
inline constexpr std::string_view kMainWindowCaption = "Vornex";

inline constexpr wchar_t kMainWindowClass[] = L"VornexMainWindow";
inline constexpr wchar_t kHyperlinkClass[] = L"VornexLink";
inline constexpr wchar_t kTimerClass[] = L"VornexTimer";

enum class ControlKind { GroupBox, RadioButton, CheckBox, Edit, Label, Hyperlink, StatusBar, Timer };

struct ControlDescription {
    Control id;
    ControlKind kind;
    Control parent;
    int left, top, width, height;  // in the parent's client area
    DWORD style;                   // beyond WS_CHILD and what the kind implies
    std::string_view text;         // GBK
    bool checked = false;          // radio buttons and the check box
    int maxLength = 0;             // edit boxes: the most characters typed in, 0 for no limit
};

std::span<const ControlDescription> ControlDescriptions();
const ControlDescription& DescriptionOf(Control id);

// Null when no control of the window has the identifier.
const ControlDescription* FindDescription(int controlId);

// The visible, enabled controls among these are the Tab cycle, in this order.
std::span<const Control> TabCycle();

// The radio buttons that the arrow keys cycle through.
std::span<const Control> RadioCycle();

// The right edge of the status bar's only part.
inline constexpr int kStatusPartRightEdge = 315;
