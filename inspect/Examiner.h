#pragma once
// The executable examiner: what a program appears able to do, guessed from
// the names of system functions, registry paths, compiler banners and file
// names among its strings.
#include "inspect/StringList.h"

namespace zarvik {

// Empties findings and fills it from the strings list: first, in the order
// of the strings, the registry-path, banner and file-name findings; then one
// line for each capability seen, in a fixed order. Nothing is de-duplicated.
void ExamineStrings(const StringList& strings, StringList& findings);

}  // namespace zarvik
