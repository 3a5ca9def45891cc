#include "ui/Dpi.h"

#include <map>

#include "ui/Handles.h"
#include "platform/SystemFunction.h"

namespace ui {

namespace {

int ScreenDpi() {
    WindowDC screen(nullptr);
    const int dpi = ::GetDeviceCaps(screen.Get(), LOGPIXELSX);
    return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int DpiOf(HWND window) {
    // Windows 10 1607 and later: the DPI of the window's monitor.
    static const auto forWindow = platform::SystemFunction<UINT WINAPI(HWND)>("user32.dll", "GetDpiForWindow");
    if (forWindow && window) {
        if (const UINT dpi = forWindow(window)) return static_cast<int>(dpi);
    }
    return SystemDpi();
}

int SystemDpi() {
    static const auto forSystem = platform::SystemFunction<UINT WINAPI()>("user32.dll", "GetDpiForSystem");
    if (forSystem) {
        if (const UINT dpi = forSystem()) return static_cast<int>(dpi);
    }
    return ScreenDpi();
}

int Scale(int designed, int dpi) { return ::MulDiv(designed, dpi, kDesignDpi); }

Rect Scale(const Rect& d, int dpi) {
    const int left = Scale(d.x, dpi), top = Scale(d.y, dpi);
    return {left, top, Scale(d.x + d.w, dpi) - left, Scale(d.y + d.h, dpi) - top};
}

int Unscale(int pixels, int dpi) { return ::MulDiv(pixels, kDesignDpi, dpi > 0 ? dpi : kDesignDpi); }

Rect Unscale(const Rect& p, int dpi) {
    const int left = Unscale(p.x, dpi), top = Unscale(p.y, dpi);
    return {left, top, Unscale(p.x + p.w, dpi) - left, Unscale(p.y + p.h, dpi) - top};
}

SIZE OuterSize(int width, int height, DWORD style, DWORD exStyle, int dpi) {
    // Where the system has it, the frame of the window's own monitor.
    static const auto forDpi = platform::SystemFunction<BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT)>(
        "user32.dll", "AdjustWindowRectExForDpi");
    RECT rc{0, 0, width, height};
    if (!forDpi || !forDpi(&rc, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        ::AdjustWindowRectEx(&rc, style, FALSE, exStyle);
    return {rc.right - rc.left, rc.bottom - rc.top};
}

LOGFONTA DialogLogFont(int dpi) {
    LOGFONTA lf{};
    lf.lfHeight = -Scale(11, dpi);  // 8 points
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    return lf;
}

HFONT DialogFont(int dpi) {
    static std::map<int, HFONT> fonts;
    HFONT& font = fonts[dpi];
    if (!font) {
        const LOGFONTA lf = DialogLogFont(dpi);
        font = ::CreateFontIndirectA(&lf);
    }
    return font;
}

}  // namespace ui
