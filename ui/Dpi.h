#pragma once
// The display scale. Every size the program gives in pixels (a layout row's
// rectangle, a window's client size, a font's height, a toolbar picture) is
// designed for 96 DPI and multiplied here by the DPI of the monitor its
// window is on, so the same layout is as large on a 150% display as text is.
// At 96 DPI every size stays exactly as designed.
//
// The calls that tell a window's own DPI came with Windows 10; they are
// looked up at run time, and where missing the screen's DPI stands for
// every window, so the same program runs on every Windows and under Wine.
#include <windows.h>

#include "ui/Window.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace ui {

inline constexpr int kDesignDpi = 96;

// The DPI of the monitor `window` is on.
int DpiOf(HWND window);
// The DPI of a window not yet made (the primary monitor's).
int SystemDpi();

// A designed size at `dpi`; rounded to the nearest pixel.
int Scale(int designed, int dpi);
// A designed rectangle at `dpi`: its edges are scaled, so rectangles that
// touch as designed still touch.
Rect Scale(const Rect& designed, int dpi);
// Back from pixels at `dpi` to designed units.
int Unscale(int pixels, int dpi);
Rect Unscale(const Rect& pixels, int dpi);

// The outer size of a window of that style whose client area is
// `width` x `height` pixels, with the frame and caption of `dpi`.
SIZE OuterSize(int width, int height, DWORD style, DWORD exStyle, int dpi);

// The dialog font (8 point "MS Sans Serif") at `dpi`: its description,
// which a label of another size or weight starts from, and the font, one
// per DPI, kept for the life of the program.
LOGFONTA DialogLogFont(int dpi);
HFONT DialogFont(int dpi);

// Lays out every descendant of `top` again at `dpi`: the rectangles they
// were designed with, their fonts (Window::OnDpiChanged).
void RescaleChildren(HWND top, int dpi);

}  // namespace ui
