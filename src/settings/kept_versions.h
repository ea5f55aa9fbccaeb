#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quillbit {

// The name of a kept version: `first` for the first ever kept, then `first.1`, `first.2`, ...
// in the order they were kept.
std::string KeptVersionName(const std::string& first, std::int64_t number);

// Keeps the file as it is now under the next of those names, unless the newest kept version
// already holds the same bytes. Past `maxKept` versions the oldest are removed; the numbers go
// on, so a name never comes back for another version. False when the copy could not be made.
bool KeepVersion(const std::string& file, const std::string& first, std::size_t maxKept);

}  // namespace quillbit
