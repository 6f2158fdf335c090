#include "app/keyboard.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "app/events.h"
#include "app/main_window.h"
#include "app/window_description.h"

namespace {

bool IsDown(int virtualKey) {
    return ::GetKeyState(virtualKey) < 0;
}

Control ControlOf(HWND window) {
    return static_cast<Control>(::GetDlgCtrlID(window));
}

// Where `focus` sits in `cycle`, or cycle.size() when it is not one of them.
size_t IndexIn(std::span<const Control> cycle, HWND focus) {
    const auto found =
        std::find_if(cycle.begin(), cycle.end(), [focus](Control control) { return ControlWindow(control) == focus; });
    return static_cast<size_t>(found - cycle.begin());
}

bool CanTakeFocus(HWND window) {
    return ::IsWindowVisible(window) && ::IsWindowEnabled(window);
}

void MoveFocusAlongTabCycle(HWND focus, bool backwards) {
    const auto cycle = TabCycle();
    const size_t count = cycle.size();
    const size_t current = IndexIn(cycle, focus);
    // From outside the cycle, Tab starts at its first control and Shift+Tab at its last.
    size_t index = current < count ? current : (backwards ? 0 : count - 1);
    for (size_t step = 0; step < count; ++step) {
        index = backwards ? (index + count - 1) % count : (index + 1) % count;
        const HWND next = ControlWindow(cycle[index]);
        if (CanTakeFocus(next)) {
            ::SetFocus(next);
            const ControlDescription& reached = DescriptionOf(cycle[index]);
            if (reached.kind == ControlKind::Edit && (reached.style & ES_MULTILINE) == 0) {
                ::SendMessageW(next, EM_SETSEL, 0, -1);
            }
            return;
        }
    }
}

// The arrow keys move the check and the focus round the radio buttons.
bool MoveAmongRadioButtons(HWND focus, bool backwards) {
    const auto cycle = RadioCycle();
    const size_t count = cycle.size();
    const size_t current = IndexIn(cycle, focus);
    if (current == count) {
        return false;
    }
    const Control reached = cycle[backwards ? (current + count - 1) % count : (current + 1) % count];
    for (Control radio : cycle) {
        ::SendMessageW(ControlWindow(radio), BM_SETCHECK, BST_UNCHECKED, 0);
    }
    ::SendMessageW(ControlWindow(reached), BM_SETCHECK, BST_CHECKED, 0);
    RaiseEvent(reached, Event::Main);
    ::SetFocus(ControlWindow(reached));
    return true;
}

bool HandleWindowKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    const HWND focus = ::GetFocus();
    switch (message.wParam) {
        case VK_TAB:
            if (IsDown(VK_CONTROL) || IsDown(VK_MENU)) {
                return false;
            }
            MoveFocusAlongTabCycle(focus, IsDown(VK_SHIFT));
            return true;
        case VK_RIGHT:
        case VK_DOWN:
            return MoveAmongRadioButtons(focus, false);
        case VK_LEFT:
        case VK_UP:
            return MoveAmongRadioButtons(focus, true);
        case VK_ESCAPE:
            ::SendMessageW(MainWindowHandle(), WM_CLOSE, 0, 0);
            return true;
        default:
            return false;
    }
}

// The key code handlers see: keypad digits and operators read as their main-keyboard keys.
int32_t KeyCodeOf(WPARAM wParam) {
    const auto key = static_cast<int32_t>(wParam & 0xFF);
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) {
        return '0' + (key - VK_NUMPAD0);
    }
    switch (key) {
        case VK_SUBTRACT:
            return VK_OEM_MINUS;
        case VK_DECIMAL:
            return VK_OEM_PERIOD;
        case VK_DIVIDE:
            return VK_OEM_2;
        default:
            return key;
    }
}

// 1 Ctrl + 2 Shift + 4 Alt; a modifier does not count as held when it is itself the key pressed.
int32_t ModifiersFor(int32_t keyCode) {
    int32_t modifiers = 0;
    if (keyCode != VK_CONTROL && IsDown(VK_CONTROL)) {
        modifiers |= 1;
    }
    if (keyCode != VK_SHIFT && IsDown(VK_SHIFT)) {
        modifiers |= 2;
    }
    if (keyCode != VK_MENU && IsDown(VK_MENU)) {
        modifiers |= 4;
    }
    return modifiers;
}

void RaiseKeyDown(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) {
        return;
    }
    const int32_t keyCode = KeyCodeOf(message.wParam);
    RaiseEvent(ControlOf(message.hwnd), Event::KeyDown, keyCode, ModifiersFor(keyCode));
}

bool IsKeyboardMessage(UINT message) {
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

}  // namespace

bool PreTranslateKey(const MSG& message) {
    const HWND mainWindow = MainWindowHandle();
    if (!IsKeyboardMessage(message.message) || mainWindow == nullptr || !::IsWindowEnabled(message.hwnd)) {
        return false;
    }
    if (message.hwnd != mainWindow && !::IsChild(mainWindow, message.hwnd)) {
        return false;
    }
    if (HandleWindowKey(message)) {
        return true;
    }
    if (message.hwnd != mainWindow) {
        RaiseKeyDown(message);
    }
    return false;
}
