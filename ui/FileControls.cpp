#include "ui/FileControls.h"

#include <stdexcept>
#include <utility>

#include "platform/FileFind.h"
#include "platform/FileIO.h"

namespace ui {

// --- FileListBox, DirectoryListBox ----------------------------------------

void FileListBox::Create(HWND parent, const Rect& r) {
    ListBox::Create(parent, r, Options{});
}

void FileListBox::SetDirectory(std::string_view directory) {
    directory_ = std::string(directory);
    Update();
}

void FileListBox::SetMask(std::string_view mask) {
    mask_ = std::string(mask);
    Update();
}

bool FileListBox::ChangeDirectory(std::string_view directory, std::string_view mask) {
    std::string dir = directory.empty() ? std::string() : platform::FullPathName(directory);
    while (dir.size() > 3 && dir.back() == '\\') dir.pop_back();
    const DWORD attributes = dir.empty() ? INVALID_FILE_ATTRIBUTES : platform::FileAttributes(dir);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    directory_ = dir;
    mask_ = std::string(mask);
    Update();
    return true;
}

void FileListBox::Update() {
    std::vector<std::string> names = platform::ListPlainFiles(directory_, mask_);
    // Build and Analyze list again first; filling the control anew costs
    // the window system per entry, so a list that holds these entries
    // already is left as it is.
    if (names == names_ && Count() == static_cast<int>(names_.size())) return;
    names_ = std::move(names);
    SetItems(names_);
}

void DirectoryListBox::Create(HWND parent, const Rect& r) {
    ListBox::Create(parent, r, Options{});
}

void DirectoryListBox::OnCommand(WORD code) {
    if (code == LBN_SELCHANGE) RunCommand([this] { OpenEntry(ItemIndex()); });
    ListBox::OnCommand(code);
}

void DirectoryListBox::SetDirectory(std::string_view directory) {
    std::string dir(directory);
    // Keep "C:\" for a root, drop the trailing "\" of any other folder.
    while (dir.size() > 3 && dir.back() == '\\') dir.pop_back();
    if (dir.size() == 2 && dir[1] == ':') dir += '\\';
    if (platform::FileAttributes(dir) == INVALID_FILE_ATTRIBUTES)
        throw std::runtime_error("Unable to enter directory " + dir);
    directory_ = dir;

    std::vector<std::string> entries;
    paths_.clear();
    std::string path = dir.substr(0, 3);  // "C:\"
    entries.push_back(path);
    paths_.push_back(path);
    int depth = 1;
    size_t pos = 3;
    while (pos < dir.size()) {
        size_t next = dir.find('\\', pos);
        std::string part = dir.substr(pos, next == std::string::npos ? next : next - pos);
        path = platform::JoinPath(path, part);
        entries.push_back(std::string(static_cast<size_t>(depth) * 2, ' ') + part);
        paths_.push_back(path);
        ++depth;
        if (next == std::string::npos) break;
        pos = next + 1;
    }
    const int current = static_cast<int>(entries.size()) - 1;
    for (const std::string& sub : platform::ListSubdirectories(dir)) {
        entries.push_back(std::string(static_cast<size_t>(depth) * 2, ' ') + sub);
        paths_.push_back(platform::JoinPath(dir, sub));
    }
    SetItems(entries);
    SetItemIndex(current);
}

void DirectoryListBox::OpenEntry(int index) {
    if (index < 0 || index >= static_cast<int>(paths_.size())) return;
    SetDirectory(paths_[static_cast<size_t>(index)]);
    RunCommand(OnChange);
}

void DriveComboBox::Create(HWND parent, const Rect& r) {
    ComboBox::Create(parent, r);
    for (const std::string& root : platform::LogicalDrives()) {
        const char entry[3] = {static_cast<char>(root[0] | 0x20), ':', '\0'};
        Add(entry);
    }
}

char DriveComboBox::Drive() const {
    int i = ItemIndex();
    if (i < 0) return 0;
    std::string s = Item(i);
    return s.empty() ? 0 : static_cast<char>(s[0] & ~0x20);
}

void DriveComboBox::SetDrive(char letter) {
    letter = static_cast<char>(letter & ~0x20);
    for (int i = 0; i < Count(); ++i) {
        std::string s = Item(i);
        if (!s.empty() && static_cast<char>(s[0] & ~0x20) == letter) {
            SetItemIndex(i);
            return;
        }
    }
}

void FilterComboBox::Create(HWND parent, const Rect& r, std::vector<Entry> entries) {
    ComboBox::Create(parent, r);
    entries_ = std::move(entries);
    for (const Entry& e : entries_) Add(e.description);
    if (!entries_.empty()) SetItemIndex(0);
}

std::string FilterComboBox::Mask() const {
    int i = ItemIndex();
    return i >= 0 && i < static_cast<int>(entries_.size()) ? entries_[static_cast<size_t>(i)].mask
                                                           : std::string();
}

}  // namespace ui
