#pragma once
// One small class per control kind: a Create() taking the parent and the
// rectangle, typed accessors, and events as std::function members. The
// designed window style is fixed by the class or by Create()'s arguments.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Handles.h"
#include "ui/Notebook.h"
#include "ui/SpeedButton.h"
#include "ui/Window.h"

namespace ui {

class PopupMenu;

class Button : public Window {
public:
    void Create(HWND parent, const Rect& r, std::string_view caption);
    void Click();  // as if the user pressed it
    Event OnClick;

protected:
    void OnCommand(WORD code) override;
};

class CheckBox : public Window {
public:
    void Create(HWND parent, const Rect& r, std::string_view caption);
    bool Checked() const;
    void SetChecked(bool checked);
    Event OnClick;

protected:
    void OnCommand(WORD code) override;
};

// Static text; optional colour, font and a shadow copy drawn offset by two
// pixels (the pages' large titles). Always transparent over its parent.
class Label : public Window {
public:
    struct Style {
        COLORREF color = RGB(0, 0, 0);
        int height = 0;  // pixels at 96 DPI; 0 = the dialog font
        bool bold = false;
        bool italic = false;
        bool shadow = false;  // red copy, 2 pixels right and down
    };
    void Create(HWND parent, const Rect& r, std::string_view caption);
    void Create(HWND parent, const Rect& r, std::string_view caption, const Style& style);
    Event OnDblClick;

protected:
    bool OnDrawItem(DRAWITEMSTRUCT* dis) override;
    void OnCommand(WORD code) override;
    void OnDpiChanged(int dpi) override;

private:
    void MakeFont(int dpi);  // the style's font, its height scaled to `dpi`
    Style style_;
    FontHandle font_;
};

class Edit : public Window {
public:
    struct Options {
        bool readOnly = false;
    };
    void Create(HWND parent, const Rect& r, std::string_view text);
    void Create(HWND parent, const Rect& r, std::string_view text, const Options& options);
    void SetReadOnly(bool readOnly);
    Event OnChange;
    Event OnDblClick;

protected:
    void OnCommand(WORD code) override;
    void AfterControlMessage(UINT msg) noexcept override;
};

// Multi-line edit whose text is a sequence of lines.
class Memo : public Edit {
public:
    struct Options {
        bool readOnly = false;
        bool vScroll = false;
        bool hScroll = false;
        bool wordWrap = true;
    };
    void Create(HWND parent, const Rect& r, const std::vector<std::string>& lines,
                const Options& options);
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    // Adds a line at the end without setting the whole text again; the
    // caret ends after it.
    void AppendLine(std::string_view line);
};

class ListBox : public Window {
public:
    struct Options {
        bool sorted = false;
        bool vScroll = true;
        bool hScroll = false;
        bool tabStops = false;
    };
    void Create(HWND parent, const Rect& r);
    void Create(HWND parent, const Rect& r, const Options& options);

    int Count() const;
    std::string Item(int index) const;
    std::vector<std::string> Items() const;
    void Add(std::string_view text);
    void SetItems(const std::vector<std::string>& items);
    void Delete(int index);
    void Clear();
    int ItemIndex() const;  // -1 when nothing is selected
    void SetItemIndex(int index);
    // One tab stop every `pixels` pixels, whatever the list's font (a list
    // created with tabStops).
    // Tab stops `pixels` apart at 96 DPI, at the list's scale.
    void SetTabStopPixels(int pixels);
    // The menu a right-click opens, after selecting the entry under the
    // cursor (or none below the last); the menu key keeps the selection.
    void SetPopupMenu(PopupMenu* menu) { popup_ = menu; }

    Event OnClick;
    Event OnDblClick;

protected:
    void OnCommand(WORD code) override;
    bool OnContextMenu(int x, int y) override;

private:
    // A list with a horizontal scroll bar scrolls as far as its widest entry,
    // measured as entries arrive.
    void Widen(const std::string* first, size_t count);
    bool hScroll_ = false;
    bool tabStops_ = false;
    int widest_ = 0;
    PopupMenu* popup_ = nullptr;
};

class ComboBox : public Window {
public:
    void Create(HWND parent, const Rect& r);  // drop-down list
    int Count() const;
    std::string Item(int index) const;
    void Add(std::string_view text);
    void Clear();
    int ItemIndex() const;
    void SetItemIndex(int index);
    Event OnChange;  // selection changed by the user

protected:
    void OnCommand(WORD code) override;
};

class StatusBar : public Window {
public:
    void Create(HWND parent);
    void SetSimpleText(std::string_view text);
    std::string SimpleText() const { return Text(); }
    Event OnDblClick;

protected:
    bool OnNotify(NMHDR* hdr, LRESULT& result) override;
    void OnDpiChanged(int dpi) override;
};

class UpDown : public Window {
public:
    struct Options {
        int min = 0;
        int max = 100;
        int position = 0;
        bool thousands = true;  // separators in the buddy's text
        bool wrap = false;
    };
    void Create(HWND parent, const Rect& r, Window& buddy, const Options& options);
    int Position() const;
    void SetPosition(int position);
    // Only when the position changed: an arrow that moves nothing (at the
    // end of the range without wrap) does not notify.
    Event OnChange;

protected:
    void OnScroll(WORD code) override;
    void OnDpiChanged(int dpi) override;

private:
    int position_ = 0;  // as last set or reported
};

class TrackBar : public Window {
public:
    void Create(HWND parent, const Rect& r, int min, int max, int position);
    int Position() const;
    void SetPosition(int position);
    // Only when the position changed: a click on the thumb notifies too.
    Event OnChange;

protected:
    void OnScroll(WORD code) override;

private:
    int position_ = 0;  // as last set or reported
};

// A plain child window that parents other controls (toolbars, groups).
class Panel : public Window {
public:
    void Create(HWND parent, const Rect& r, std::string_view caption = {}, bool bevel = false);
};

class PopupMenu {
public:
    PopupMenu();
    void AddItem(std::string_view caption, Event onClick);
    void AddSeparator();
    // Shows the menu at the screen point and runs the chosen item's event.
    void Popup(HWND owner, int screenX, int screenY);
    int Count() const { return static_cast<int>(items_.size()); }
    std::string Caption(int index) const;
    // Runs the item's event as if it had been chosen.
    void Choose(int index);

private:
    MenuHandle menu_;
    std::vector<Event> items_;
};

// A static picture: shows an icon or a bitmap it owns; reports double-clicks.
class Image : public Window {
public:
    void Create(HWND parent, const Rect& r);
    void SetIcon(IconHandle icon);
    void SetBitmap(BitmapHandle bitmap);
    void Clear();
    HICON Icon() const { return icon_.Get(); }  // null when it shows none
    Event OnDblClick;

protected:
    void OnCommand(WORD code) override;

private:
    IconHandle icon_;
    BitmapHandle bitmap_;
};

}  // namespace ui
