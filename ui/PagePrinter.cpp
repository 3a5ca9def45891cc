#include "ui/PagePrinter.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

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

// --- A rich edit's document on the printer --------------------------------

namespace {

constexpr DWORD kStyleMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_FACE |
                             CFM_SIZE | CFM_COLOR;

// The runs of uniform style of a paragraph's text starting at `start`.
void AppendRuns(const RichEdit& edit, int start, const std::string& text,
                std::vector<std::pair<std::string, CHARFORMAT2A>>& runs) {
    if (text.empty()) return;
    const int end = start + static_cast<int>(text.size());
    const CHARFORMAT2A cf = edit.RangeFormat(start, end);
    if ((cf.dwMask & kStyleMask) == kStyleMask || text.size() == 1) {
        if (!runs.empty() && std::memcmp(&runs.back().second, &cf, sizeof cf) == 0)
            runs.back().first += text;
        else
            runs.emplace_back(text, cf);
        return;
    }
    const size_t half = text.size() / 2;
    AppendRuns(edit, start, text.substr(0, half), runs);
    AppendRuns(edit, start + static_cast<int>(half), text.substr(half), runs);
}

}  // namespace

void PrintRichEdit(const RichEdit& edit, HDC printer, const std::string& title) {
    // Whole page in twips, printed inside margins of half an inch.
    const int dpiX = ::GetDeviceCaps(printer, LOGPIXELSX);
    const int dpiY = ::GetDeviceCaps(printer, LOGPIXELSY);
    const int pageW = ::MulDiv(::GetDeviceCaps(printer, HORZRES), 1440, dpiX);
    const int pageH = ::MulDiv(::GetDeviceCaps(printer, VERTRES), 1440, dpiY);
    FORMATRANGE fr{};
    fr.hdc = printer;
    fr.hdcTarget = printer;
    fr.rcPage = {0, 0, pageW, pageH};
    fr.rc = {720, 720, pageW - 720, pageH - 720};
    fr.chrg = {0, -1};
    const int length = edit.TextLength();
    // A control that lays out nothing when asked to measure cannot print.
    const bool platformLayout =
        length == 0 || ::SendMessageA(edit.Handle(), EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&fr)) > 0;
    ::SendMessageA(edit.Handle(), EM_FORMATRANGE, FALSE, 0);

    DOCINFOA doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = title.c_str();
    if (::StartDocA(printer, &doc) <= 0)
        throw std::runtime_error("The printer did not accept the report");
    bool failed = false;
    if (platformLayout) {
        do {
            if (::StartPage(printer) <= 0) {
                failed = true;
                break;
            }
            const LRESULT next =
                ::SendMessageA(edit.Handle(), EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&fr));
            if (::EndPage(printer) <= 0) {
                failed = true;
                break;
            }
            if (next <= fr.chrg.cpMin) break;  // nothing more fits: avoid an endless job
            fr.chrg.cpMin = static_cast<LONG>(next);
        } while (fr.chrg.cpMin < length);
        ::SendMessageA(edit.Handle(), EM_FORMATRANGE, FALSE, 0);
    } else {
        const RECT area{::MulDiv(720, dpiX, 1440), ::MulDiv(720, dpiY, 1440),
                        ::GetDeviceCaps(printer, HORZRES) - ::MulDiv(720, dpiX, 1440),
                        ::GetDeviceCaps(printer, VERTRES) - ::MulDiv(720, dpiY, 1440)};
        // Every paragraph's runs and format first, with drawing off: Wine's
        // control repaints at every selection change, which made reading
        // the formats most of a print job's time.
        std::vector<PrintParagraph> document;
        {
            RedrawOff quiet(edit.Handle());
            const std::vector<std::string> paragraphs = edit.Lines();
            document.reserve(paragraphs.size());
            int start = 0;
            for (const std::string& text : paragraphs) {
                std::vector<std::pair<std::string, CHARFORMAT2A>> pieces;
                AppendRuns(edit, start, text, pieces);
                PrintParagraph paragraph;
                for (auto& [t, f] : pieces) paragraph.runs.push_back({std::move(t), f});
                const int end = start + static_cast<int>(text.size());
                // Only an empty paragraph takes its height from its mark.
                paragraph.endFormat = text.empty() ? edit.RangeFormat(end, end + 1) : CHARFORMAT2A{};
                paragraph.format = edit.RangeParagraph(start, start);
                document.push_back(std::move(paragraph));
                start = end + 1;
            }
        }
        failed = !PrintParagraphs(printer, area, document);
    }
    if (failed) {
        ::AbortDoc(printer);
        throw std::runtime_error("The report could not be printed");
    }
    ::EndDoc(printer);
}

}  // namespace ui
