#include "ui/DdeLater.h"

namespace ui {

namespace {
constexpr UINT kRunLater = WM_APP + 1;
}  // namespace

void DdeLater::Create() { CreateOwn(HWND_MESSAGE, {}, "", 0); }

// What is posted while the message is handled lands behind it; passing the
// message on once more puts the event behind that too.
void DdeLater::Post() {
    if (!posted_) posted_ = ::PostMessageA(hwnd_, kRunLater, 1, 0) != FALSE;
}

LRESULT DdeLater::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != kRunLater) return Window::HandleMessage(msg, wp, lp);
    if (wp > 0 && ::PostMessageA(hwnd_, kRunLater, wp - 1, 0)) return 0;
    posted_ = false;
    RunCommand(OnPosted);
    return 0;
}

}  // namespace ui
