#include "app/window_description.h"

#include <algorithm>
#include <array>

#include "app/usage_text.h"

namespace {

constexpr DWORD kShown = WS_VISIBLE;
constexpr DWORD kRadio = kShown | WS_TABSTOP | BS_AUTORADIOBUTTON | BS_MULTILINE | BS_LEFT | BS_VCENTER;
constexpr DWORD kCheck = kShown | WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER;
constexpr DWORD kSingleLineEdit = kShown | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL;
constexpr DWORD kLabel = kShown | SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX;

using enum Control;
using enum ControlKind;

constexpr std::array kControls{
    ControlDescription{分组框1, GroupBox, MainWindow, 12, 9, 288, 88, kShown | BS_GROUPBOX, "设置"},
    ControlDescription{鼠标1, RadioButton, 分组框1, 10, 22, 72, 16, kRadio, "鼠标左击", true},
    ControlDescription{鼠标3, RadioButton, 分组框1, 105, 22, 72, 16, kRadio, "定位点击"},
    ControlDescription{鼠标2, RadioButton, 分组框1, 200, 22, 72, 16, kRadio, "鼠标右击"},
    ControlDescription{选择框1, CheckBox, 分组框1, 13, 52, 45, 16, kCheck, "点击", true},
    ControlDescription{编辑框3, Edit, 分组框1, 56, 51, 32, 16, kSingleLineEdit, "30", false, 5},
    ControlDescription{标签2, Label, 分组框1, 89, 52, 35, 14, kLabel, "次停止"},
    ControlDescription{编辑框1, Edit, 分组框1, 135, 52, 32, 16, kSingleLineEdit, "100"},
    ControlDescription{标签1, Label, 分组框1, 168, 52, 24, 16, kLabel, "毫秒"},
    ControlDescription{编辑框4, Edit, 分组框1, 200, 52, 72, 16, kSingleLineEdit | ES_READONLY, "定位"},
    ControlDescription{超级链接框1, Hyperlink, MainWindow, 12, 110, 40, 15, kShown, "主页"},
    ControlDescription{
        编辑框2, Edit, MainWindow, 5, 135, 303, 121,
        kShown | WS_TABSTOP | WS_VSCROLL | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_READONLY,
        kUsageText},
    // The status bar docks and sizes itself.
    ControlDescription{状态条1, StatusBar, MainWindow, 0, 0, 0, 0, kShown | CCS_BOTTOM | SBARS_TOOLTIPS, "开始吧~！"},
    ControlDescription{时钟1, Timer, MainWindow, 0, 0, 0, 0, 0, ""},
};

constexpr std::array kTabCycle{编辑框2, 鼠标1, 鼠标2, 编辑框1, 编辑框3, 选择框1, 鼠标3, 编辑框4};
constexpr std::array kRadioCycle{鼠标1, 鼠标2, 鼠标3};

}  // namespace

std::span<const ControlDescription> ControlDescriptions() {
    return kControls;
}

const ControlDescription* FindDescription(int controlId) {
    const auto found = std::find_if(kControls.begin(), kControls.end(),
                                    [controlId](const auto& d) { return static_cast<int>(d.id) == controlId; });
    return found == kControls.end() ? nullptr : &*found;
}

const ControlDescription& DescriptionOf(Control id) {
    return *FindDescription(static_cast<int>(id));
}

std::span<const Control> TabCycle() {
    return kTabCycle;
}
std::span<const Control> RadioCycle() {
    return kRadioCycle;
}
