#include "app/hyperlink.h"

#include <optional>
#include <string>

#include "app/resources/resource_ids.h"
#include "app/window_description.h"
#include "platform/browser_command.h"
#include "platform/shell_win32.h"

namespace {

constexpr COLORREF kHoverColour = RGB(10, 36, 106);
constexpr COLORREF kVisitedColour = RGB(128, 0, 0);
constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr DWORD kRegistryValueLimit = 260;

struct Link {
    std::string address;
    bool hovered = false;
    bool visited = false;
};

Link* LinkOf(HWND window) {
    return reinterpret_cast<Link*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

std::optional<std::string> RegistryDefaultValue(const std::string& key) {
    char value[kRegistryValueLimit]{};
    LONG size = sizeof value;
    if (::RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), value, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(value);
}

// When the shell cannot open the address, the program registered for .htm pages is asked directly.
bool OpenInBrowser(const std::string& address) {
    if (ShellOpen(address.c_str()) > 32) {
        return true;
    }
    const auto pageClass = RegistryDefaultValue(".htm");
    if (!pageClass) {
        return false;
    }
    const auto openCommand = RegistryDefaultValue(*pageClass + "\\shell\\open\\command");
    if (!openCommand) {
        return false;
    }
    return ::WinExec(BrowserCommandLine(*openCommand, address).c_str(), SW_SHOW) > 32;
}

COLORREF TextColour(const Link& link) {
    if (link.hovered) {
        return kHoverColour;
    }
    return link.visited ? kVisitedColour : kLinkColour;
}

void Paint(HWND window, const Link& link) {
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(window, &paint);
    RECT client;
    ::GetClientRect(window, &client);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    wchar_t text[64]{};
    ::GetWindowTextW(window, text, static_cast<int>(std::size(text)));
    const HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, TextColour(link));
    ::DrawTextW(dc, text, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(dc, oldFont);
    ::EndPaint(window, &paint);
}

void SetHovered(HWND window, Link& link, bool hovered) {
    link.hovered = hovered;
    ::InvalidateRect(window, nullptr, TRUE);
}

void TrackHover(HWND window, Link& link, LPARAM position) {
    RECT client;
    ::GetClientRect(window, &client);
    const POINT point{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    const bool inside = ::PtInRect(&client, point) != FALSE;
    if (inside && !link.hovered) {
        SetHovered(window, link, true);
        ::SetCapture(window);
    } else if (!inside && link.hovered) {
        ::ReleaseCapture();  // WM_CAPTURECHANGED clears the mark and redraws
    }
}

void Open(HWND window, Link& link) {
    link.visited = OpenInBrowser(link.address);
    // A failure is shown by the next redraw, at the latest when the mouse leaves.
    if (link.visited) {
        ::InvalidateRect(window, nullptr, TRUE);
        ::UpdateWindow(window);
    }
}

LRESULT CALLBACK HyperlinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* link = new Link{static_cast<const char*>(create->lpCreateParams)};
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(link));
    }
    Link* link = LinkOf(window);
    if (link == nullptr) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_PAINT:
            Paint(window, *link);
            return 0;
        case WM_MOUSEMOVE:
            TrackHover(window, *link, lParam);
            return 0;
        case WM_CAPTURECHANGED:
            if (link->hovered) {
                SetHovered(window, *link, false);
            }
            return 0;
        case WM_LBUTTONDOWN:
            Open(window, *link);
            return 0;
        case WM_NCDESTROY:
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            delete link;
            break;
        default:
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void RegisterHyperlinkClass(HINSTANCE instance) {
    WNDCLASSEXW linkClass{};
    linkClass.cbSize = sizeof linkClass;
    linkClass.lpfnWndProc = HyperlinkProc;
    linkClass.hInstance = instance;
    linkClass.hCursor = ::LoadCursorW(instance, MAKEINTRESOURCEW(kLinkCursorId));
    linkClass.lpszClassName = kHyperlinkClass;
    ::RegisterClassExW(&linkClass);
}
