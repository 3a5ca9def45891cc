#pragma once
// A window's controls as one table. A row names a control, its rectangle,
// what its kind is made with (caption, hint and glyph, lines, options) and
// the handlers of its events, which are member functions of the table's
// owner; Lay() creates the rows in order on one parent and wires them.
// Rectangles are in pixels at 96 DPI; Lay() scales them to the display.
// Every form and every notebook page lays itself out this way:
//
//     ui::Lay(*this, Sheet(), {
//         {ListBox7, {10, 40, 765, 209}, {.tabStops = true}, &ProcessListPage::ListBox7Click},
//         {Button15, {10, 256, 130, 25}, "Generate Report", &ProcessListPage::Button15Click},
//     });
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "ui/Controls.h"
#include "ui/Dpi.h"
#include "ui/FileControls.h"
#include "ui/LineView.h"
#include "ui/RichEdit.h"

namespace ui {

template <class Owner>
class Row {
public:
    using Handler = void (Owner::*)();

    Row(Label& c, Rect r, std::string caption, Label::Style style = {},
        Handler onDblClick = nullptr)
        : design_{&c, r},
          make_([&c, caption = std::move(caption), style, onDblClick](Owner& o, HWND p,
                                                                      const Rect& at, ToolTip*) {
              c.Create(p, at, caption, style);
              Bind(o, c.OnDblClick, onDblClick);
          }) {}
    Row(Button& c, Rect r, std::string caption, Handler onClick = nullptr)
        : design_{&c, r},
          make_([&c, caption = std::move(caption), onClick](Owner& o, HWND p, const Rect& at,
                                                            ToolTip*) {
              c.Create(p, at, caption);
              Bind(o, c.OnClick, onClick);
          }) {}
    Row(CheckBox& c, Rect r, std::string caption, Handler onClick = nullptr)
        : design_{&c, r},
          make_([&c, caption = std::move(caption), onClick](Owner& o, HWND p, const Rect& at,
                                                            ToolTip*) {
              c.Create(p, at, caption);
              Bind(o, c.OnClick, onClick);
          }) {}
    // The hint is the button's text and its tooltip.
    Row(SpeedButton& c, Rect r, std::string hint, SpeedButton::Painter glyph, Handler onClick,
        int group = 0)
        : design_{&c, r},
          make_([&c, hint = std::move(hint), glyph = std::move(glyph), onClick, group](
                    Owner& o, HWND p, const Rect& at, ToolTip* tips) {
              c.Create(p, at, hint, glyph, tips, group);
              Bind(o, c.OnClick, onClick);
          }) {}
    Row(Edit& c, Rect r, std::string text, Edit::Options options = {}, Handler onChange = nullptr,
        Handler onDblClick = nullptr)
        : design_{&c, r},
          make_([&c, text = std::move(text), options, onChange, onDblClick](
                    Owner& o, HWND p, const Rect& at, ToolTip*) {
              c.Create(p, at, text, options);
              Bind(o, c.OnChange, onChange);
              Bind(o, c.OnDblClick, onDblClick);
          }) {}
    Row(Memo& c, Rect r, std::vector<std::string> lines, Memo::Options options = {},
        Handler onChange = nullptr)
        : design_{&c, r},
          make_([&c, lines = std::move(lines), options, onChange](Owner& o, HWND p, const Rect& at,
                                                                  ToolTip*) {
              c.Create(p, at, lines, options);
              Bind(o, c.OnChange, onChange);
          }) {}
    Row(ListBox& c, Rect r, ListBox::Options options = {}, Handler onClick = nullptr,
        Handler onDblClick = nullptr)
        : design_{&c, r},
          make_([&c, options, onClick, onDblClick](Owner& o, HWND p, const Rect& at, ToolTip*) {
              c.Create(p, at, options);
              Bind(o, c.OnClick, onClick);
              Bind(o, c.OnDblClick, onDblClick);
          }) {}
    Row(LineView& c, Rect r, LineView::Options options = {})
        : design_{&c, r},
          make_([&c, options](Owner&, HWND p, const Rect& at, ToolTip*) {
              c.Create(p, at, options);
          }) {}
    Row(FileListBox& c, Rect r, Handler onClick = nullptr, Handler onDblClick = nullptr)
        : design_{&c, r},
          make_([&c, onClick, onDblClick](Owner& o, HWND p, const Rect& at, ToolTip*) {
              c.Create(p, at);
              Bind(o, c.OnClick, onClick);
              Bind(o, c.OnDblClick, onDblClick);
          }) {}
    Row(DirectoryListBox& c, Rect r, Handler onChange = nullptr)
        : design_{&c, r}, make_([&c, onChange](Owner& o, HWND p, const Rect& at, ToolTip*) {
              c.Create(p, at);
              Bind(o, c.OnChange, onChange);
          }) {}
    Row(ComboBox& c, Rect r, std::vector<std::string> items = {}, Handler onChange = nullptr)
        : design_{&c, r},
          make_(
              [&c, items = std::move(items), onChange](Owner& o, HWND p, const Rect& at, ToolTip*) {
                  c.Create(p, at);
                  for (const std::string& item : items) c.Add(item);
                  Bind(o, c.OnChange, onChange);
              }) {}
    Row(DriveComboBox& c, Rect r, Handler onChange = nullptr)
        : design_{&c, r}, make_([&c, onChange](Owner& o, HWND p, const Rect& at, ToolTip*) {
              c.Create(p, at);
              Bind(o, c.OnChange, onChange);
          }) {}
    Row(FilterComboBox& c, Rect r, std::vector<FilterComboBox::Entry> entries,
        Handler onChange = nullptr)
        : design_{&c, r},
          make_([&c, entries = std::move(entries), onChange](Owner& o, HWND p, const Rect& at,
                                                             ToolTip*) {
              c.Create(p, at, entries);
              Bind(o, c.OnChange, onChange);
          }) {}
    Row(UpDown& c, Rect r, Window& buddy, UpDown::Options options, Handler onChange = nullptr)
        : design_{&c, r},
          make_([&c, &buddy, options, onChange](Owner& o, HWND p, const Rect& at, ToolTip*) {
              c.Create(p, at, buddy, options);
              Bind(o, c.OnChange, onChange);
          }) {}
    Row(TrackBar& c, Rect r, int min, int max, int position, Handler onChange = nullptr)
        : design_{&c, r},
          make_([&c, min, max, position, onChange](Owner& o, HWND p, const Rect& at, ToolTip*) {
              c.Create(p, at, min, max, position);
              Bind(o, c.OnChange, onChange);
          }) {}
    Row(RichEdit& c, Rect r, RichEdit::Options options = {})
        : design_{&c, r}, make_([&c, options](Owner&, HWND p, const Rect& at, ToolTip*) {
              c.Create(p, at, options);
          }) {}
    Row(Image& c, Rect r)
        : design_{&c, r},
          make_([&c](Owner&, HWND p, const Rect& at, ToolTip*) { c.Create(p, at); }) {}
    Row(Panel& c, Rect r, std::string caption = {}, bool bevel = false)
        : design_{&c, r},
          make_(
              [&c, caption = std::move(caption), bevel](Owner&, HWND p, const Rect& at, ToolTip*) {
                  c.Create(p, at, caption, bevel);
              }) {}
    Row(PageControl& c, Rect r, Handler onChange = nullptr)
        : design_{&c, r}, make_([&c, onChange](Owner& o, HWND p, const Rect& at, ToolTip*) {
              c.Create(p, at);
              Bind(o, c.OnChange, onChange);
          }) {}
    // The status line sizes itself along the parent's bottom edge.
    Row(StatusBar& c, Handler onDblClick = nullptr)
        : make_([&c, onDblClick](Owner& o, HWND p, const Rect&, ToolTip*) {
              c.Create(p);
              Bind(o, c.OnDblClick, onDblClick);
          }) {}

    // Creates the control at its designed rectangle scaled to `dpi`.
    void Make(Owner& owner, HWND parent, int dpi, ToolTip* tips) const {
        make_(owner, parent, Scale(design_.rect, dpi), tips);
        if (design_.control) design_.control->KeepDesign(design_.rect);
    }

private:
    static void Bind(Owner& owner, Event& slot, Handler handler) {
        if (handler) slot = [&owner, handler] { (owner.*handler)(); };
    }

    struct Design {
        Window* control = nullptr;  // none: the control places itself
        Rect rect;
    };
    Design design_;
    std::function<void(Owner&, HWND, const Rect&, ToolTip*)> make_;
};

// Creates the rows on `parent` in order (which is also their Tab order);
// picture buttons register their hints with `tips`. The rectangles are
// designed at 96 DPI and scaled here to the parent's DPI: the one place
// where a layout meets the display scale.
template <class Owner>
void Lay(Owner& owner, const Window& parent, std::initializer_list<Row<Owner>> rows,
         ToolTip* tips = nullptr) {
    const int dpi = DpiOf(parent.Handle());
    for (const Row<Owner>& row : rows) row.Make(owner, parent.Handle(), dpi, tips);
}

// The same for rows made in a loop.
template <class Owner>
void Lay(Owner& owner, const Window& parent, const std::vector<Row<Owner>>& rows,
         ToolTip* tips = nullptr) {
    const int dpi = DpiOf(parent.Handle());
    for (const Row<Owner>& row : rows) row.Make(owner, parent.Handle(), dpi, tips);
}

}  // namespace ui
