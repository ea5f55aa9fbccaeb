#pragma once

// Windows only: text crosses into the platform's W functions as UTF-16 and comes back as UTF-8,
// so that every character a person types survives.
#include <string>
#include <string_view>

namespace quillbit {

// Bytes that are not UTF-8 become U+FFFD; a NUL inside the text is kept.
std::wstring WideText(std::string_view utf8);
// A lone surrogate becomes U+FFFD; a NUL inside the text is kept.
std::string Utf8Text(std::wstring_view wide);

}  // namespace quillbit
