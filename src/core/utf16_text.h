#pragma once

// Text crosses into Windows' W functions as UTF-16 and comes back as UTF-8, so that every
// character a person types survives. Plain C++: where wchar_t is wider than 16 bits (not on
// Windows) a wide text holds one code point per unit.
#include <string>
#include <string_view>

namespace quillbit {

// Bytes that are not UTF-8 become U+FFFD; a NUL inside the text is kept.
std::wstring WideText(std::string_view utf8);
// A lone surrogate becomes U+FFFD; a NUL inside the text is kept.
std::string Utf8Text(std::wstring_view wide);

}  // namespace quillbit
