#pragma once
// The file-system controls: the file list, the directory tree, the drive
// and filter boxes.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/Controls.h"

namespace ui {

// The file list of a directory under a mask, by the program's one listing
// rule (plain files only, sorted by name without regard to case).
class FileListBox : public ListBox {
public:
    void Create(HWND parent, const Rect& r);
    const std::string& Directory() const { return directory_; }
    const std::string& Mask() const { return mask_; }
    // Both re-read the directory from the disk.
    void SetDirectory(std::string_view directory);
    void SetMask(std::string_view mask);
    // Moves into the directory with the mask, reading it once. The directory
    // becomes the full path as the system spells it, without a trailing "\"
    // except for a drive's root. False, with the list unchanged, when the
    // directory does not exist.
    bool ChangeDirectory(std::string_view directory, std::string_view mask);
    void Update();
    // The entries as listed, without asking the control for each one.
    const std::vector<std::string>& Names() const { return names_; }

private:
    std::string directory_;
    std::string mask_ = "*.*";
    std::vector<std::string> names_;
};

// A directory tree in list form: the drive root, each folder on the way
// down, and the current folder's subfolders, indented by depth. A single
// click on an entry moves into it.
class DirectoryListBox : public ListBox {
public:
    void Create(HWND parent, const Rect& r);
    // The current directory: a full path without a trailing "\", except for
    // a drive's root ("C:\").
    const std::string& Directory() const { return directory_; }
    void SetDirectory(std::string_view directory);
    void OpenEntry(int index);
    Event OnChange;

protected:
    // A click moves into the entry before the form's own OnClick runs, so a
    // form may use OnClick without breaking the navigation.
    void OnCommand(WORD code) override;

private:
    std::string directory_;
    std::vector<std::string> paths_;  // full path of each entry
};


// Drive selector: one entry per logical drive, "c:" style.
class DriveComboBox : public ComboBox {
public:
    void Create(HWND parent, const Rect& r);
    char Drive() const;  // upper-case letter of the selected drive, 0 if none
    void SetDrive(char letter);
};

// Filter drop-down: entries of a description and a mask each.
class FilterComboBox : public ComboBox {
public:
    struct Entry {
        std::string description;
        std::string mask;
    };
    void Create(HWND parent, const Rect& r, std::vector<Entry> entries);
    std::string Mask() const;  // of the selected entry; empty if none

private:
    std::vector<Entry> entries_;
};

}  // namespace ui
