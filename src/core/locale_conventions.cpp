#include "core/locale_conventions.h"

#include <vector>

namespace quillbit {

void ApplyGroupingText(std::string_view grouping, NumberLocale& locale) {
  // Text that is not a grouping keeps the conventions there are.
  if (grouping.empty()) return;
  std::vector<int> sizes;
  int size = 0;
  bool digits = false;
  for (const char c : grouping) {
    if (c >= '0' && c <= '9') {
      size = size * 10 + (c - '0');
      digits = true;
      if (size > 9) return;
    } else if (c == ';' && digits) {
      sizes.push_back(size);
      size = 0;
      digits = false;
    } else {
      return;
    }
  }
  if (digits) sizes.push_back(size);
  // A trailing 0 repeats the group before it; without it, the last group takes all the rest.
  const bool repeats = sizes.size() >= 2 && sizes.back() == 0;
  if (repeats) sizes.pop_back();
  if (sizes.empty() || sizes.front() == 0) {
    locale.primaryGroup = 0;
    locale.secondaryGroup = 0;
    return;
  }
  locale.primaryGroup = sizes.front();
  if (sizes.size() == 1) {
    locale.secondaryGroup = repeats ? sizes.front() : 0;
  } else {
    // Windows allows more sizes; the conventions in use have at most two distinct ones.
    locale.secondaryGroup = sizes[1];
  }
}

NegativeStyle NegativeStyleFromIndex(int index) {
  constexpr NegativeStyle kStyles[] = {NegativeStyle::Parentheses, NegativeStyle::LeadingSign,
                                       NegativeStyle::LeadingSignSpace, NegativeStyle::TrailingSign,
                                       NegativeStyle::TrailingSignSpace};
  if (index < 0 || index > 4) return NegativeStyle::LeadingSign;
  return kStyles[index];
}

}  // namespace quillbit
