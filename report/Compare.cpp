#include "report/Compare.h"

#include <string>

namespace zarvik {

void TForm9::Create() {
    CreateForm(std::string(99, ' ') + "Compare Reports", {.clientWidth = 772, .clientHeight = 474});
}

}  // namespace zarvik
