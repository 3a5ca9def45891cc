#include "display/Display.h"

namespace zarvik {

void TForm6::Create() {
    CreateForm("Display settings ", {.clientWidth = 688, .clientHeight = 78});
    ::SetWindowPos(Handle(), nullptr, 192, 394, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zarvik
