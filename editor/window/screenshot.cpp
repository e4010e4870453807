// Screenshots: the screen's pixels copied into a 24-bit DIB, then encoded as PNG by the imaging component.
#include "screenshot.h"

#include <wincodec.h>

namespace {

// Releases a COM object if there is one.
template <typename Interface> void Release(Interface* object)
{
    if (object)
        object->Release();
}

// Writes width x height pixels of 24-bit BGR rows, stride bytes apart, top row first, to path as PNG.
bool WritePng(const std::wstring& path, int width, int height, UINT stride, BYTE* pixels)
{
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    IPropertyBag2* options = nullptr;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    // The encoder may only offer another format; the pixels are 24-bit BGR and nothing else.
    bool written =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, &options)) && SUCCEEDED(frame->Initialize(options)) &&
        SUCCEEDED(frame->SetSize(width, height)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
        IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
        SUCCEEDED(frame->WritePixels(height, stride, stride * height, pixels)) && SUCCEEDED(frame->Commit()) &&
        SUCCEEDED(encoder->Commit());
    Release(options);
    Release(frame);
    Release(encoder);
    Release(stream);
    Release(factory);
    return written;
}

} // namespace

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
    // DIB rows are blue, green, red, padded to 4 bytes: the encoder's 24-bit BGR as they stand.
    UINT stride = (static_cast<UINT>(width) * 3 + 3) & ~3u;
    bool written = copied && WritePng(path, width, height, stride, static_cast<BYTE*>(bits));
    if (bitmap)
        DeleteObject(bitmap);
    if (memoryDc)
        DeleteDC(memoryDc);
    ReleaseDC(nullptr, screenDc);
    return written;
}
