#include "screen_capture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <map>

namespace {

struct BgrPixel {
    BYTE blue, green, red, unused;
};

}  // namespace

ScreenImage ScreenImage::Capture(const RECT& screenRect) {
    ScreenImage image;
    image.width_ = screenRect.right - screenRect.left;
    image.height_ = screenRect.bottom - screenRect.top;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width_;
    info.bmiHeader.biHeight = -image.height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, image.width_, image.height_, screen, screenRect.left, screenRect.top, SRCCOPY);
    ::GdiFlush();

    const auto* source = static_cast<const BgrPixel*>(bits);
    image.pixels_.reserve(static_cast<size_t>(image.width_) * image.height_);
    for (int i = 0; i < image.width_ * image.height_; ++i) {
        image.pixels_.push_back(RGB(source[i].red, source[i].green, source[i].blue));
    }

    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return image;
}

// Text is anti-aliased: its pixels lie between the background and the ink, so few if any have the ink's exact
// colour. What they share is the direction in which they leave the background.
bool ScreenImage::HasTextIn(COLORREF ink, COLORREF background) const {
    constexpr int kInkThreshold = 40;        // below this a pixel is background, or too faint to judge
    constexpr double kSameDirection = 0.97;  // cosine; the three link colours differ by 0.88 or less
    const auto offset = [background](COLORREF colour) {
        return std::array<double, 3>{double(GetRValue(colour)) - GetRValue(background),
                                     double(GetGValue(colour)) - GetGValue(background),
                                     double(GetBValue(colour)) - GetBValue(background)};
    };
    const auto length = [](const std::array<double, 3>& v) {
        return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    };
    const auto inkOffset = offset(ink);

    int inkPixels = 0;
    int matching = 0;
    for (COLORREF pixel : pixels_) {
        const auto pixelOffset = offset(pixel);
        if (std::max({std::abs(pixelOffset[0]), std::abs(pixelOffset[1]), std::abs(pixelOffset[2])}) < kInkThreshold) {
            continue;
        }
        ++inkPixels;
        const double dot =
            pixelOffset[0] * inkOffset[0] + pixelOffset[1] * inkOffset[1] + pixelOffset[2] * inkOffset[2];
        if (dot >= kSameDirection * length(pixelOffset) * length(inkOffset)) {
            ++matching;
        }
    }
    return inkPixels >= 5 && matching * 10 >= inkPixels * 9;
}

COLORREF ScreenImage::MostCommonColour() const {
    std::map<COLORREF, int> counts;
    for (COLORREF pixel : pixels_) {
        ++counts[pixel];
    }
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == counts.end() ? CLR_INVALID : most->first;
}

// A 24-bit bottom-up BMP, the plainest form every converter reads.
bool ScreenImage::SaveAsBmp(const std::wstring& path) const {
    const int rowBytes = (width_ * 3 + 3) & ~3;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width_;
    header.biHeight = height_;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(rowBytes * height_);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;

    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    std::string row(static_cast<size_t>(rowBytes), '\0');
    for (int y = height_ - 1; y >= 0; --y) {
        for (int x = 0; x < width_; ++x) {
            const COLORREF pixel = pixels_[static_cast<size_t>(y) * width_ + x];
            row[x * 3] = static_cast<char>(GetBValue(pixel));
            row[x * 3 + 1] = static_cast<char>(GetGValue(pixel));
            row[x * 3 + 2] = static_cast<char>(GetRValue(pixel));
        }
        out.write(row.data(), rowBytes);
    }
    return out.good();
}
