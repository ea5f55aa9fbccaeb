#pragma once

#include <iterator>
#include <optional>
#include <span>
#include <string_view>

namespace quillbit {

// A recordable DVD and the bytes it holds, as authoring tools count them.
struct DiscPreset {
  std::string_view name;  // as a menu shows it: "DVD+R DL"
  std::string_view key;   // on the command line: "dvd+r-dl"
  double bytes;
};

inline constexpr DiscPreset kDiscPresets[] = {
    {"DVD-R", "dvd-r", 4707319808},
    {"DVD+R", "dvd+r", 4700372992},
    {"DVD-R DL", "dvd-r-dl", 8543666176},
    {"DVD+R DL", "dvd+r-dl", 8547991552},
};

inline constexpr int kDiscPresetCount = static_cast<int>(std::size(kDiscPresets));

// The disc whose bytes these are exactly, if any (the menu checks it).
const DiscPreset* DiscPresetOfBytes(double bytes);

// The disc named by its key, in any case.
const DiscPreset* DiscPresetNamed(std::string_view key);

}  // namespace quillbit
