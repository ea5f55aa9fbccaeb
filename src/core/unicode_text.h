#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillbit {

// Appends the code point as UTF-8; the caller passes a scalar value (no surrogate).
void AppendUtf8(std::string& out, char32_t code);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool ValidUtf8(std::string_view text);

// Whether two texts are the same but for the case of ASCII letters (registry names, units, file
// extensions); other bytes must match exactly.
bool SameIgnoringAsciiCase(std::string_view a, std::string_view b);

// UTF-16 text given as bytes, in either byte order, as UTF-8; none when the bytes are not
// UTF-16 (an odd count, or a surrogate without its partner).
enum class ByteOrder { LittleEndian, BigEndian };
std::optional<std::string> Utf16BytesToUtf8(std::string_view bytes, ByteOrder order);

}  // namespace quillbit
