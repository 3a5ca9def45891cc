// The control layer on its own: handle wrappers, the lister, the lists.
#include <windows.h>

#include <gtest/gtest.h>

#include "gui/support/Harness.h"
#include "platform/FileFind.h"
#include "ui/Controls.h"
#include "ui/FileControls.h"
#include "ui/Form.h"
#include "ui/Handles.h"

using namespace testing_support;

namespace {

TEST(Handles, ReleaseOnceAndMoveOwnership) {
    TempDir dir;
    const std::string path = dir / "f.txt";
    WriteFile(path, "x");
    {
        ui::FileHandle a(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                       nullptr));
        ASSERT_TRUE(a);
        ui::FileHandle b = std::move(a);
        EXPECT_FALSE(a);
        EXPECT_TRUE(b);
        // Held without sharing: a second open fails while b lives.
        ui::FileHandle c(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, 0, nullptr));
        EXPECT_FALSE(c);
    }
    ui::FileHandle again(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                       nullptr));
    EXPECT_TRUE(again) << "the moved-from wrapper must not keep the file open";
}

TEST(Handles, WindowDcKeepsItsWindow) {
    ui::Form form;
    form.CreateForm("dc test", {});
    ui::WindowDC dc(form.Handle());
    EXPECT_NE(dc.Get(), nullptr);
    EXPECT_EQ(dc.Window(), form.Handle());
}

TEST(Lister, PlainFilesOnlySortedWithoutRegardToCase) {
    TempDir dir;
    WriteFile(dir / "b.dll", "1");
    WriteFile(dir / "A.EXE", "1");
    WriteFile(dir / "c.ini", "1");
    WriteFile(dir / "hidden.dll", "1");
    ::SetFileAttributesA((dir / "hidden.dll").c_str(), FILE_ATTRIBUTE_HIDDEN);
    WriteFile(dir / "system.dll", "1");
    ::SetFileAttributesA((dir / "system.dll").c_str(), FILE_ATTRIBUTE_SYSTEM);
    MakeDirectory(dir / "sub.dll");
    EXPECT_EQ(platform::ListPlainFiles(dir.Path(), "*.*"),
              (std::vector<std::string>{"A.EXE", "b.dll", "c.ini"}));
    EXPECT_EQ(platform::ListPlainFiles(dir.Path(), "*.dll;*.exe"),
              (std::vector<std::string>{"A.EXE", "b.dll"}));
    EXPECT_TRUE(platform::ListPlainFiles(dir.Path(), "").empty());
    EXPECT_TRUE(platform::ListPlainFiles(dir / "missing", "*.*").empty());
    EXPECT_EQ(platform::ListSubdirectories(dir.Path()), std::vector<std::string>{"sub.dll"});
}

class Lists : public ::testing::Test {
protected:
    void SetUp() override {
        form.CreateForm("lists", {.clientWidth = 400, .clientHeight = 300});
    }
    ui::Form form;
};

TEST_F(Lists, FileListFollowsDirectoryAndMask) {
    TempDir dir;
    WriteFile(dir / "one.txt", "1");
    WriteFile(dir / "two.log", "2");
    ui::FileListBox list;
    list.Create(form.Handle(), {0, 0, 200, 200});
    list.SetDirectory(dir.Path());
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"one.txt", "two.log"}));
    list.SetMask("*.log");
    EXPECT_EQ(list.Items(), std::vector<std::string>{"two.log"});
    WriteFile(dir / "three.log", "3");
    EXPECT_EQ(list.Count(), 1) << "a list keeps its entries until its directory or mask changes";
    list.SetMask("*.log");
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"three.log", "two.log"}));
}

TEST_F(Lists, DirectoryTreeOpensAClickedEntry) {
    TempDir dir;
    MakeDirectory(dir / "Alpha");
    MakeDirectory(dir / "beta");
    ui::DirectoryListBox tree;
    tree.Create(form.Handle(), {0, 0, 200, 200});
    int changes = 0;
    tree.OnChange = [&] { ++changes; };
    tree.SetDirectory(dir.Path() + "\\");
    EXPECT_EQ(tree.Directory(), dir.Path()) << "no trailing backslash but at a root";
    const int count = tree.Count();
    ASSERT_GE(count, 3);
    EXPECT_EQ(tree.Item(count - 1).find("beta") != std::string::npos, true);
    // A single click, as the list box reports it, moves into the folder.
    tree.SetItemIndex(count - 2);
    ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(tree.Handle()));
    EXPECT_EQ(tree.Directory(), dir / "Alpha");
    EXPECT_EQ(changes, 1);
    tree.OpenEntry(0);
    EXPECT_EQ(tree.Directory(), dir.Path().substr(0, 3));
}

TEST_F(Lists, SpeedButtonGroupKeepsOneDown) {
    ui::ToolTip tips;
    tips.Create(form.Handle());
    ui::SpeedButton a, b;
    a.Create(form.Handle(), {0, 0, 25, 25}, "Left Justify", nullptr, &tips, 1);
    b.Create(form.Handle(), {30, 0, 25, 25}, "Center", nullptr, &tips, 1);
    int clicks = 0;
    b.OnClick = [&] { ++clicks; };
    EXPECT_EQ(b.Text(), "Center");
    Click(a);
    EXPECT_TRUE(a.Down());
    Click(b);
    EXPECT_TRUE(b.Down());
    EXPECT_FALSE(a.Down());
    EXPECT_EQ(clicks, 1);
    b.SetEnabled(false);
    b.Click();
    EXPECT_EQ(clicks, 1) << "a disabled button does nothing";
}

TEST_F(Lists, AToolTipCreatedAgainLeavesNoWindowBehind) {
    ui::ToolTip tips;
    tips.Create(form.Handle());
    const HWND first = tips.Handle();
    tips.Create(form.Handle());
    EXPECT_FALSE(::IsWindow(first));
    EXPECT_TRUE(::IsWindow(tips.Handle()));
}

TEST_F(Lists, AListWithAHorizontalBarScrollsToItsWidestEntry) {
    ui::ListBox list;
    list.Create(form.Handle(), {0, 0, 100, 100}, {.hScroll = true});
    auto extent = [&] { return ::SendMessageA(list.Handle(), LB_GETHORIZONTALEXTENT, 0, 0); };
    list.Add("short");
    const LRESULT narrow = extent();
    list.Add(std::string(200, 'W'));
    EXPECT_GT(extent(), 100);
    EXPECT_GT(extent(), narrow);
    list.SetItems({"a", "b"});
    EXPECT_LT(extent(), narrow) << "the extent follows the entries, not the history";
    list.Clear();
    EXPECT_EQ(extent(), 0);
}

TEST_F(Lists, AControlDestroyedWithItsParentForgetsItsHandle) {
    ui::ListBox list;
    list.Create(form.Handle(), {0, 0, 100, 100});
    ASSERT_NE(list.Handle(), nullptr);
    ::DestroyWindow(form.Handle());
    EXPECT_EQ(list.Handle(), nullptr);
}

// Whatever another window keeps in GWLP_USERDATA, even a wrapper's address.
TEST_F(Lists, AWindowOfAnotherClassIsNotTakenForOurs) {
    ui::ListBox list;
    list.Create(form.Handle(), {0, 0, 100, 100});
    HWND other = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, form.Handle(), nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    for (LONG_PTR kept : {reinterpret_cast<LONG_PTR>(&list), LONG_PTR{0x1234}}) {
        ::SetWindowLongPtrA(other, GWLP_USERDATA, kept);
        EXPECT_EQ(ui::Window::FromHandle(other), nullptr);
    }
    EXPECT_EQ(ui::Window::FromHandle(list.Handle()), &list);
}

TEST_F(Lists, MemoLinesRoundTrip) {
    ui::Memo memo;
    memo.Create(form.Handle(), {0, 0, 200, 100}, {"a", "", "c"}, {});
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"a", "", "c"}));
    memo.SetLines({});
    EXPECT_TRUE(memo.Lines().empty());
}

}  // namespace
