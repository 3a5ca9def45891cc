#pragma once
// An event run later from the message loop, behind the messages already
// posted and those their handlers post in turn: a DDE callback's answer is
// posted by the library when the callback returns, after the request.
#include <windows.h>

#include "ui/Window.h"

namespace ui {

class DdeLater final : public Window {
public:
    void Create();
    // Once per run: posting again before the event ran changes nothing.
    void Post();
    Event OnPosted;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool posted_ = false;
};

}  // namespace ui
