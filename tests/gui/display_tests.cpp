// The Display settings window acting on the real main window. Xvfb has no
// compositor, so the window's styles and layered attributes are checked,
// not its pixels.
#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "display/Display.h"
#include "gui/support/Harness.h"
#include "platform/SystemFunction.h"

using namespace testing_support;

namespace {

using GetLayeredFn = BOOL WINAPI(HWND, COLORREF*, BYTE*, DWORD*);

class Display : public ProgramTest {
protected:
    void SetUp() override {
        Start();
        Click(Main().SpeedButton8);
    }
    zarvik::TForm6& Form() { return App().Form6(); }
    HWND MainWindow() { return Main().Handle(); }
    LONG Style() { return ::GetWindowLongA(MainWindow(), GWL_STYLE); }
    bool Layered() { return ::GetWindowLongA(MainWindow(), GWL_EXSTYLE) & WS_EX_LAYERED; }
    // The constant opacity of the layered main window; nullopt when none is set.
    std::optional<int> Alpha() {
        auto* get = platform::SystemFunction<GetLayeredFn>("user32.dll", "GetLayeredWindowAttributes");
        if (!get) return std::nullopt;
        BYTE alpha = 0;
        DWORD flags = 0;
        if (!get(MainWindow(), nullptr, &alpha, &flags) || !(flags & LWA_ALPHA))
            return std::nullopt;
        return alpha;
    }
    // As the user drags the thumb: the position, then the notification.
    void MoveSlider(int position) {
        HWND slider = Form().TrackBar1.Handle();
        ::SendMessageA(slider, TBM_SETPOS, TRUE, position);
        ::SendMessageA(::GetParent(slider), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                       reinterpret_cast<LPARAM>(slider));
        ui::PumpMessages();
    }
};

TEST_F(Display, WindowAsDesignedAndCloseOnlyHidesIt) {
    EXPECT_TRUE(Form().Visible());
    EXPECT_EQ(Form().Text(), "Display settings ");
    RECT rc{};
    ::GetWindowRect(Form().Handle(), &rc);
    EXPECT_EQ(rc.left, 192);
    EXPECT_EQ(rc.top, 394);
    HWND slider = Form().TrackBar1.Handle();
    EXPECT_EQ(::SendMessageA(slider, TBM_GETRANGEMIN, 0, 0), 10);
    EXPECT_EQ(::SendMessageA(slider, TBM_GETRANGEMAX, 0, 0), 255);
    EXPECT_EQ(Form().TrackBar1.Position(), 250);

    MoveSlider(100);
    Click(Form().Button4);
    EXPECT_FALSE(Form().Visible());
    EXPECT_TRUE(::IsWindow(Form().Handle()));
    Click(Main().SpeedButton8);
    EXPECT_EQ(Form().TrackBar1.Position(), 100) << "the slider keeps its place";
}

TEST_F(Display, ToggleBorderTwiceRestoresTheTitleBar) {
    const LONG designed = Style();
    ASSERT_EQ(designed & WS_CAPTION, WS_CAPTION);

    Click(Form().Button1);
    EXPECT_EQ(Style() & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), 0);
    EXPECT_EQ(Form().Settings().border, zarvik::BorderStyle::None);

    Click(Form().Button1);
    EXPECT_EQ(Style(), designed);
}

TEST_F(Display, BlendingBeforeTheSliderIsMovedStaysOpaque) {
    ASSERT_FALSE(Layered());
    Click(Form().Button3);
    ASSERT_TRUE(Layered());
    EXPECT_EQ(Alpha(), 255) << "the slider's 250 is not passed on at start";
    MoveSlider(250);  // a click on the thumb: told, not moved
    EXPECT_EQ(Alpha(), 255);

    Click(Form().Button3);
    EXPECT_FALSE(Layered());
}

TEST_F(Display, TheSliderSetsTheLevelWhileBlendingIsOn) {
    Click(Form().Button3);
    MoveSlider(10);
    EXPECT_EQ(Alpha(), 10);
    MoveSlider(255);
    EXPECT_EQ(Alpha(), 255);
    EXPECT_TRUE(Layered()) << "blending stays on at full opacity";
}

TEST_F(Display, TheLevelChosenWhileBlendingIsOffShowsWhenItIsSwitchedOn) {
    MoveSlider(60);
    EXPECT_FALSE(Layered()) << "nothing changes while blending is off";
    Click(Form().Button3);
    EXPECT_EQ(Alpha(), 60);
}

}  // namespace
