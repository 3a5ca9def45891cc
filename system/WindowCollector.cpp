#include "system/WindowCollector.h"

#include <new>
#include <stdexcept>
#include <utility>

namespace zarvik {

namespace {

// What the enumeration callbacks collect; the list is made from it after
// the system's enumeration has returned.
struct Collector {
    bool children = false;
    bool outOfMemory = false;
    std::vector<FoundWindow> found;
};

BOOL Collect(HWND window, LPARAM param, bool child) noexcept {
    auto& collector = *reinterpret_cast<Collector*>(param);
    if (!window) return FALSE;
    DWORD processId = 0;
    // 0: the window is gone, and the enumeration stops there.
    if (!::GetWindowThreadProcessId(window, &processId)) return FALSE;
    try {
        collector.found.push_back({window, processId, child});
    } catch (...) {
        collector.outOfMemory = true;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK AddChildWindow(HWND window, LPARAM param) noexcept {
    return Collect(window, param, true);
}

// The system enumerates every descendant for EnumChildWindows, so one call
// per top-level window gives each its whole tree right after it.
BOOL CALLBACK AddTopLevelWindow(HWND window, LPARAM param) noexcept {
    if (!Collect(window, param, false)) return FALSE;
    if (reinterpret_cast<Collector*>(param)->children)
        ::EnumChildWindows(window, AddChildWindow, param);
    return TRUE;
}

std::vector<std::uint8_t> DibBits(HDC dc, HBITMAP bitmap, BITMAPINFO& info,
                                  std::vector<std::uint32_t>* palette) {
    std::vector<std::uint8_t> bits(
        DibRowBytes(info.bmiHeader.biWidth, info.bmiHeader.biBitCount) *
        static_cast<size_t>(info.bmiHeader.biHeight));
    if (!::GetDIBits(dc, bitmap, 0, static_cast<UINT>(info.bmiHeader.biHeight), bits.data(), &info,
                     DIB_RGB_COLORS))
        throw std::runtime_error("Unable to read the icon's image");
    if (palette) {
        palette->resize(info.bmiHeader.biBitCount <= 8 ? size_t{1} << info.bmiHeader.biBitCount : 0);
        for (size_t i = 0; i < palette->size(); ++i) {
            const RGBQUAD& q = info.bmiColors[i];
            (*palette)[i] = static_cast<std::uint32_t>(q.rgbBlue) |
                            static_cast<std::uint32_t>(q.rgbGreen) << 8 |
                            static_cast<std::uint32_t>(q.rgbRed) << 16;
        }
    }
    return bits;
}

}  // namespace

std::vector<FoundWindow> CollectWindows(bool children) {
    Collector collector;
    collector.children = children;
    ::EnumWindows(AddTopLevelWindow, reinterpret_cast<LPARAM>(&collector));
    if (collector.outOfMemory) throw std::bad_alloc();
    return std::move(collector.found);
}

std::string ReadClassName(HWND window) {
    char buf[kClassNameLimit] = {};
    const int n = ::GetClassNameA(window, buf, kClassNameLimit);
    return std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

std::string ReadWindowText(HWND window) {
    char buf[kWindowTextLimit] = {};
    const int n = ::GetWindowTextA(window, buf, kWindowTextLimit);
    return std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

ui::IconHandle WindowIcon(HWND window, WPARAM which) {
    auto icon = reinterpret_cast<HICON>(::DefWindowProcA(window, WM_GETICON, which, 0));
    return ui::IconHandle(icon ? ::CopyIcon(icon) : nullptr);
}

IconImage ReadIconImage(HICON icon) {
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info)) throw std::runtime_error("Icon image is not valid");
    ui::BitmapHandle color(info.hbmColor), mask(info.hbmMask);
    BITMAP maskBitmap{};
    ::GetObjectA(mask.Get(), sizeof maskBitmap, &maskBitmap);
    IconImage image;
    image.width = maskBitmap.bmWidth;
    // A monochrome icon has no colour bitmap: its mask is AND over XOR.
    image.height = color ? maskBitmap.bmHeight : maskBitmap.bmHeight / 2;

    ui::WindowDC screen(nullptr);
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } dib{};
    auto& bi = reinterpret_cast<BITMAPINFO&>(dib);
    auto describe = [&](int bitCount, int height) {
        dib = {};
        dib.header.biSize = sizeof dib.header;
        dib.header.biWidth = image.width;
        dib.header.biHeight = height;
        dib.header.biPlanes = 1;
        dib.header.biBitCount = static_cast<WORD>(bitCount);
        dib.header.biCompression = BI_RGB;
    };
    if (color) {
        describe(32, image.height);
        image.bitsPerPixel = 32;
        image.colorBits = DibBits(screen.Get(), color.Get(), bi, nullptr);
        describe(1, image.height);
        image.maskBits = DibBits(screen.Get(), mask.Get(), bi, nullptr);
        DropEmptyAlpha(image);
    } else {
        describe(1, image.height * 2);
        std::vector<std::uint32_t> palette;
        std::vector<std::uint8_t> both = DibBits(screen.Get(), mask.Get(), bi, &palette);
        // Bottom-up: the XOR half comes first in the bits.
        const size_t half = both.size() / 2;
        image.bitsPerPixel = 1;
        image.palette = {0x000000, 0xFFFFFF};
        image.colorBits.assign(both.begin(), both.begin() + static_cast<std::ptrdiff_t>(half));
        image.maskBits.assign(both.begin() + static_cast<std::ptrdiff_t>(half), both.end());
    }
    return image;
}

}  // namespace zarvik
