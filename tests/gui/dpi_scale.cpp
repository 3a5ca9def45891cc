// The windows at the display's scale. Wine takes the scale from the prefix's
// LogPixels as a process starts; this program runs in a prefix of its own,
// at 96 DPI, and runs itself again there at 144 and 192.
#include <cmath>
#include <cstdlib>
#include <string>

#include "dde/DdePage.h"
#include "gui/support/Harness.h"
#include "inspect/Unit5.h"
#include "ui/Dpi.h"

using namespace testing_support;

namespace {

// The designed rectangle's edges at `dpi`, rounded.
void ExpectAt(int dpi, const ui::Window& w, ui::Rect d) {
    auto s = [dpi](int v) { return static_cast<int>(std::lround(v * dpi / 96.0)); };
    const ui::Rect b = w.Bounds();
    EXPECT_TRUE(b.x == s(d.x) && b.y == s(d.y) && b.x + b.w == s(d.x + d.w) &&
                b.y + b.h == s(d.y + d.h))
        << w.Text() << " at " << b.x << "," << b.y << " " << b.w << "x" << b.h << ", " << dpi;
}

class DisplayScale : public ProgramTest {
protected:
    void SetUp() override { Start(); }
    int Dpi() { return ui::DpiOf(Main().Handle()); }
};

TEST_F(DisplayScale, WindowsAndPagesAreTheirDesignAtTheDisplaysScale) {
    const char* expected = std::getenv("ZARVIK_EXPECTED_DPI");
    const int dpi = Dpi();
    ASSERT_EQ(dpi, expected ? std::atoi(expected) : 96);
    EXPECT_EQ(Main().ClientArea().w, std::lround(791 * dpi / 96.0));
    EXPECT_EQ(Main().ClientArea().h, std::lround(483 * dpi / 96.0));
    ExpectAt(dpi, Main().SpeedButton2, {33, 7, 25, 25});
    auto& dde = On<zarvik::DdePage>();
    ExpectAt(dpi, dde.Edit14, {140, 40, 180, 21});
    ExpectAt(dpi, dde.Button40, {10, 138, 100, 25});
    ExpectAt(dpi, dde.Memo17, {340, 56, 210, 70});
    // The File Viewer lays itself out from its client size.
    App().Form5().OpenInViewer(LogPath());
    ExpectAt(dpi, App().Form5().Button1, {426, 338, 100, 25});
}

// Every button's and label's caption, measured in the control's own font.
BOOL CALLBACK ExpectCaptionWhole(HWND w, LPARAM) {
    char kind[32] = "", text[512] = "";
    ::GetClassNameA(w, kind, sizeof kind);
    ::GetWindowTextA(w, text, sizeof text);
    const LONG style = ::GetWindowLongA(w, GWL_STYLE), type = style & BS_TYPEMASK;
    const bool label = !lstrcmpiA(kind, "STATIC") && (style & SS_TYPEMASK) == SS_OWNERDRAW;
    const bool button = !lstrcmpiA(kind, "BUTTON") && type != BS_OWNERDRAW;
    if (!*text || (!label && !button)) return TRUE;
    RECT client{}, one{}, wrapped{};
    ::GetClientRect(w, &client);
    wrapped.right = client.right;
    ui::WindowDC dc(w);
    const auto own = reinterpret_cast<HGDIOBJ>(::SendMessageA(w, WM_GETFONT, 0, 0));
    ui::SelectObjectScope font(dc.Get(), own);
    ::DrawTextA(dc.Get(), text, -1, &one, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    ::DrawTextA(dc.Get(), text, -1, &wrapped, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    // Beside a check box's text, its box.
    const int room = button && type == BS_AUTOCHECKBOX ? ui::Scale(16, ui::DpiOf(w)) : 0;
    EXPECT_TRUE(one.right + room <= client.right ||
                (label && wrapped.right <= client.right && wrapped.bottom <= client.bottom))
        << "\"" << text << "\" needs " << one.right + room << " of " << client.right << " pixels";
    return TRUE;
}

BOOL CALLBACK ExpectCaptionsWhole(HWND top, LPARAM) {
    return ::EnumChildWindows(top, ExpectCaptionWhole, 0), TRUE;
}

TEST_F(DisplayScale, EveryCaptionIsWhole) {
    ::EnumThreadWindows(::GetCurrentThreadId(), ExpectCaptionsWhole, 0);
}

TEST_F(DisplayScale, AMoveToAnotherScaleLaysTheWindowOutAgain) {
    const int dpi = Dpi(), next = dpi * 3 / 2;
    ui::Button& button = On<zarvik::DdePage>().Button40;
    const HWND main = Main().Handle();
    RECT r{};
    ::GetWindowRect(main, &r);
    auto move = [&](int to) {
        ::SendMessageA(main, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&r));
    };
    move(next);
    ExpectAt(next, button, {10, 138, 100, 25});
    EXPECT_EQ(::SendMessageA(button.Handle(), WM_GETFONT, 0, 0),
              reinterpret_cast<LRESULT>(ui::DialogFont(next)));
    move(dpi);
    ExpectAt(dpi, button, {10, 138, 100, 25});
}

// The same tests in this program started again with the display at 150% and
// 200%; the prefix is this test's own, so no other test sees the setting.
TEST(DisplayScaleOf, OneAndAHalfAndTwice) {
    ui::RegKey desktop;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_SET_VALUE,
                              desktop.Put()), ERROR_SUCCESS);
    struct Restore {
        HKEY key;
        ~Restore() { ::RegDeleteValueA(key, "LogPixels"); }
    } restore{desktop.Get()};
    char self[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    for (const DWORD dpi : {144, 192}) {
        ::RegSetValueExA(desktop.Get(), "LogPixels", 0, REG_DWORD,
                         reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
        ::SetEnvironmentVariableA("ZARVIK_EXPECTED_DPI", std::to_string(dpi).c_str());
        std::string command = std::string("\"") + self + "\" --gtest_filter=DisplayScale.*";
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        ASSERT_TRUE(::CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                     nullptr, &si, &pi));
        ui::KernelHandle process(pi.hProcess), thread(pi.hThread);
        DWORD code = 1;
        ::WaitForSingleObject(pi.hProcess, 280000);
        ::GetExitCodeProcess(pi.hProcess, &code);
        EXPECT_EQ(code, 0u) << "at " << dpi << " DPI";
    }
}

}  // namespace
