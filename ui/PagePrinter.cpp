#include "ui/PagePrinter.h"

#include <algorithm>
#include <map>
#include <string>

#include "ui/Handles.h"
#include "ui/RichEdit.h"

namespace ui {

namespace {

// Between printed pages the program's windows are repainted, so a long job
// does not leave them blank; only paint messages are handled, so no command
// can start in the middle of the job.
void RepaintWaitingWindows() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) ::DispatchMessageA(&msg);
}

// Puts the paragraphs on pages, line by line.
class PagePrinter {
public:
    PagePrinter(HDC dc, const RECT& area)
        : dc_(dc), area_(area), originalFont_(::GetCurrentObject(dc, OBJ_FONT)) {
        dpiX_ = ::GetDeviceCaps(dc, LOGPIXELSX);
        dpiY_ = ::GetDeviceCaps(dc, LOGPIXELSY);
        y_ = area.top;
    }
    // The DC gets its own font back before the fonts made here are deleted:
    // a font still selected into a DC cannot be deleted.
    ~PagePrinter() { ::SelectObject(dc_, originalFont_); }
    PagePrinter(const PagePrinter&) = delete;
    PagePrinter& operator=(const PagePrinter&) = delete;

    bool Paragraph(const std::vector<PrintRun>& runs, const CHARFORMAT2A& endFormat,
                   const PARAFORMAT2& para) {
        line_.clear();
        x_ = 0;
        lineHeight_ = 0;
        para_ = para;
        for (const PrintRun& run : runs) {
            Use(run.format);
            size_t pos = 0;
            while (pos < run.text.size()) {
                if (run.text[pos] == '\t') {
                    x_ = NextTab(x_);
                    if (x_ > Width() && !Flush(false)) return false;
                    ++pos;
                    continue;
                }
                const size_t tab = run.text.find('\t', pos);
                const size_t stop = tab == std::string::npos ? run.text.size() : tab;
                int fit = 0;
                SIZE extent{};
                const int count = static_cast<int>(stop - pos);
                ::GetTextExtentExPointA(dc_, run.text.data() + pos, count, Width() - x_, &fit,
                                        nullptr, &extent);
                if (fit <= 0 && x_ == 0) fit = 1;  // a character wider than the page
                if (fit > 0) {
                    SIZE piece{};
                    ::GetTextExtentPoint32A(dc_, run.text.data() + pos, fit, &piece);
                    line_.push_back({run.text.substr(pos, static_cast<size_t>(fit)), font_, color_, x_});
                    x_ += piece.cx;
                    pos += static_cast<size_t>(fit);
                }
                if (fit < count && !Flush(false)) return false;
            }
        }
        if (lineHeight_ == 0) Use(endFormat);
        return Flush(true);
    }

    bool Finish() {
        if (pageOpen_ && ::EndPage(dc_) <= 0) return false;
        pageOpen_ = false;
        return true;
    }
    bool StartIfNothingPrinted() {
        if (pageOpen_ || printedAny_) return true;
        pageOpen_ = ::StartPage(dc_) > 0;
        return pageOpen_;
    }

private:
    struct Piece {
        std::string text;
        HFONT font;
        COLORREF color;
        int x;
    };

    int Width() const { return area_.right - area_.left; }
    int TwipsToX(int twips) const { return ::MulDiv(twips, dpiX_, 1440); }

    int NextTab(int x) const {
        for (int i = 0; i < para_.cTabCount; ++i) {
            const int stop = TwipsToX(para_.rgxTabs[i] & 0x00FFFFFF);
            if (stop > x) return stop;
        }
        const int step = TwipsToX(720);  // the platform's default stops, every half inch
        return (x / step + 1) * step;
    }

    void Use(const CHARFORMAT2A& cf) {
        // One font per distinct style, however many runs use it: a long
        // report has thousands of runs and a process only so many GDI objects.
        const LOGFONTA lf = FontOfCharFormat(cf, dpiY_);
        FontHandle& font = fonts_[std::string(reinterpret_cast<const char*>(&lf), sizeof lf)];
        if (!font) font.Reset(::CreateFontIndirectA(&lf));
        font_ = font.Get();
        color_ = (cf.dwEffects & CFE_AUTOCOLOR) ? RGB(0, 0, 0) : cf.crTextColor;
        ::SelectObject(dc_, font_);
        TEXTMETRICA tm{};
        ::GetTextMetricsA(dc_, &tm);
        lineHeight_ = std::max<int>(lineHeight_, tm.tmHeight + tm.tmExternalLeading);
    }

    bool Flush(bool paragraphEnd) {
        if (!pageOpen_) {
            if (::StartPage(dc_) <= 0) return false;
            pageOpen_ = true;
            printedAny_ = true;
        }
        if (y_ + lineHeight_ > area_.bottom && y_ > area_.top) {
            if (::EndPage(dc_) <= 0) return false;
            RepaintWaitingWindows();
            if (::StartPage(dc_) <= 0) return false;
            y_ = area_.top;
        }
        int shift = 0;
        if (para_.wAlignment == PFA_CENTER) shift = (Width() - x_) / 2;
        if (para_.wAlignment == PFA_RIGHT) shift = Width() - x_;
        shift = std::max(shift, 0);
        ::SetBkMode(dc_, TRANSPARENT);
        for (const Piece& p : line_) {
            ::SelectObject(dc_, p.font);
            ::SetTextColor(dc_, p.color);
            ::TextOutA(dc_, area_.left + shift + p.x, y_, p.text.data(),
                       static_cast<int>(p.text.size()));
        }
        y_ += lineHeight_;
        line_.clear();
        x_ = 0;
        if (!paragraphEnd) {
            // The next line of the same paragraph keeps the current font.
            TEXTMETRICA tm{};
            ::GetTextMetricsA(dc_, &tm);
            lineHeight_ = tm.tmHeight + tm.tmExternalLeading;
        } else {
            lineHeight_ = 0;
        }
        return true;
    }

    HDC dc_;
    RECT area_;
    int dpiX_ = 96, dpiY_ = 96;
    int x_ = 0, y_ = 0, lineHeight_ = 0;
    bool pageOpen_ = false;
    bool printedAny_ = false;
    PARAFORMAT2 para_{};
    HFONT font_ = nullptr;
    COLORREF color_ = 0;
    std::vector<Piece> line_;
    HGDIOBJ originalFont_;
    std::map<std::string, FontHandle> fonts_;  // by the bytes of their LOGFONT
};

}  // namespace

bool PrintParagraphs(HDC printer, const RECT& area, const std::vector<PrintParagraph>& document) {
    PagePrinter pages(printer, area);
    for (const PrintParagraph& paragraph : document) {
        if (!pages.Paragraph(paragraph.runs, paragraph.endFormat, paragraph.format)) return false;
    }
    return pages.StartIfNothingPrinted() && pages.Finish();
}

}  // namespace ui
