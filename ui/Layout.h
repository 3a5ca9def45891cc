#pragma once
// A window's controls as one table. A row names a control, its rectangle,
// what its kind is made with (caption, hint and glyph, lines, options) and
// the handlers of its events, which are member functions of the table's
// owner; Lay() creates the rows in order on one parent and wires them.
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
#include "ui/LineView.h"
#include "ui/RichEdit.h"

namespace ui {

template <class Owner>
class Row {
public:
    using Handler = void (Owner::*)();

    Row(Label& c, Rect r, std::string caption, Label::Style style = {},
        Handler onDblClick = nullptr)
        : make_([&c, r, caption = std::move(caption), style, onDblClick](Owner& o, HWND p,
                                                                          ToolTip*) {
              c.Create(p, r, caption, style);
              Bind(o, c.OnDblClick, onDblClick);
          }) {}
    Row(Button& c, Rect r, std::string caption, Handler onClick = nullptr)
        : make_([&c, r, caption = std::move(caption), onClick](Owner& o, HWND p, ToolTip*) {
              c.Create(p, r, caption);
              Bind(o, c.OnClick, onClick);
          }) {}
    Row(CheckBox& c, Rect r, std::string caption, Handler onClick = nullptr)
        : make_([&c, r, caption = std::move(caption), onClick](Owner& o, HWND p, ToolTip*) {
              c.Create(p, r, caption);
              Bind(o, c.OnClick, onClick);
          }) {}
    // The hint is the button's text and its tooltip.
    Row(SpeedButton& c, Rect r, std::string hint, SpeedButton::Painter glyph, Handler onClick,
        int group = 0)
        : make_([&c, r, hint = std::move(hint), glyph = std::move(glyph), onClick, group](
                    Owner& o, HWND p, ToolTip* tips) {
              c.Create(p, r, hint, glyph, tips, group);
              Bind(o, c.OnClick, onClick);
          }) {}
    Row(Edit& c, Rect r, std::string text, Edit::Options options = {}, Handler onChange = nullptr,
        Handler onDblClick = nullptr)
        : make_([&c, r, text = std::move(text), options, onChange, onDblClick](Owner& o, HWND p,
                                                                              ToolTip*) {
              c.Create(p, r, text, options);
              Bind(o, c.OnChange, onChange);
              Bind(o, c.OnDblClick, onDblClick);
          }) {}
    Row(Memo& c, Rect r, std::vector<std::string> lines, Memo::Options options = {},
        Handler onChange = nullptr)
        : make_([&c, r, lines = std::move(lines), options, onChange](Owner& o, HWND p, ToolTip*) {
              c.Create(p, r, lines, options);
              Bind(o, c.OnChange, onChange);
          }) {}
    Row(ListBox& c, Rect r, ListBox::Options options = {}, Handler onClick = nullptr,
        Handler onDblClick = nullptr)
        : make_([&c, r, options, onClick, onDblClick](Owner& o, HWND p, ToolTip*) {
              c.Create(p, r, options);
              Bind(o, c.OnClick, onClick);
              Bind(o, c.OnDblClick, onDblClick);
          }) {}
    Row(LineView& c, Rect r) : make_([&c, r](Owner&, HWND p, ToolTip*) { c.Create(p, r); }) {}
    Row(FileListBox& c, Rect r, Handler onClick = nullptr, Handler onDblClick = nullptr)
        : make_([&c, r, onClick, onDblClick](Owner& o, HWND p, ToolTip*) {
              c.Create(p, r);
              Bind(o, c.OnClick, onClick);
              Bind(o, c.OnDblClick, onDblClick);
          }) {}
    Row(DirectoryListBox& c, Rect r, Handler onChange = nullptr)
        : make_([&c, r, onChange](Owner& o, HWND p, ToolTip*) {
              c.Create(p, r);
              Bind(o, c.OnChange, onChange);
          }) {}
    Row(ComboBox& c, Rect r, std::vector<std::string> items = {}, Handler onChange = nullptr)
        : make_([&c, r, items = std::move(items), onChange](Owner& o, HWND p, ToolTip*) {
              c.Create(p, r);
              for (const std::string& item : items) c.Add(item);
              Bind(o, c.OnChange, onChange);
          }) {}
    Row(DriveComboBox& c, Rect r, Handler onChange = nullptr)
        : make_([&c, r, onChange](Owner& o, HWND p, ToolTip*) {
              c.Create(p, r);
              Bind(o, c.OnChange, onChange);
          }) {}
    Row(FilterComboBox& c, Rect r, std::vector<FilterComboBox::Entry> entries,
        Handler onChange = nullptr)
        : make_([&c, r, entries = std::move(entries), onChange](Owner& o, HWND p, ToolTip*) {
              c.Create(p, r, entries);
              Bind(o, c.OnChange, onChange);
          }) {}
    Row(UpDown& c, Rect r, Window& buddy, UpDown::Options options, Handler onChange = nullptr)
        : make_([&c, r, &buddy, options, onChange](Owner& o, HWND p, ToolTip*) {
              c.Create(p, r, buddy, options);
              Bind(o, c.OnChange, onChange);
          }) {}
    Row(TrackBar& c, Rect r, int min, int max, int position, Handler onChange = nullptr)
        : make_([&c, r, min, max, position, onChange](Owner& o, HWND p, ToolTip*) {
              c.Create(p, r, min, max, position);
              Bind(o, c.OnChange, onChange);
          }) {}
    Row(RichEdit& c, Rect r, RichEdit::Options options = {})
        : make_([&c, r, options](Owner&, HWND p, ToolTip*) { c.Create(p, r, options); }) {}
    Row(Image& c, Rect r) : make_([&c, r](Owner&, HWND p, ToolTip*) { c.Create(p, r); }) {}
    Row(Panel& c, Rect r, std::string caption = {}, bool bevel = false)
        : make_([&c, r, caption = std::move(caption), bevel](Owner&, HWND p, ToolTip*) {
              c.Create(p, r, caption, bevel);
          }) {}
    Row(PageControl& c, Rect r, Handler onChange = nullptr)
        : make_([&c, r, onChange](Owner& o, HWND p, ToolTip*) {
              c.Create(p, r);
              Bind(o, c.OnChange, onChange);
          }) {}
    // The status line sizes itself along the parent's bottom edge.
    Row(StatusBar& c, Handler onDblClick = nullptr)
        : make_([&c, onDblClick](Owner& o, HWND p, ToolTip*) {
              c.Create(p);
              Bind(o, c.OnDblClick, onDblClick);
          }) {}

    void Make(Owner& owner, HWND parent, ToolTip* tips) const { make_(owner, parent, tips); }

private:
    static void Bind(Owner& owner, Event& slot, Handler handler) {
        if (handler) slot = [&owner, handler] { (owner.*handler)(); };
    }

    std::function<void(Owner&, HWND, ToolTip*)> make_;
};

// Creates the rows on `parent` in order (which is also their Tab order);
// picture buttons register their hints with `tips`.
template <class Owner>
void Lay(Owner& owner, const Window& parent, std::initializer_list<Row<Owner>> rows,
         ToolTip* tips = nullptr) {
    for (const Row<Owner>& row : rows) row.Make(owner, parent.Handle(), tips);
}

// The same for rows made in a loop.
template <class Owner>
void Lay(Owner& owner, const Window& parent, const std::vector<Row<Owner>>& rows,
         ToolTip* tips = nullptr) {
    for (const Row<Owner>& row : rows) row.Make(owner, parent.Handle(), tips);
}

}  // namespace ui
