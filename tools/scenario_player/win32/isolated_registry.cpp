#include "scenario_player/win32/isolated_registry.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

namespace quillbit::scenario {
namespace {

// Below the person's HKEY_CURRENT_USER, one folder per player process.
constexpr wchar_t kTreeBase[] = L"Software\\Quillbit scenario player";

// A key of the file split into the hive the port knows and the path below it; none for a hive
// the play does not map.
struct KeyPlace {
  RegHandle hive = 0;
  std::string path;
};

std::optional<KeyPlace> PlaceOf(std::string_view keyPath) {
  const std::size_t slash = keyPath.find('\\');
  const std::string_view hive = keyPath.substr(0, slash);
  const std::string_view below =
      slash == std::string_view::npos ? std::string_view() : keyPath.substr(slash + 1);
  for (const RegHandle candidate : {Hive::CurrentUser, Hive::LocalMachine}) {
    if (SameRegistryName(hive, HiveName(candidate).value()))
      return KeyPlace{candidate, std::string(below)};
  }
  return std::nullopt;
}

std::string SettingsKeyName() {
  return std::string(HiveName(kSettingsHive).value()) + "\\" + std::string(kSettingsKeyPath);
}

bool ReadWhole(const std::string& path, std::string& bytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::ostringstream content;
  content << file.rdbuf();
  bytes = content.str();
  return true;
}

// Every value of the key as the port reads it, in the order the key keeps them; none when it
// cannot be opened.
std::optional<std::vector<RegistryValue>> ValuesOf(RegistryPort& registry, const KeyPlace& place) {
  RegHandle key = 0;
  if (registry.OpenKeyEx(place.hive, place.path, 0, RegAccess::Read, key) != RegStatus::Success)
    return std::nullopt;
  std::vector<RegistryValue> values;
  std::string name;
  for (std::uint32_t index = 0; registry.EnumValue(key, index, name) == RegStatus::Success;
       ++index) {
    RegistryValue value{.name = name};
    std::uint32_t size = 0;
    if (registry.QueryValueEx(key, name, value.type, nullptr, size) != RegStatus::Success) continue;
    value.data.assign(size, '\0');
    auto* bytes = reinterpret_cast<std::uint8_t*>(value.data.data());
    if (registry.QueryValueEx(key, name, value.type, bytes, size) != RegStatus::Success) continue;
    value.data.resize(size);
    values.push_back(std::move(value));
  }
  registry.CloseKey(key);
  return values;
}

}  // namespace

std::unique_ptr<IsolatedRegistry> IsolatedRegistry::Open(const std::string& path) {
  // Opening for appending creates a missing file and leaves an existing one as it is.
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return nullptr;
  std::fclose(file);
  std::string bytes;
  if (!ReadWhole(path, bytes)) return nullptr;
  std::unique_ptr<IsolatedRegistry> registry(new IsolatedRegistry(path, ParseRegistryText(bytes)));
  if (!registry->Isolate(true)) return nullptr;
  registry->Import();
  return registry;
}

std::unique_ptr<IsolatedRegistry> IsolatedRegistry::OpenUsers() {
  std::unique_ptr<IsolatedRegistry> registry(new IsolatedRegistry({}, RegistryDocument{}));
  if (!registry->Isolate(false)) return nullptr;
  return registry;
}

IsolatedRegistry::IsolatedRegistry(std::string path, RegistryDocument document)
    : path_(std::move(path)),
      read_(std::move(document)),
      registry_({std::string(kSettingsKeyPath)}),
      store_(registry_) {}

IsolatedRegistry::~IsolatedRegistry() {
  WriteBack();
  Restore();
}

// Both hives (or the machine's alone) are mapped, for this process only, onto fresh keys that
// nothing else uses.
bool IsolatedRegistry::Isolate(bool user) {
  tree_ = std::wstring(kTreeBase) + L"\\" + std::to_wstring(::GetCurrentProcessId());
  ::RegDeleteTreeW(HKEY_CURRENT_USER, tree_.c_str());
  const auto make = [this](const wchar_t* leaf, HKEY& key) {
    return ::RegCreateKeyExW(HKEY_CURRENT_USER, (tree_ + leaf).c_str(), 0, nullptr, 0,
                             KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS;
  };
  if ((user && !make(L"\\user", user_)) || !make(L"\\machine", machine_)) return false;
  userMapped_ = user;
  const bool machine = ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_) == ERROR_SUCCESS;
  if (!user) return machine;
  isolated_ = machine && ::RegOverridePredefKey(HKEY_CURRENT_USER, user_) == ERROR_SUCCESS;
  return isolated_;
}

void IsolatedRegistry::Restore() {
  if (userMapped_) ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
  if (user_ != nullptr) ::RegCloseKey(user_);
  if (machine_ != nullptr) ::RegCloseKey(machine_);
  ::RegDeleteTreeW(HKEY_CURRENT_USER, tree_.c_str());
  // The base goes once no other player uses it; a key with subkeys is not deleted.
  ::RegDeleteKeyW(HKEY_CURRENT_USER, kTreeBase);
}

// Written as the program would write them, so that the settings key lands where it reads it.
void IsolatedRegistry::Import() {
  for (const RegistryKey& key : read_.keys) {
    const std::optional<KeyPlace> place = PlaceOf(key.path);
    if (!place) continue;
    RegHandle handle = 0;
    std::uint32_t disposition = 0;
    if (registry_.CreateKeyEx(place->hive, place->path, 0, RegAccess::SpecificAndRead, handle,
                              disposition) != RegStatus::Success)
      continue;
    for (const RegistryValue& value : key.values) {
      registry_.SetValueEx(handle, value.name, value.type,
                           reinterpret_cast<const std::uint8_t*>(value.data.data()),
                           static_cast<std::uint32_t>(value.data.size()));
    }
    registry_.CloseKey(handle);
  }
}

RegistryDocument IsolatedRegistry::Export() {
  RegistryDocument now = read_;
  bool created = false;
  if (now.Find(SettingsKeyName()) == nullptr &&
      ValuesOf(registry_, PlaceOf(SettingsKeyName()).value()))
    now.Create(SettingsKeyName(), created);
  for (RegistryKey& key : now.keys) {
    const std::optional<KeyPlace> place = PlaceOf(key.path);
    if (!place) continue;
    if (std::optional<std::vector<RegistryValue>> values = ValuesOf(registry_, *place))
      key.values = std::move(*values);
  }
  return now;
}

// The file is replaced only when a value differs from what it held, and as a whole: a new file
// beside it renamed over it. A file with parts that could not be read is kept beside it first.
void IsolatedRegistry::WriteBack() {
  if (!isolated_) return;
  const std::string text = FormatRegistryText(Export());
  if (text == FormatRegistryText(read_)) return;
  std::error_code error;
  if (read_.partlyRead && !std::filesystem::exists(path_ + ".bak", error))
    std::filesystem::copy_file(path_, path_ + ".bak", error);
  const std::string fresh = path_ + ".new";
  {
    std::ofstream file(fresh, std::ios::binary | std::ios::trunc);
    file << text;
    if (!file.flush()) return;
  }
  std::filesystem::rename(fresh, path_, error);
}

}  // namespace quillbit::scenario
