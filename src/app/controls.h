#pragma once
// The main window's controls. Each is a child window whose control identifier is its enumerator's value,
// so that other code (and anything observing the window from outside) can find it with GetDlgItem.

enum class Control : int {
    MainWindow = 0,
    分组框1 = 101,
    鼠标1 = 102,
    鼠标3 = 103,
    鼠标2 = 104,
    选择框1 = 105,
    编辑框3 = 106,
    标签2 = 107,
    编辑框1 = 108,
    标签1 = 109,
    编辑框4 = 110,
    超级链接框1 = 111,
    编辑框2 = 112,
    状态条1 = 113,
    时钟1 = 114,
};
