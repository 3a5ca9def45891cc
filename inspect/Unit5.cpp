#include "inspect/Unit5.h"

#include "ui/Layout.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <string>

#include "core/TextHelpers.h"
#include "inspect/Examiner.h"
#include "inspect/StringExtraction.h"
#include "ui/Dpi.h"
#include "platform/FileFind.h"
#include "platform/FileIO.h"
#include "ui/Handles.h"

namespace zarvik {

namespace {

constexpr DWORD kReadPiece = 256 * 1024;

// The strings of the file, read in pieces so that a file of any size opens
// in little memory. False when the file cannot be opened or read.
bool ReadStrings(const std::string& path, StringList& strings) {
    // Sharing everything: a log that another program is writing still opens.
    ui::FileHandle file = platform::OpenForReading(
        path, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, FILE_FLAG_SEQUENTIAL_SCAN);
    if (!file) return false;
    // A pipe or a console would wait for input that never comes.
    if (::GetFileType(file.Get()) != FILE_TYPE_DISK) return false;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size)) return false;
    // The file as long as it was when opened, even while another program
    // appends to it.
    uint64_t left = static_cast<uint64_t>(size.QuadPart);
    const auto buffer = std::make_unique<char[]>(kReadPiece);
    StringExtractor extractor(strings);
    while (left > 0) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min<uint64_t>(left, kReadPiece));
        if (!::ReadFile(file.Get(), buffer.get(), want, &got, nullptr)) return false;
        if (got == 0) break;
        extractor.Feed(buffer.get(), got);
        left -= got;
    }
    extractor.Finish();
    return true;
}

// One WM_SETTEXT straight from the list's own text: no line-by-line filling
// and no second copy of a text that can run to megabytes.
void Fill(ui::Memo& field, const StringList& lines) {
    field.SetText(lines.Text().c_str());
}

}  // namespace

void TForm5::Create() {
    CreateForm(ui::CentredCaption(40, "File Viewer"),
               {.clientWidth = 534, .clientHeight = 375, .sizeable = true});
    // Placed by Layout(), which also follows the window's size.
    ui::Lay(*this, *this,
            {
                {Memo1, {}},
                {Memo2, {}, {}, {.vScroll = true}},
                {Edit1, {}, "", {.readOnly = true}},
                {Button2, {}, "Generate Report", &TForm5::Button2Click},
                {Button1, {}, "Close", &TForm5::Button1Click},
            });
    RECT client{};
    ::GetClientRect(Handle(), &client);
    Layout(client.right, client.bottom);
}

void TForm5::Layout(int width, int height) {
    // Worked out at 96 DPI; Place scales each rectangle to the window's DPI.
    const int dpi = ui::DpiOf(Handle());
    width = ui::Unscale(width, dpi);
    height = ui::Unscale(height, dpi);
    const int margin = 8, gap = 6, button = 100;
    const int lists = std::max(0, height - margin - 45 - gap);
    const int strings = lists * 2 / 3;
    const int inner = std::max(0, width - 2 * margin);
    Memo1.Place({margin, margin, inner, strings});
    Memo2.Place({margin, margin + strings + gap, inner, lists - strings});
    Edit1.Place({margin, height - 35, std::max(0, inner - 2 * (button + margin)), 21});
    Button2.Place({width - 2 * (button + margin), height - 37, button, 25});
    Button1.Place({width - button - margin, height - 37, button, 25});
}

LRESULT TForm5::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SIZE && wp != SIZE_MINIMIZED) Layout(LOWORD(lp), HIWORD(lp));
    return Form::HandleMessage(msg, wp, lp);
}

void TForm5::OpenInViewer(const std::string& path) {
    // Emptied first: the last file's text is not held beside the next one.
    Memo1.SetLines({});
    Memo2.SetText("");
    StringList strings, findings;
    try {
        if (ReadStrings(path, strings)) {
            ExamineStrings(strings, findings);
        } else {
            strings.Clear();
        }
    } catch (const std::bad_alloc&) {
        // More strings than memory: shown like a file that cannot be read.
        strings.Clear();
        findings.Clear();
    }
    Memo1.SetLines(strings.TakeText());
    Fill(Memo2, findings);
    Edit1.SetText(path);
    ShowModeless();
}

void TForm5::OpenSelectedFile(const ui::FileListBox& list) {
    const int index = list.ItemIndex();
    if (index >= 0) OpenInViewer(platform::JoinPath(list.Directory(), list.Item(index)));
}

void TForm5::OpenSelectedEntry(const ui::ListBox& list) {
    const int index = list.ItemIndex();
    if (index >= 0) OpenInViewer(list.Item(index));
}

void TForm5::OpenSelectedListEntry(const ui::ListBox& list) {
    const int index = list.ItemIndex();
    if (index >= 0) OpenInViewer(ListEntryPath(list.Item(index)));
}

void TForm5::Button2Click() {
    reports_.AppendReportBlock(kStringsReportHeading + Edit1.Text(), Memo1.Lines());
}

void TForm5::Button1Click() { Hide(); }

}  // namespace zarvik
