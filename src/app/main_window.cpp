#include "app/main_window.h"

#include <commctrl.h>

#include "app/control_hooks.h"
#include "app/events.h"
#include "app/hyperlink.h"
#include "app/program.h"
#include "app/resources/resource_ids.h"
#include "app/timer_control.h"
#include "app/window_description.h"
#include "platform/gbk_win32.h"

namespace {

constexpr char kHomepageUrl[] = VORNEX_HOMEPAGE_URL;
constexpr wchar_t kApplicationIcon[] = L"DEFAULT_ICON";
constexpr COLORREF kEditBackground = RGB(255, 255, 255);
constexpr COLORREF kEditText = RGB(0, 0, 0);

HWND mainWindow = nullptr;
HWND rememberedFocus = nullptr;  // the control that had the focus when the window was last deactivated

void ProcessWaitingMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

bool IsEditBox(HWND window) {
    const ControlDescription* control = FindDescription(::GetDlgCtrlID(window));
    return control != nullptr && control->kind == ControlKind::Edit;
}

void RestoreFocus() {
    const bool stillThere =
        rememberedFocus != nullptr && ::IsWindow(rememberedFocus) && ::IsChild(mainWindow, rememberedFocus);
    ::SetFocus(stillThere ? rememberedFocus : ControlWindow(TabCycle().front()));
}

LRESULT HandleCommand(WPARAM wParam, LPARAM lParam) {
    const auto sender = reinterpret_cast<HWND>(lParam);
    if (HIWORD(wParam) == BN_CLICKED && sender != nullptr && !IsRadioChangingFocus(sender)) {
        RaiseEvent(static_cast<Control>(LOWORD(wParam)), Event::Main);
    }
    return 0;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            return HandleCommand(wParam, lParam);
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            // Every edit box is black on white, the read-only ones too.
            if (IsEditBox(reinterpret_cast<HWND>(lParam))) {
                const auto dc = reinterpret_cast<HDC>(wParam);
                ::SetTextColor(dc, kEditText);
                ::SetBkColor(dc, kEditBackground);
                return reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH));
            }
            break;
        case WM_ACTIVATE:
            // Activation focuses the window itself (default handling), which hands the focus on below.
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = ::GetFocus();
                if (focus != nullptr && ::IsChild(window, focus)) {
                    rememberedFocus = focus;
                }
            }
            break;
        case WM_SETFOCUS:
            RestoreFocus();
            return 0;
        case WM_NCDESTROY:
            mainWindow = nullptr;
            NoteProgramWindowDestroyed();
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(::LoadImageW(instance, kApplicationIcon, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    windowClass.hIconSm = static_cast<HICON>(::LoadImageW(
        instance, kApplicationIcon, IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kMainWindowClass;
    ::RegisterClassExW(&windowClass);
}

HWND CreateCentredMainWindow(HINSTANCE instance) {
    // Integer division; on a screen smaller than the window the place is negative.
    const int left = (::GetSystemMetrics(SM_CXSCREEN) - kMainWindowWidth) / 2;
    const int top = (::GetSystemMetrics(SM_CYSCREEN) - kMainWindowHeight) / 2;
    const HWND window =
        ::CreateWindowExW(0, kMainWindowClass, WideFromGbk(kMainWindowCaption).c_str(), kMainWindowStyle, left, top,
                          kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return nullptr;
    }
    RECT outer;
    ::GetWindowRect(window, &outer);
    if (outer.right - outer.left != kMainWindowWidth || outer.bottom - outer.top != kMainWindowHeight) {
        ::SetWindowPos(window, nullptr, 0, 0, kMainWindowWidth, kMainWindowHeight,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return window;
}

const wchar_t* ClassNameOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::GroupBox:
        case ControlKind::RadioButton:
        case ControlKind::CheckBox:
            return WC_BUTTONW;
        case ControlKind::Edit:
            return WC_EDITW;
        case ControlKind::Label:
            return WC_STATICW;
        case ControlKind::Hyperlink:
            return kHyperlinkClass;
        case ControlKind::StatusBar:
            return STATUSCLASSNAMEW;
        case ControlKind::Timer:
            return kTimerClass;
    }
    return nullptr;
}

// A single-line box must fit one full-width character plus its edges; it grows downwards if it does not.
void FitSingleLineEditHeight(HWND edit, HFONT font) {
    const HDC dc = ::GetDC(edit);
    const HGDIOBJ oldFont = ::SelectObject(dc, font);
    SIZE character{};
    ::GetTextExtentPoint32W(dc, L"\u56FD", 1, &character);
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(edit, dc);
    const int needed = character.cy + 2 * ::GetSystemMetrics(SM_CYEDGE);
    RECT box;
    ::GetWindowRect(edit, &box);
    if (box.bottom - box.top < needed) {
        ::SetWindowPos(edit, nullptr, 0, 0, box.right - box.left, needed, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void FinishControl(const ControlDescription& control, HWND window, HFONT font) {
    switch (control.kind) {
        case ControlKind::GroupBox:
            ForwardNotificationsToParent(window);
            break;
        case ControlKind::RadioButton:
            MarkFocusChangesOfRadio(window);
            [[fallthrough]];
        case ControlKind::CheckBox:
            ::SendMessageW(window, BM_SETCHECK, control.checked ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case ControlKind::Label:
            RaiseFeedbackFromLabel(window);
            break;
        case ControlKind::Edit:
            if ((control.style & ES_MULTILINE) == 0) {
                FitSingleLineEditHeight(window, font);
            }
            if (control.maxLength > 0) {
                ::SendMessageW(window, EM_LIMITTEXT, control.maxLength, 0);
            }
            break;
        case ControlKind::StatusBar: {
            int rightEdges[] = {kStatusPartRightEdge};
            ::SendMessageW(window, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(rightEdges));
            ::SendMessageW(window, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(WideFromGbk(control.text).c_str()));
            break;
        }
        default:
            break;
    }
}

bool CreateControls(HINSTANCE instance) {
    const auto font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    for (const ControlDescription& control : ControlDescriptions()) {
        const bool isEdit = control.kind == ControlKind::Edit;
        const void* createParameter = control.kind == ControlKind::Hyperlink ? kHomepageUrl : nullptr;
        const HWND window = ::CreateWindowExW(isEdit ? WS_EX_STATICEDGE : 0, ClassNameOf(control.kind),
                                              WideFromGbk(control.text).c_str(), WS_CHILD | control.style, control.left,
                                              control.top, control.width, control.height, ControlWindow(control.parent),
                                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance,
                                              const_cast<void*>(createParameter));
        if (window == nullptr) {
            return false;
        }
        ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        FinishControl(control, window, font);
    }
    return true;
}

void RegisterClasses(HINSTANCE instance) {
    const INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&commonControls);
    RegisterMainWindowClass(instance);
    RegisterHyperlinkClass(instance);
    RegisterTimerClass(instance);
}

}  // namespace

HWND MainWindowHandle() {
    return mainWindow;
}

HWND ControlWindow(Control control) {
    if (control == Control::MainWindow || mainWindow == nullptr) {
        return mainWindow;
    }
    const HWND parent = ControlWindow(DescriptionOf(control).parent);
    return ::GetDlgItem(parent, static_cast<int>(control));
}

void LoadMainWindow() {
    ProcessWaitingMessages();
    SuspendEvents();
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    RegisterClasses(instance);
    mainWindow = CreateCentredMainWindow(instance);
    const bool built = mainWindow != nullptr && CreateControls(instance);
    if (!built && mainWindow != nullptr) {
        ::DestroyWindow(mainWindow);
    }
    // What building the window caused (focus changes, moves, resizes) reaches no handler.
    ProcessWaitingMessages();
    ResumeEvents();
    if (mainWindow == nullptr) {
        return;
    }
    RaiseEvent(Control::MainWindow, Event::Main);
    if (mainWindow != nullptr) {
        ::ShowWindow(mainWindow, SW_SHOWNORMAL);
    }
}

void DestroyMainWindow() {
    if (mainWindow != nullptr) {
        ::DestroyWindow(mainWindow);
    }
}
