#pragma once

#include <string_view>

#include "core/number_locale.h"

namespace quillbit {

// Number conventions in the form a Windows locale states them, for front-ends that read them
// from there.

// The digit grouping as "3;0" (threes throughout), "3;2;0" (three, then twos: the Indian style),
// "3" (one group of three, the rest undivided) or "0" (none), into the locale's group sizes.
void ApplyGroupingText(std::string_view grouping, NumberLocale& locale);

// The negative number style by its index 0 to 4: (1.1), -1.1, - 1.1, 1.1-, 1.1 -; any other
// index is the plain leading sign.
NegativeStyle NegativeStyleFromIndex(int index);

}  // namespace quillbit
