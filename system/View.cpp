#include "system/View.h"

namespace zarvik {

void TForm7::Create() { CreateForm("View Window", {.clientWidth = 456, .clientHeight = 268}); }

}  // namespace zarvik
