#include "core/disc_presets.h"

#include "core/unicode_text.h"

namespace quillbit {

const DiscPreset* DiscPresetOfBytes(double bytes) {
  for (const DiscPreset& disc : kDiscPresets) {
    if (disc.bytes == bytes) return &disc;
  }
  return nullptr;
}

const DiscPreset* DiscPresetNamed(std::string_view key) {
  for (const DiscPreset& disc : kDiscPresets) {
    if (SameIgnoringAsciiCase(key, disc.key)) return &disc;
  }
  return nullptr;
}

}  // namespace quillbit
