#pragma once
#include <windows.h>

#include <string>
#include <vector>

// A copy of part of the screen as the user sees it, taken from the screen's device context.
class ScreenImage {
public:
    static ScreenImage Capture(const RECT& screenRect);

    COLORREF MostCommonColour() const;
    // Whether the text drawn here over `background` is drawn in `ink`.
    bool HasTextIn(COLORREF ink, COLORREF background) const;
    bool SaveAsBmp(const std::wstring& path) const;

    bool operator==(const ScreenImage&) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;  // row by row from the top
};
