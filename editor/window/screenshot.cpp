// Screenshots: the screen's pixels copied into a top-down 24-bit DIB, then handed to the PNG writer.
#include "screenshot.h"

#include "png.h"

#include <vector>

bool SaveScreenshot(const RECT& requested, const std::wstring& path)
{
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT area;
    if (!IntersectRect(&area, &requested, &screen))
        return false;
    int width = area.right - area.left, height = area.bottom - area.top;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screenDc = GetDC(nullptr);
    HDC memoryDc = CreateCompatibleDC(screenDc);
    HBITMAP bitmap = CreateDIBSection(screenDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool copied = false;
    if (memoryDc && bitmap) {
        HGDIOBJ old = SelectObject(memoryDc, bitmap);
        copied = BitBlt(memoryDc, 0, 0, width, height, screenDc, area.left, area.top, SRCCOPY) != 0;
        GdiFlush();
        SelectObject(memoryDc, old);
    }
    std::vector<uint8_t> rgb;
    if (copied) {
        // DIB rows are blue, green, red and padded to 4 bytes.
        const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
        const uint8_t* pixels = static_cast<const uint8_t*>(bits);
        rgb.reserve(static_cast<size_t>(width) * height * 3);
        for (int y = 0; y < height; y++) {
            const uint8_t* row = pixels + stride * y;
            for (int x = 0; x < width; x++) {
                rgb.push_back(row[3 * x + 2]);
                rgb.push_back(row[3 * x + 1]);
                rgb.push_back(row[3 * x]);
            }
        }
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (memoryDc)
        DeleteDC(memoryDc);
    ReleaseDC(nullptr, screenDc);
    return copied && WriteFileBytes(path, EncodePng(rgb, width, height));
}
