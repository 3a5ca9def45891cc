#include "ui/Glyphs.h"

#include <functional>

#include "ui/Dpi.h"

namespace ui::glyphs {

namespace {

// Drawings give their points as designed at 96 DPI, from the glyph's top
// left corner (x0, y0); the pen puts them at the button's scale, so the
// pictures stay sharp instead of being stretched.
struct Pen {
    HDC dc;
    COLORREF color;
    int x0, y0, dpi;
    int X(int x) const { return x0 + Scale(x - x0, dpi); }
    int Y(int y) const { return y0 + Scale(y - y0, dpi); }
    int Width(int width) const { return Scale(width, dpi); }
    void Line(int x1, int y1, int x2, int y2, int width = 1) const {
        PenHandle pen(::CreatePen(PS_SOLID, Width(width), color));
        SelectObjectScope scope(dc, pen.Get());
        ::MoveToEx(dc, X(x1), Y(y1), nullptr);
        ::LineTo(dc, X(x2), Y(y2));
    }
    void Box(int l, int t, int r, int b, COLORREF fill) const {
        PenHandle pen(::CreatePen(PS_SOLID, Width(1), color));
        BrushHandle brush(::CreateSolidBrush(fill));
        SelectObjectScope p(dc, pen.Get());
        SelectObjectScope s(dc, brush.Get());
        ::Rectangle(dc, X(l), Y(t), X(r), Y(b));
    }
    void Circle(int l, int t, int r, int b) const {
        PenHandle pen(::CreatePen(PS_SOLID, Width(2), color));
        SelectObjectScope p(dc, pen.Get());
        SelectObjectScope s(dc, ::GetStockObject(NULL_BRUSH));
        ::Ellipse(dc, X(l), Y(t), X(r), Y(b));
    }
};

using Drawing = std::function<void(const Pen&, int x, int y, bool enabled)>;

// A glyph of 15 x 15 designed pixels, centred on the area.
SpeedButton::Painter Make(COLORREF color, Drawing draw) {
    return [color, draw](HDC dc, const RECT& area, bool enabled, int dpi) {
        const COLORREF c = enabled ? color : ::GetSysColor(COLOR_GRAYTEXT);
        const int size = Scale(15, dpi);
        const int x = area.left + (area.right - area.left - size) / 2;
        const int y = area.top + (area.bottom - area.top - size) / 2;
        draw(Pen{dc, c, x, y, dpi}, x, y, enabled);
    };
}

COLORREF Paper(bool enabled) { return enabled ? RGB(255, 255, 255) : ::GetSysColor(COLOR_BTNFACE); }

// A door with an arrow leaving it: quitting the program, leaving a window.
SpeedButton::Painter DoorWithArrow(COLORREF color) {
    return Make(color, [](const Pen& p, int x, int y, bool on) {
        p.Box(x, y, x + 8, y + 15, on ? RGB(192, 128, 64) : ::GetSysColor(COLOR_BTNFACE));
        p.Line(x + 6, y + 7, x + 15, y + 7, 2);
        p.Line(x + 12, y + 4, x + 15, y + 7, 2);
        p.Line(x + 12, y + 10, x + 15, y + 7, 2);
    });
}

}  // namespace

SpeedButton::Painter Build() {
    return Make(RGB(0, 0, 128), [](const Pen& p, int x, int y, bool on) {
        p.Box(x, y, x + 11, y + 15, Paper(on));
        for (int i = 3; i < 13; i += 3) p.Line(x + 2, y + i, x + 9, y + i);
        p.Line(x + 12, y + 4, x + 12, y + 11, 2);
        p.Line(x + 9, y + 7, x + 16, y + 7, 2);
    });
}

SpeedButton::Painter Analyze() {
    return Make(RGB(0, 96, 0), [](const Pen& p, int x, int y, bool) {
        p.Circle(x, y, x + 10, y + 10);
        p.Line(x + 8, y + 8, x + 14, y + 14, 3);
    });
}

SpeedButton::Painter Clear() {
    return Make(RGB(192, 0, 0), [](const Pen& p, int x, int y, bool) {
        p.Line(x + 1, y + 1, x + 14, y + 14, 3);
        p.Line(x + 14, y + 1, x + 1, y + 14, 3);
    });
}

SpeedButton::Painter Report() {
    return Make(RGB(128, 0, 0), [](const Pen& p, int x, int y, bool on) {
        p.Box(x + 2, y, x + 14, y + 15, Paper(on));
        p.Line(x + 4, y + 3, x + 12, y + 3, 2);
        for (int i = 7; i < 14; i += 3) p.Line(x + 4, y + i, x + 12, y + i);
    });
}

SpeedButton::Painter Table() {
    return Make(RGB(0, 112, 0), [](const Pen& p, int x, int y, bool on) {
        p.Box(x, y + 1, x + 16, y + 15, Paper(on));
        p.Line(x, y + 4, x + 16, y + 4, 2);  // the header row
        for (int i = 8; i < 14; i += 3) p.Line(x, y + i, x + 16, y + i);
        p.Line(x + 5, y + 1, x + 5, y + 15);
        p.Line(x + 10, y + 1, x + 10, y + 15);
    });
}

SpeedButton::Painter About() { return Letters("?", RGB(0, 0, 160)); }

SpeedButton::Painter Export() {
    return Make(RGB(0, 0, 128), [](const Pen& p, int x, int y, bool on) {
        p.Box(x, y, x + 9, y + 14, Paper(on));
        p.Line(x + 5, y + 7, x + 15, y + 7, 2);
        p.Line(x + 11, y + 3, x + 15, y + 7, 2);
        p.Line(x + 11, y + 11, x + 15, y + 7, 2);
    });
}

SpeedButton::Painter Tool() {
    return Make(RGB(0, 0, 0), [](const Pen& p, int x, int y, bool on) {
        p.Box(x + 1, y, x + 14, y + 15, Paper(on));
        for (int i = 3; i < 14; i += 2) p.Line(x + 3, y + i, x + 12, y + i);
    });
}

SpeedButton::Painter Compare() {
    return Make(RGB(0, 0, 128), [](const Pen& p, int x, int y, bool on) {
        p.Box(x, y, x + 7, y + 13, Paper(on));
        p.Box(x + 8, y + 2, x + 15, y + 15, Paper(on));
        p.Line(x + 2, y + 4, x + 5, y + 4);
        p.Line(x + 10, y + 6, x + 13, y + 6);
    });
}

SpeedButton::Painter Display() {
    return Make(RGB(0, 0, 0), [](const Pen& p, int x, int y, bool on) {
        p.Box(x, y, x + 15, y + 11, on ? RGB(0, 128, 128) : ::GetSysColor(COLOR_BTNFACE));
        p.Line(x + 7, y + 11, x + 7, y + 14, 2);
        p.Line(x + 3, y + 14, x + 12, y + 14, 2);
    });
}

SpeedButton::Painter Quit() { return DoorWithArrow(RGB(128, 0, 0)); }

SpeedButton::Painter Letters(const char* text, COLORREF color) {
    return [text, color](HDC dc, const RECT& area, bool enabled, int dpi) {
        RECT rc = area;
        LOGFONTA lf{};
        lf.lfHeight = -Scale(14, dpi);
        lf.lfWeight = FW_BOLD;
        lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
        FontHandle font(::CreateFontIndirectA(&lf));
        SelectObjectScope scope(dc, font.Get());
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, enabled ? color : ::GetSysColor(COLOR_GRAYTEXT));
        ::DrawTextA(dc, text, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    };
}

SpeedButton::Painter Cut() {
    return Make(RGB(0, 0, 0), [](const Pen& p, int x, int y, bool) {
        p.Line(x + 4, y, x + 10, y + 9, 2);
        p.Line(x + 11, y, x + 5, y + 9, 2);
        p.Circle(x + 1, y + 9, x + 7, y + 15);
        p.Circle(x + 8, y + 9, x + 14, y + 15);
    });
}

SpeedButton::Painter Copy() {
    return Make(RGB(0, 0, 128), [](const Pen& p, int x, int y, bool on) {
        p.Box(x, y, x + 9, y + 11, Paper(on));
        p.Box(x + 6, y + 4, x + 15, y + 15, Paper(on));
        for (int i = 7; i < 14; i += 3) p.Line(x + 8, y + i, x + 13, y + i);
    });
}

SpeedButton::Painter Paste() {
    return Make(RGB(96, 64, 0), [](const Pen& p, int x, int y, bool on) {
        p.Box(x, y + 1, x + 11, y + 15, on ? RGB(192, 160, 96) : ::GetSysColor(COLOR_BTNFACE));
        p.Line(x + 3, y + 1, x + 8, y + 1, 3);
        p.Box(x + 6, y + 6, x + 15, y + 15, Paper(on));
    });
}

SpeedButton::Painter Font() { return Letters("Aa", RGB(0, 0, 128)); }

namespace {

// Five lines of alternating length; `where` places the short ones
// (0 left, 1 centred, 2 right).
SpeedButton::Painter Alignment(int where) {
    return Make(RGB(0, 0, 0), [where](const Pen& p, int x, int y, bool) {
        for (int i = 0; i < 5; ++i) {
            const int len = i % 2 ? 9 : 15;
            const int left = x + (where == 0 ? 0 : where == 1 ? (15 - len) / 2 : 15 - len);
            p.Line(left, y + 1 + i * 3, left + len, y + 1 + i * 3);
        }
    });
}

}  // namespace

SpeedButton::Painter AlignLeft() { return Alignment(0); }
SpeedButton::Painter AlignCenter() { return Alignment(1); }
SpeedButton::Painter AlignRight() { return Alignment(2); }

SpeedButton::Painter Open() {
    return Make(RGB(96, 64, 0), [](const Pen& p, int x, int y, bool on) {
        const COLORREF folder = on ? RGB(255, 224, 96) : ::GetSysColor(COLOR_BTNFACE);
        p.Box(x, y + 3, x + 13, y + 14, folder);
        p.Line(x + 1, y + 2, x + 6, y + 2, 2);
        p.Line(x + 3, y + 8, x + 15, y + 8, 2);
    });
}

SpeedButton::Painter Save() {
    return Make(RGB(0, 0, 96), [](const Pen& p, int x, int y, bool on) {
        p.Box(x, y, x + 15, y + 15, on ? RGB(64, 64, 160) : ::GetSysColor(COLOR_BTNFACE));
        p.Box(x + 3, y, x + 12, y + 6, Paper(on));
        p.Box(x + 4, y + 9, x + 11, y + 15, Paper(on));
    });
}

SpeedButton::Painter Print() {
    return Make(RGB(0, 0, 0), [](const Pen& p, int x, int y, bool on) {
        p.Box(x + 3, y, x + 12, y + 6, Paper(on));
        p.Box(x, y + 5, x + 15, y + 12, on ? RGB(192, 192, 192) : ::GetSysColor(COLOR_BTNFACE));
        p.Box(x + 3, y + 10, x + 12, y + 15, Paper(on));
    });
}

SpeedButton::Painter Exit() { return DoorWithArrow(RGB(0, 96, 0)); }

}  // namespace ui::glyphs
