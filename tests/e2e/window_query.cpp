#include "window_query.h"

#include <algorithm>
#include <vector>

namespace {

constexpr UINT kGbk = 936;
constexpr UINT kAnswerTimeoutMs = 2000;

LRESULT SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

std::string ToGbk(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int size =
        ::WideCharToMultiByte(kGbk, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(kGbk, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

}  // namespace

std::string ReadText(HWND window) {
    // WM_GETTEXT is marshalled across processes; GetWindowText is not, for another process's controls.
    const auto length = static_cast<size_t>(SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0));
    std::vector<wchar_t> buffer(length + 1);
    const auto copied = static_cast<size_t>(
        SendWithTimeout(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data())));
    return ToGbk(std::wstring(buffer.data(), std::min(copied, length)));
}

bool IsChecked(HWND button) {
    return SendWithTimeout(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, 256);
    return name;
}

HWND FocusedWindow(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

RECT RectInClientArea(HWND window, HWND reference) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(HWND_DESKTOP, reference, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT CentreOnScreen(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
