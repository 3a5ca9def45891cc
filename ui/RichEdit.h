#pragma once
// The platform's rich-edit control (RichEdit 2.0 or later, ANSI class).
#include <windows.h>
#include <richedit.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/Window.h"

namespace ui {

class RichEdit : public Window {
public:
    struct Options {
        bool readOnly = false;
        bool wordWrap = true;
        bool vScroll = true;
        bool hScroll = false;
        bool wantTab = false;
        bool keepSelection = false;  // selection visible without the focus
    };
    void Create(HWND parent, const Rect& r, const Options& options);

    // Logical lines of the document (paragraphs), whatever the wrapping.
    std::vector<std::string> Lines() const;
    // Character position where the paragraph of that index begins.
    int ParagraphStart(int paragraph) const;
    void SetPlainText(std::string_view text);
    // Empties the document; like the platform's final paragraph mark, the
    // last paragraph's format stays, and characters return to the default.
    void Clear();

    // Length in character positions (a paragraph end counts as one).
    int TextLength() const;
    // The character at a position ("\r" for a paragraph end); 0 past the end.
    char CharAt(int position) const;
    CHARRANGE Selection() const;
    void Select(int start, int end);
    void SelectEnd();
    // Inserts plain text over the selection in the selection's style; "\r"
    // starts a new paragraph.
    void ReplaceSelection(std::string_view text);
    // Scrolls the caret into view.
    void ScrollToCaret();

    // Character style of the selection (or of the insertion point).
    CHARFORMAT2A SelectionFormat() const;
    void SetSelectionFormat(const CHARFORMAT2A& format);
    CHARFORMAT2A DefaultFormat() const;
    void SetDefaultFormat(const CHARFORMAT2A& format);
    // Style and paragraph format of a range, leaving the selection as it was.
    CHARFORMAT2A RangeFormat(int start, int end) const;
    PARAFORMAT2 RangeParagraph(int start, int end) const;

    PARAFORMAT2 SelectionParagraph() const;
    void SetSelectionParagraph(const PARAFORMAT2& format);
    void SetSelectionAlignment(WORD alignment);  // PFA_LEFT, PFA_CENTER, PFA_RIGHT
    // Tab stops in points of the paragraphs the selection touches.
    void SetSelectionTabStops(const std::vector<int>& points);

    // The document as Rich Text Format, through the control's own writer.
    std::string Rtf() const;
    // Replaces the document with rich text; false (and the document
    // unchanged) when the bytes are not RTF.
    bool LoadRtf(std::string_view rtf);
    // Replaces the document with plain text, each line a paragraph in the
    // default style.
    void LoadText(std::string_view text);
    // Rich text when the bytes are RTF, plain text otherwise.
    void LoadRtfOrText(std::string_view bytes);

    // Prints the whole document on the printer DC as one job of that title;
    // throws when the printer refuses the job.
    void Print(HDC printer, const std::string& title) const;

    void Cut();
    void Copy();
    void PasteText();

protected:
    // With wantTab the Tab key types a tab instead of moving the focus on.
    LRESULT ExtraDialogCode() const noexcept override { return wantTab_ ? DLGC_WANTTAB : 0; }
    // Its text's sizes are in points, which the control draws at the
    // screen's scale; a new font would reset the text's formats.
    void OnDpiChanged(int) override {}

private:
    CHARFORMAT2A Format(WPARAM scope) const;
    void SetFormat(WPARAM scope, const CHARFORMAT2A& format);
    static constexpr int kRecreateAbove = 200;         // paragraphs
    static constexpr int kParagraphsPerInsert = 5000;
    void Recreate(const CHARFORMAT2A& defaultFormat);

    bool wordWrap_ = true;
    bool wantTab_ = false;
};

// Makes the rich-edit window class available; false when no library has it.
bool LoadRichEditLibrary();

// The font a character format describes, for a device of `dpiY` dots per inch.
LOGFONTA FontOfCharFormat(const CHARFORMAT2A& format, int dpiY);
// Its inverse: the character format of a font of that colour, the font's
// height in pixels of a device of `dpiY` dots per inch.
CHARFORMAT2A FormatOfFont(const LOGFONTA& font, COLORREF color, int dpiY);

}  // namespace ui
