#include "dde/DdePage.h"

namespace zarvik {

void DdePage::Create() {}

}  // namespace zarvik
