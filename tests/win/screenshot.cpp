#include "tests/win/screenshot.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

#include "framework/dc.h"
#include "tests/support/temp_dir.h"

namespace {

std::string ScreenshotFolder() {
    char folder[MAX_PATH] = "";
    const DWORD length = GetEnvironmentVariableA("VOCORIX_SCREENSHOTS", folder, sizeof folder);
    return length > 0 && length < sizeof folder ? folder : "";
}

struct DeleteDCOf {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DeleteObjectOf {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using TMemoryDC = std::unique_ptr<std::remove_pointer_t<HDC>, DeleteDCOf>;
using TBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, DeleteObjectOf>;

template <typename T> void Append(std::string& bytes, const T& value) {
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// The screen as a 24-bit bottom-up BMP file.
std::string ScreenBitmap() {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    std::vector<char> pixels(size_t{stride} * static_cast<uint32_t>(height));

    TScreenDC screen;
    const TMemoryDC memory(CreateCompatibleDC(screen));
    const TBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    {
        TSelection selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, screen, 0, 0, SRCCOPY);
    }
    // Read back once the bitmap is no longer selected, as GetDIBits requires.
    GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(height), pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::string bytes;
    Append(bytes, file);
    Append(bytes, info);
    bytes.append(pixels.data(), pixels.size());
    return bytes;
}

} // namespace

void SaveScreenshot(const std::string& name) {
    const std::string folder = ScreenshotFolder();
    if (folder.empty())
        return;
    GdiFlush();
    WriteFileBytes(folder + "/" + name + ".bmp", ScreenBitmap());
}
