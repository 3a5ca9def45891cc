#pragma once
// A view of many lines that draws only those on screen: a list box without
// data of its own, drawn from one text, so a file's hundreds of thousands of
// strings show at once instead of being laid out line by line as an edit
// control does. Lines can be selected (one, a range, Ctrl+A), copied with
// Ctrl+C and, unless it is read-only, deleted with Delete. Its window text is its lines with CR LF
// between them, as an edit control's is, so automation reads it the same way.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Window.h"

namespace ui {

class LineView : public Window {
public:
    struct Options {
        bool readOnly = false;  // Delete leaves the lines as they are
    };
    void Create(HWND parent, const Rect& r);
    void Create(HWND parent, const Rect& r, const Options& options);

    // The lines of `text`, separated by CR LF; replaces what was shown.
    void SetLines(std::string text);
    size_t Count() const { return starts_.size(); }
    std::string_view Line(size_t index) const;
    std::vector<std::string> Lines() const;

    // The selected lines' indexes, in order.
    std::vector<size_t> Selected() const;
    void SelectAll();
    // The selected lines onto the clipboard, CR LF between them.
    void CopySelected();
    void DeleteSelected();

protected:
    bool OnDrawItem(DRAWITEMSTRUCT* dis) override;
    bool BeforeControlMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) noexcept override;
    void OnDpiChanged(int dpi) override;

private:
    void FitLines();  // a line's height from the font
    void Reindex();
    // The count, the scroll width and the first line on screen.
    void Show(size_t top);
    std::string text_;
    std::vector<size_t> starts_;
    bool readOnly_ = false;
};

}  // namespace ui
