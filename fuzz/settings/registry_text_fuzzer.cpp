// Arbitrary bytes as a registry file: reading never fails, and what is read writes out to a
// file that reads back the same, whole. The same bytes as a value's name and data come back
// exactly.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/registry_text.h"

namespace quillbit {
namespace {

void Require(bool promise) {
  if (!promise) std::abort();
}

bool SameValues(const RegistryKey& a, const RegistryKey& b) {
  if (a.path != b.path || a.values.size() != b.values.size()) return false;
  for (std::size_t i = 0; i < a.values.size(); ++i) {
    const RegistryValue& x = a.values[i];
    const RegistryValue& y = b.values[i];
    if (x.name != y.name || x.type != y.type || x.data != y.data) return false;
  }
  return true;
}

bool SameDocument(const RegistryDocument& a, const RegistryDocument& b) {
  if (a.keys.size() != b.keys.size()) return false;
  for (std::size_t i = 0; i < a.keys.size(); ++i) {
    if (!SameValues(a.keys[i], b.keys[i])) return false;
  }
  return true;
}

void FileText(std::string_view text) {
  const RegistryDocument read = ParseRegistryText(text);
  const std::string written = FormatRegistryText(read);
  const RegistryDocument again = ParseRegistryText(written);
  Require(SameDocument(read, again));
  // What is written is understood whole, so it is never kept aside as a damaged file.
  Require(!again.partlyRead);
  Require(FormatRegistryText(again) == written);
}

// The first byte picks the type, the next up to 32 bytes (to a 0xFF) the name, the rest the data.
void OneValue(std::string_view bytes) {
  if (bytes.empty()) return;
  const auto type = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[0]) % 8);
  bytes.remove_prefix(1);
  const std::size_t end = bytes.substr(0, 32).find('\xFF');
  const std::string_view name = bytes.substr(0, end == std::string_view::npos ? 0 : end);
  if (!StorableValueName(name)) return;
  const std::string_view data = end == std::string_view::npos ? bytes : bytes.substr(end + 1);
  RegistryDocument document;
  bool created = false;
  document.Create("HKEY_LOCAL_MACHINE\\SOFTWARE\\Tormelund\\Quillbit", created)
      .Set(RegistryValue{std::string(name), type, std::string(data)});
  Require(SameDocument(document, ParseRegistryText(FormatRegistryText(document))));
}

}  // namespace
}  // namespace quillbit

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  quillbit::FileText(bytes);
  quillbit::OneValue(bytes);
  return 0;
}
