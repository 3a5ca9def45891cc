// The View Process List page through the real windows: windows of a process
// the test starts, the test's own windows, kill and shutdown through a seam
// that lets only the started process be ended, icons on the disk.
#include <atomic>
#include <set>
#include <thread>
#include <string>
#include <vector>

#include "gui/FileListTestSupport.h"
#include "helpers/WindowHost.h"
#include "system/ProcessControl.h"
#include "system/ProcessListPage.h"
#include "system/View.h"
#include "system/WindowList.h"

using namespace testing_support;
using zarvik::ProcessControl;
using zarvik::ProcessListPage;

namespace {

const std::string kHostClass = "ZkHostWindow";
const std::string k39(39, 'a');
const std::string k45 = std::string(40, 'b') + "TAILx";

// Ends only the processes the test started; never the session.
class GuardedProcesses final : public ProcessControl {
public:
    std::set<DWORD> ours;
    std::vector<DWORD> asked;
    int shutdowns = 0;
    std::optional<std::string> shutdownRefusal;

    KillResult Terminate(DWORD processId) override {
        asked.push_back(processId);
        if (!ours.count(processId)) return KillResult::NotOpened;
        return real_.Terminate(processId);
    }
    std::optional<std::string> ForceShutdown() override {
        ++shutdowns;
        return shutdownRefusal;
    }

private:
    zarvik::Win32ProcessControl real_;
};

LRESULT CALLBACK PlainProc(HWND h, UINT m, WPARAM w, LPARAM l) { return ::DefWindowProcA(h, m, w, l); }

// The background of the test's own windows, for the View Window to show.
const COLORREF kOwnBackground = RGB(0x20, 0x80, 0xC0);

// A top-level window of the test's own, destroyed with the object.
class OwnWindow {
public:
    explicit OwnWindow(const std::string& caption) {
        static const bool registered = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = PlainProc;
            wc.hInstance = ::GetModuleHandleA(nullptr);
            wc.lpszClassName = "ZkOwnWindow";
            wc.hbrBackground = ::CreateSolidBrush(kOwnBackground);
            return ::RegisterClassA(&wc) != 0;
        }();
        (void)registered;
        hwnd = ::CreateWindowExA(0, "ZkOwnWindow", caption.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 120,
                                 90, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    }
    ~OwnWindow() { ::DestroyWindow(hwnd); }
    HWND hwnd;
};

// A 32 x 32 icon of one colour.
ui::IconHandle MakeIcon(COLORREF color) {
    ui::WindowDC screen(nullptr);
    ui::BitmapHandle bits(::CreateCompatibleBitmap(screen.Get(), 32, 32));
    ui::BitmapHandle mask(::CreateBitmap(32, 32, 1, 1, nullptr));
    {
        ui::OwnedDC dc(::CreateCompatibleDC(screen.Get()));
        ui::SelectObjectScope select(dc.Get(), bits.Get());
        ui::BrushHandle brush(::CreateSolidBrush(color));
        RECT all{0, 0, 32, 32};
        ::FillRect(dc.Get(), &all, brush.Get());
    }
    ICONINFO info{TRUE, 0, 0, mask.Get(), bits.Get()};
    return ui::IconHandle(::CreateIconIndirect(&info));
}

class ProcessList : public ProgramTest {
protected:
    void SetUp() override {
        Start();
        Page().UseProcessControl(guard);
    }
    ProcessListPage& Page() { return On<ProcessListPage>(); }
    ui::ListBox& List() { return Page().ListBox7; }
    void ShowPage() {
        Main().PageControl1.SetActivePage(0);
        Main().PageControl1.SetActivePage(Page().Sheet());
        ui::PumpMessages();
    }
    // Positions of the entries whose text contains `part`.
    std::vector<int> EntriesWith(const std::string& part) {
        std::vector<int> found;
        for (int i = 0; i < List().Count(); ++i)
            if (List().Item(i).find(part) != std::string::npos) found.push_back(i);
        return found;
    }
    int EntryOf(HWND window) {
        const auto& w = Page().Windows();
        for (size_t i = 0; i < w.size(); ++i)
            if (w[i].handle == window) return static_cast<int>(i);
        return -1;
    }
    static std::string Hex(HWND h) { return zarvik::LowerHex(reinterpret_cast<uintptr_t>(h)); }
    static std::string TextOf(HWND h) {
        char buf[256] = {};
        ::GetWindowTextA(h, buf, sizeof buf);
        return buf;
    }

    GuardedProcesses guard;
};

TEST_F(ProcessList, EntriesOfAnotherProcessesWindowsWithTheirChildrenAndTheCount) {
    EXPECT_EQ(Page().Label37.Text(), "----") << "nothing listed before the page is shown";
    WindowHost host(kHostClass, 2, 0, {k39, k45, ""});
    ASSERT_TRUE(host.Running());
    ShowPage();
    EXPECT_EQ(Page().Label37.Text(), std::to_string(List().Count()));
    ASSERT_EQ(Page().Windows().size(), static_cast<size_t>(List().Count()));

    const std::string pid = std::to_string(host.Id());
    std::vector<int> tops, children;
    for (int i = 0; i < List().Count(); ++i) {
        const std::string e = List().Item(i);
        // The system may give the process windows of its own (IME and the like).
        if (e.rfind(pid + "\t", 0) == 0 && e.find("\t" + kHostClass + "\t") != std::string::npos)
            tops.push_back(i);
        if (e.rfind("-->" + pid + "\t", 0) == 0) children.push_back(i);
    }
    ASSERT_EQ(tops.size(), 3u);
    ASSERT_EQ(children.size(), 6u);
    std::set<std::string> captions;
    for (int top : tops) {
        const HWND h = Page().Windows()[static_cast<size_t>(top)].handle;
        const std::string caption = List().Item(top).substr(pid.size() + 1, List().Item(top).find('\t', pid.size() + 1) - pid.size() - 1);
        captions.insert(caption);
        EXPECT_EQ(List().Item(top), pid + "\t" + caption + "\t" + kHostClass + "\t" + Hex(h) + "\t");
        EXPECT_EQ(Page().Windows()[static_cast<size_t>(top)].className, kHostClass);
        EXPECT_EQ(Page().Windows()[static_cast<size_t>(top)].windowProc, 0u)
            << "an application class is not found system-wide";
        for (int k = 1; k <= 2; ++k) {  // its descendants follow it at once
            const std::string child = List().Item(top + k);
            const HWND c = Page().Windows()[static_cast<size_t>(top + k)].handle;
            EXPECT_EQ(::GetParent(c), h);
            EXPECT_EQ(child, "-->" + pid + "\tchild " + std::to_string(k - 1) + " \t" + kHostClass +
                                 "\t" + Hex(c));
        }
    }
    EXPECT_EQ(captions, (std::set<std::string>{k39 + " ", k45.substr(0, 40), " "}));

    const int withChildren = List().Count();
    Click(Page().CheckBox1);
    EXPECT_TRUE(EntriesWith("-->").empty()) << "unticking refreshes at once";
    EXPECT_EQ(EntriesWith("\t" + kHostClass + "\t").size(), 3u);
    EXPECT_LE(List().Count(), withChildren - 6);
    EXPECT_EQ(Page().Label37.Text(), std::to_string(List().Count()));
    Click(Page().CheckBox1);
    EXPECT_EQ(EntriesWith("-->" + pid + "\t").size(), 6u);
}

TEST_F(ProcessList, EveryShowingRefreshesAndMoreThan1800WindowsAreListed) {
    ShowPage();
    const int before = List().Count();
    WindowHost host(kHostClass, 0, 1900);
    ASSERT_TRUE(host.Running());
    EXPECT_EQ(List().Count(), before) << "a snapshot until the next refresh";
    ShowPage();
    // Other programs' windows come and go on the shared desktop: only the
    // host's own are counted.
    const std::string numbered = std::to_string(host.Id()) + "\tw";
    int ours = 0;
    for (int i = 0; i < List().Count(); ++i) ours += List().Item(i).rfind(numbered, 0) == 0;
    EXPECT_EQ(ours, 1900);
    EXPECT_EQ(Page().Windows().size(), static_cast<size_t>(List().Count()));
    const std::vector<int> last = EntriesWith("\tw1900 \t");
    ASSERT_EQ(last.size(), 1u);
    EXPECT_EQ(TextOf(Page().Windows()[static_cast<size_t>(last[0])].handle), "w1900");
}

TEST_F(ProcessList, DetailsOfTheClickedWindowAreReadLive) {
    WindowHost host(kHostClass, 0, 0, {k45});
    ShowPage();
    const std::vector<int> at = EntriesWith("\t" + k45.substr(0, 40) + "\t");
    ASSERT_EQ(at.size(), 1u);
    const HWND h = Page().Windows()[static_cast<size_t>(at[0])].handle;
    ClickEntry(List(), at[0]);
    EXPECT_EQ(Page().Edit4.Text(), zarvik::UpperHex(reinterpret_cast<uintptr_t>(h)));
    EXPECT_EQ(Page().Edit5.Text(), "0");
    EXPECT_EQ(Page().Edit6.Text(), k45) << "not cut in the details";
    EXPECT_EQ(Page().Edit7.Text(), kHostClass);
    EXPECT_EQ(Page().Image1.Icon(), nullptr) << "a window without icons";
    EXPECT_EQ(Page().Image2.Icon(), nullptr);

    const std::vector<int> buttons = EntriesWith("\tButton\t");
    ASSERT_FALSE(buttons.empty());
    EXPECT_NE(Page().Windows()[static_cast<size_t>(buttons[0])].windowProc, 0u)
        << "a system class is found";
}

TEST_F(ProcessList, KillProcessEndsOnlyATopLevelEntrysProcessAndRebuilds) {
    WindowHost host(kHostClass, 1, 0, {"victim"});
    guard.ours.insert(host.Id());
    ShowPage();
    const std::vector<int> child = EntriesWith("-->" + std::to_string(host.Id()) + "\t");
    ASSERT_EQ(child.size(), 1u);
    ClickEntry(List(), child[0]);
    const size_t asked = prompts.asked.size();
    Click(Page().Button30);
    EXPECT_EQ(prompts.asked.size(), asked) << "a child entry: nothing at all";
    EXPECT_TRUE(guard.asked.empty());
    EXPECT_EQ(List().ItemIndex(), child[0]) << "no refresh";

    OwnWindow mine("mine");
    ShowPage();
    const int own = EntryOf(mine.hwnd);
    ASSERT_GE(own, 0);
    ClickEntry(List(), own);
    prompts.answers = {false, true};
    Click(Page().Button30);
    EXPECT_TRUE(guard.asked.empty()) << "its own process only after Yes";
    Click(Page().Button30);
    EXPECT_EQ(prompts.Messages().back(), "Could not open process requested!");
    EXPECT_EQ(guard.asked, std::vector<DWORD>{::GetCurrentProcessId()});

    const std::vector<int> top = EntriesWith(std::to_string(host.Id()) + "\tvictim \t");
    ASSERT_EQ(top.size(), 1u);
    ClickEntry(List(), top[0]);
    Click(Page().Button30);
    EXPECT_EQ(prompts.Messages().back(), "Process successfully terminated!");
    EXPECT_EQ(prompts.asked.back().title, zarvik::kProductTitle);
    EXPECT_TRUE(host.Ended(0)) << "gone before the list is rebuilt";
    EXPECT_EQ(List().ItemIndex(), -1);
    EXPECT_TRUE(EntriesWith(std::to_string(host.Id()) + "\t").empty());
    EXPECT_EQ(Page().Label37.Text(), std::to_string(List().Count()));
}

TEST_F(ProcessList, ShutdownAsksAndReportsARefusal) {
    ShowPage();
    prompts.answers = {false, true, true};
    Click(Page().Button32);
    EXPECT_EQ(guard.shutdowns, 0);
    ASSERT_FALSE(prompts.asked.empty());
    EXPECT_EQ(prompts.asked.back().text, "Do you want to force windows Shutdown");
    EXPECT_EQ(prompts.asked.back().title, "Unsaved Data will be lost");
    Click(Page().Button32);
    EXPECT_EQ(guard.shutdowns, 1);
    EXPECT_TRUE(prompts.Errors().empty());
    guard.shutdownRefusal = "Access denied.";
    Click(Page().Button32);
    EXPECT_EQ(guard.shutdowns, 2);
    EXPECT_EQ(prompts.Errors(), std::vector<std::string>{"Access denied."});
}

TEST_F(ProcessList, WindowOperationsActOnTheSelectedWindow) {
    WindowHost host(kHostClass, 0, 0, {"target"});
    ShowPage();
    const std::vector<int> at = EntriesWith(std::to_string(host.Id()) + "\ttarget \t");
    ASSERT_EQ(at.size(), 1u);
    const HWND h = Page().Windows()[static_cast<size_t>(at[0])].handle;
    ClickEntry(List(), at[0]);

    Click(Page().Button37);
    EXPECT_TRUE(::IsWindowVisible(h));
    Click(Page().Button52);
    EXPECT_TRUE(::IsIconic(h));
    Click(Page().Button50);
    EXPECT_FALSE(::IsIconic(h));
    Click(Page().Button51);
    EXPECT_TRUE(::IsZoomed(h));
    Click(Page().Button38);
    EXPECT_FALSE(::IsWindowVisible(h));
    Click(Page().Button34);
    EXPECT_FALSE(::IsWindowEnabled(h));
    Click(Page().Button35);
    EXPECT_TRUE(::IsWindowEnabled(h));

    // Set hands WM_SETTEXT to the default procedure in this process, which
    // Wine carries out for this process's windows only.
    OwnWindow mine("own target");
    ShowPage();
    const int own = EntryOf(mine.hwnd);
    ASSERT_GE(own, 0);
    ClickEntry(List(), own);
    Type(Page().Edit6, "Renamed by Set");
    Click(Page().Button31);
    EXPECT_EQ(TextOf(mine.hwnd), "Renamed by Set");
    EXPECT_NE(List().Item(own).find("\town target \t"), std::string::npos)
        << "the list keeps the old caption until refreshed";

    // Without a selection nothing is touched.
    List().SetItemIndex(-1);
    Click(Page().Button37);
    Click(Page().Button34);
    EXPECT_FALSE(::IsWindowVisible(h));
    EXPECT_TRUE(::IsWindowEnabled(h));
    EXPECT_TRUE(prompts.asked.size() == 1u) << "only the start-up question";
}

TEST_F(ProcessList, FindSearchesEveryFieldOnwardWithoutWrapping) {
    WindowHost host(kHostClass, 0, 0, {"first hit", "second hit"});
    ShowPage();
    const std::vector<int> hosts = EntriesWith("\t" + kHostClass + "\t");
    ASSERT_EQ(hosts.size(), 2u);
    const HWND second = Page().Windows()[static_cast<size_t>(hosts[1])].handle;
    ClickEntry(List(), 0);
    const std::string details = Page().Edit4.Text();

    Type(Page().Edit6, "zkhostWINDOW");
    Click(Page().Button36);
    EXPECT_EQ(List().ItemIndex(), hosts[0]);
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{"found"});
    EXPECT_EQ(prompts.asked.back().title, zarvik::kProductTitle);
    EXPECT_EQ(Page().Edit4.Text(), details) << "finding does not refresh the details";
    Click(Page().Button36);
    EXPECT_EQ(List().ItemIndex(), hosts[1]) << "again: after the found entry";
    Click(Page().Button36);
    EXPECT_EQ(List().ItemIndex(), hosts[1]) << "no wrap to the top";
    EXPECT_EQ(prompts.Messages().size(), 2u);

    List().SetItemIndex(-1);
    Type(Page().Edit6, zarvik::UpperHex(reinterpret_cast<uintptr_t>(second)));
    Click(Page().Button36);
    EXPECT_EQ(List().ItemIndex(), hosts[1]) << "the handle field, typed in upper case";

    List().SetItemIndex(List().Count() - 1);
    Type(Page().Edit6, "first hit");
    Click(Page().Button36);
    EXPECT_EQ(List().ItemIndex(), List().Count() - 1);
    Type(Page().Edit6, "");
    List().SetItemIndex(-1);
    Click(Page().Button36);
    EXPECT_EQ(List().ItemIndex(), -1) << "an empty text never matches";
    EXPECT_EQ(prompts.Messages().size(), 3u);
}

TEST_F(ProcessList, IconsAreSavedWithoutExtensionAndInvalidOnesRefused) {
    OwnWindow mine("icon holder");
    ui::IconHandle big = MakeIcon(RGB(200, 20, 20));
    ::SendMessageA(mine.hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.Get()));
    ShowPage();
    const int at = EntryOf(mine.hwnd);
    ASSERT_GE(at, 0);
    ClickEntry(List(), at);
    ASSERT_NE(Page().Image1.Icon(), nullptr);
    EXPECT_EQ(Page().Image2.Icon(), nullptr);

    const size_t asked = prompts.asked.size();
    ::SendMessageA(Page().Image2.Handle(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(4, 4));
    ui::PumpMessages();
    EXPECT_EQ(prompts.asked.size(), asked) << "an empty picture: nothing";

    const std::string saved = root / "bigicon";
    prompts.files.push_back(saved);
    ::SendMessageA(Page().Image1.Handle(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(4, 4));
    ui::PumpMessages();
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_EQ(prompts.dialogs[0].filter, "Icon|*.ico");
    EXPECT_EQ(prompts.dialogs[0].defaultExt, "");
    ASSERT_TRUE(Exists(saved));
    EXPECT_FALSE(Exists(saved + ".ico"));
    EXPECT_FALSE(Exists(saved + ".~zk")) << "no temporary file left";
    ui::IconHandle back(static_cast<HICON>(
        ::LoadImageA(nullptr, saved.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
    ASSERT_TRUE(back);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(back.Get(), &info));
    BITMAP bm{};
    ::GetObjectA(info.hbmColor, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 32);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);

    const std::string unwritable = root / "no such folder\\x.ico";
    prompts.files.push_back(unwritable);
    ::SendMessageA(Page().Image1.Handle(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(4, 4));
    ui::PumpMessages();
    ASSERT_EQ(prompts.Errors().size(), 1u) << "the platform's file error";
    EXPECT_NE(prompts.Errors()[0].find(unwritable), std::string::npos) << prompts.Errors()[0];
    prompts.asked.clear();

    const std::string bogus = root / "bogus.ico";
    WriteFile(bogus, "not an icon at all");
    prompts.pictures.push_back(bogus);
    Click(Page().Button47);
    EXPECT_EQ(prompts.Errors(), std::vector<std::string>{"Icon image is not valid"});
    EXPECT_EQ(::DefWindowProcA(mine.hwnd, WM_GETICON, ICON_SMALL, 0), 0) << "no WM_SETICON sent";

    prompts.pictures.push_back(saved);
    Click(Page().Button47);
    EXPECT_NE(Page().Image2.Icon(), nullptr);
    EXPECT_NE(::DefWindowProcA(mine.hwnd, WM_GETICON, ICON_SMALL, 0), 0);
    WriteFile(root / "pixel.bmp", std::string("BM:\0\0\0\0\0\0\0006\0\0\0(\0\0\0\1\0\0\0\1\0\0\0\1\0\030\0\0\0\0\0"
                                  "\4\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0zzz\0", 58));
    prompts.pictures.push_back(root / "pixel.bmp");  // offered too: it becomes an icon
    Click(Page().Button39);
    EXPECT_EQ(prompts.Errors().size(), 1u);
    prompts.pictures.push_back(std::nullopt);
    Click(Page().Button39);
    EXPECT_EQ(prompts.Errors().size(), 1u) << "a cancelled dialog changes nothing";
}

TEST_F(ProcessList, ViewOpensTheViewWindowAndDrawsTheSelectedWindow) {
    ShowPage();
    List().SetItemIndex(-1);
    Click(Page().Button49);
    EXPECT_TRUE(App().Form7().Visible()) << "even without a selection";
    EXPECT_EQ(App().Form7().Text(), "View Window");

    OwnWindow mine("drawn");
    ::ShowWindow(mine.hwnd, SW_SHOWNOACTIVATE);
    ShowPage();
    const int at = EntryOf(mine.hwnd);
    ASSERT_GE(at, 0);
    DoubleClickEntry(List(), at);
    EXPECT_TRUE(App().Form7().Visible());
    EXPECT_EQ(prompts.asked.size(), 1u) << "nothing asked or told";
    // Drawn frame and all at the View Window's top-left, so its middle shows there too.
    RECT frame{}, client{};
    ::GetWindowRect(mine.hwnd, &frame);
    ::GetClientRect(mine.hwnd, &client);
    POINT middle{client.right / 2, client.bottom / 2};
    ::ClientToScreen(mine.hwnd, &middle);
    ui::WindowDC view(App().Form7().Handle());
    EXPECT_EQ(::GetPixel(view.Get(), middle.x - frame.left, middle.y - frame.top), kOwnBackground);
    App().Form7().Close();
}

TEST_F(ProcessList, ViewOfAWindowThatStopsAnsweringDoesNotWaitForIt) {
    std::atomic<HWND> hung{nullptr};
    ui::KernelHandle stop(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    std::thread owner([&] {  // answers until told to stop, then nothing until the test ends
        OwnWindow window("hung");
        hung = window.hwnd;
        for (HANDLE h = stop.Get(); ::MsgWaitForMultipleObjects(1, &h, FALSE, INFINITE, QS_ALLINPUT);)
            ui::PumpMessages();
        while (hung) ::Sleep(1);
    });
    while (!hung) ::Sleep(1);
    ShowPage();
    const int entry = EntryOf(hung);
    EXPECT_GE(entry, 0) << "not listed: the click would only deselect";
    if (entry >= 0) ClickEntry(List(), entry);  // its details are read while it answers
    ::SetEvent(stop.Get());
    const DWORD start = ::GetTickCount();
    if (entry >= 0) Click(Page().Button49);
    EXPECT_LT(::GetTickCount() - start, 15000u) << "the hung window was waited for";
    hung = nullptr;
    owner.join();
}

}  // namespace
