#include "settings/windows_registry.h"

#include <windows.h>

#include <cstring>
#include <utility>

#include "core/utf16_text.h"
#include "settings/registry_text.h"

namespace quillbit {
namespace {

// Where registry virtualisation keeps a user's copy of what a program wrote machine-wide.
constexpr std::string_view kVirtualStore = "Software\\Classes\\VirtualStore\\MACHINE\\";
// Where a 32-bit program's machine-wide software keys live in the 64-bit registry.
constexpr std::string_view kSoftware = "SOFTWARE\\";
constexpr std::string_view kWow64Node = "WOW6432Node\\";

HKEY Platform(RegHandle handle) {
  switch (handle) {
    case Hive::ClassesRoot:
      return HKEY_CLASSES_ROOT;
    case Hive::CurrentUser:
      return HKEY_CURRENT_USER;
    case Hive::LocalMachine:
      return HKEY_LOCAL_MACHINE;
    case Hive::Users:
      return HKEY_USERS;
    default:
      return reinterpret_cast<HKEY>(handle);
  }
}

RegHandle Port(HKEY key) {
  return reinterpret_cast<RegHandle>(key);
}

bool StartsWithName(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameRegistryName(text.substr(0, prefix.size()), prefix);
}

struct Fallback {
  HKEY hive;
  std::string path;
  REGSAM view;
};

// What an earlier machine-wide installation may have left, most likely first.
std::vector<Fallback> EarlierCopies(std::string_view path) {
  std::vector<Fallback> copies;
  if (StartsWithName(path, kSoftware)) {
    std::string wow64(kVirtualStore);
    wow64 += kSoftware;
    wow64 += kWow64Node;
    wow64 += path.substr(kSoftware.size());
    copies.push_back({HKEY_CURRENT_USER, std::move(wow64), 0});
  }
  copies.push_back({HKEY_CURRENT_USER, std::string(kVirtualStore) + std::string(path), 0});
  copies.push_back({HKEY_LOCAL_MACHINE, std::string(path), KEY_WOW64_32KEY});
  copies.push_back({HKEY_LOCAL_MACHINE, std::string(path), KEY_WOW64_64KEY});
  return copies;
}

}  // namespace

WindowsRegistry::WindowsRegistry(std::vector<std::string> perUserKeys)
    : perUserKeys_(std::move(perUserKeys)) {}

bool WindowsRegistry::PerUser(RegHandle hive, std::string_view path) const {
  if (hive != Hive::LocalMachine) return false;
  for (const std::string& key : perUserKeys_) {
    if (!StartsWithName(path, key)) continue;
    if (path.size() == key.size() || path[key.size()] == '\\') return true;
  }
  return false;
}

long WindowsRegistry::CreateKeyEx(RegHandle hive, std::string_view path, std::uint32_t options,
                                  std::uint32_t access, RegHandle& key,
                                  std::uint32_t& disposition) {
  const HKEY root = PerUser(hive, path) ? HKEY_CURRENT_USER : Platform(hive);
  HKEY opened = nullptr;
  DWORD how = 0;
  const LSTATUS status = ::RegCreateKeyExW(root, WideText(path).c_str(), 0, nullptr, options,
                                           access, nullptr, &opened, &how);
  if (status != ERROR_SUCCESS) return status;
  key = Port(opened);
  disposition = how;
  return ERROR_SUCCESS;
}

long WindowsRegistry::OpenKeyEx(RegHandle hive, std::string_view path, std::uint32_t options,
                                std::uint32_t access, RegHandle& key) {
  const bool perUser = PerUser(hive, path);
  HKEY opened = nullptr;
  LSTATUS status = ::RegOpenKeyExW(perUser ? HKEY_CURRENT_USER : Platform(hive),
                                   WideText(path).c_str(), options, access, &opened);
  if (status == ERROR_FILE_NOT_FOUND && perUser) {
    // Only read: the per-user key is where anything written goes.
    for (const Fallback& copy : EarlierCopies(path)) {
      status = ::RegOpenKeyExW(copy.hive, WideText(copy.path).c_str(), options,
                               KEY_READ | copy.view, &opened);
      if (status == ERROR_SUCCESS) break;
    }
    if (status != ERROR_SUCCESS) status = ERROR_FILE_NOT_FOUND;
  }
  if (status != ERROR_SUCCESS) return status;
  key = Port(opened);
  return ERROR_SUCCESS;
}

long WindowsRegistry::SetValueEx(RegHandle key, std::string_view name, std::uint32_t type,
                                 const std::uint8_t* data, std::uint32_t size) {
  if (data == nullptr && size > 0) return ERROR_INVALID_PARAMETER;
  const std::wstring wideName = WideText(name);
  if (type == RegType::Text) {
    // Stored as exactly its characters, without a terminating NUL, as the models ask. The
    // system's write stores one more character when the one just past the text is a NUL (Wine
    // does; so may Windows), which would come back as part of the text: a character other than
    // NUL follows it.
    std::wstring text = WideText(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    text.push_back(L'\xFFFF');
    return ::RegSetValueExW(Platform(key), wideName.c_str(), 0, type,
                            reinterpret_cast<const BYTE*>(text.data()), bytes);
  }
  return ::RegSetValueExW(Platform(key), wideName.c_str(), 0, type, data, size);
}

long WindowsRegistry::QueryValueEx(RegHandle key, std::string_view name, std::uint32_t& type,
                                   std::uint8_t* data, std::uint32_t& size) {
  const std::wstring wideName = WideText(name);
  DWORD storedType = 0;
  DWORD storedSize = 0;
  LSTATUS status = ::RegQueryValueExW(Platform(key), wideName.c_str(), nullptr, &storedType,
                                      nullptr, &storedSize);
  if (status != ERROR_SUCCESS) return status;
  if (storedType != RegType::Text) {
    DWORD capacity = data == nullptr ? 0 : size;
    status = data == nullptr ? ERROR_SUCCESS
                             : ::RegQueryValueExW(Platform(key), wideName.c_str(), nullptr,
                                                  &storedType, data, &capacity);
    type = storedType;
    size = data == nullptr ? storedSize : capacity;
    return status;
  }
  // A text's size on this side is that of its UTF-8 form, so the whole text is read to tell it.
  std::wstring wide;
  do {
    wide.assign(storedSize / sizeof(wchar_t) + 1, L'\0');
    storedSize = static_cast<DWORD>(wide.size() * sizeof(wchar_t));
    status = ::RegQueryValueExW(Platform(key), wideName.c_str(), nullptr, &storedType,
                                reinterpret_cast<BYTE*>(wide.data()), &storedSize);
  } while (status == ERROR_MORE_DATA);
  if (status != ERROR_SUCCESS) return status;
  wide.resize(storedSize / sizeof(wchar_t));
  const std::string text = Utf8Text(wide);
  type = storedType;
  const auto needed = static_cast<std::uint32_t>(text.size());
  if (data != nullptr) {
    if (size < needed) {
      size = needed;
      return ERROR_MORE_DATA;
    }
    std::memcpy(data, text.data(), text.size());
  }
  size = needed;
  return ERROR_SUCCESS;
}

long WindowsRegistry::EnumValue(RegHandle key, std::uint32_t index, std::string& name) {
  // The longest value name the registry allows, and its NUL.
  std::wstring buffer(16384, L'\0');
  DWORD length = static_cast<DWORD>(buffer.size());
  const LSTATUS status = ::RegEnumValueW(Platform(key), index, buffer.data(), &length, nullptr,
                                         nullptr, nullptr, nullptr);
  if (status != ERROR_SUCCESS) return status;
  name = Utf8Text(std::wstring_view(buffer.data(), length));
  return ERROR_SUCCESS;
}

long WindowsRegistry::CloseKey(RegHandle key) {
  if (HiveName(key)) return ERROR_SUCCESS;
  if (key == 0) return ERROR_INVALID_HANDLE;
  return ::RegCloseKey(Platform(key));
}

}  // namespace quillbit
