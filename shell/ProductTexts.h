#pragma once
// Texts the whole program shows, kept apart so that any window can use them
// without depending on the main window.

namespace zarvik {

// The title of the program and of its message boxes.
inline constexpr const char* kProductTitle = "Zarvik v1.1";

// What the result lists show until the first analysis.
inline constexpr const char* kNoItemsYet = "No Items to list, Please Click the Analyze Button.";

}  // namespace zarvik
