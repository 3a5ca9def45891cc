#include "display/DisplaySettings.h"

#include <algorithm>

namespace zarvik {

void DisplaySettings::ToggleBorder() {
    border = border == BorderStyle::Single ? BorderStyle::None : BorderStyle::Single;
}

void DisplaySettings::SetLevel(int position) { level = std::clamp(position, kMinLevel, kMaxLevel); }

}  // namespace zarvik
