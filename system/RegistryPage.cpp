#include "system/RegistryPage.h"

namespace zarvik {

void RegistryPage::Create() {}

}  // namespace zarvik
