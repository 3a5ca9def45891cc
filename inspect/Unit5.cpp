#include "inspect/Unit5.h"

#include <string>

namespace zarvik {

void TForm5::Create() {
    CreateForm(std::string(40, ' ') + "File Viewer",
               {.clientWidth = 534, .clientHeight = 375, .sizeable = true});
}

}  // namespace zarvik
