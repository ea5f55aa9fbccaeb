#include "about/sysinfo_launcher.h"

#include <optional>

namespace quillbit {
namespace {

// Every opened key is closed again, whichever way the read ends.
class OpenKey {
 public:
  OpenKey(RegistryPort& registry, RegHandle key) : registry_(registry), key_(key) {}
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  ~OpenKey() { registry_.CloseKey(key_); }
  RegHandle Handle() const { return key_; }

 private:
  RegistryPort& registry_;
  RegHandle key_;
};

// The bytes as one number, most significant first, two capital hex digits each.
void AppendHexNumber(std::string& text, std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
    const auto byte = static_cast<unsigned char>(*it);
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xF];
  }
}

// A NUL inside a path would cut it short in the operating system's calls, so that another file
// than the one named would be checked or started.
bool IsUsablePath(std::string_view path) {
  return !path.empty() && path.find('\0') == std::string_view::npos;
}

std::optional<std::string> FindSysInfo(const SysInfoPorts& ports,
                                       std::span<const std::string> installed) {
  std::string path;
  if (GetKeyValue(ports.registry, Hive::LocalMachine, kSysInfoPathKey, kSysInfoPathValue, path))
    return path;
  if (std::string program = FindInstalledProgram(ports.files, installed); !program.empty())
    return program;
  if (!GetKeyValue(ports.registry, Hive::LocalMachine, kSysInfoFolderKey, kSysInfoFolderValue,
                   path))
    return std::nullopt;
  path += kSysInfoProgramName;
  if (!IsUsablePath(path) || !ports.files.FileExists(path)) return std::nullopt;
  return path;
}

}  // namespace

bool GetKeyValue(RegistryPort& registry, RegHandle KeyRoot, std::string_view KeyName,
                 std::string_view SubKeyRef, std::string& KeyVal) {
  RegHandle handle = 0;
  if (registry.OpenKeyEx(KeyRoot, KeyName, 0, kSysInfoKeyAccess, handle) != RegStatus::Success) {
    KeyVal.clear();
    return false;
  }
  const OpenKey key(registry, handle);
  std::string buffer(kKeyValueBufferSize, '\0');
  std::uint32_t size = kKeyValueBufferSize;
  std::uint32_t type = 0;
  if (registry.QueryValueEx(key.Handle(), SubKeyRef, type,
                            reinterpret_cast<std::uint8_t*>(buffer.data()),
                            size) != RegStatus::Success) {
    KeyVal.clear();
    return false;
  }
  // The last character counts from the returned size: nothing to look at for an empty value, and
  // a size past the buffer would read what was never written.
  if (size == 0 || size > kKeyValueBufferSize)
    throw KeyValueError("registry value of size " + std::to_string(size));
  buffer.resize(buffer[size - 1] == '\0' ? size - 1 : size);
  if (type == RegType::Text) {
    KeyVal = std::move(buffer);
  } else if (type == RegType::Dword) {
    std::string text = "&h" + KeyVal;
    AppendHexNumber(text, buffer);
    KeyVal = std::move(text);
  }
  return true;
}

std::string FindInstalledProgram(const FileExistsPort& files,
                                 std::span<const std::string> candidates) {
  for (const std::string& candidate : candidates) {
    // A relative name would depend on the working directory.
    if (!IsUsablePath(candidate) || candidate.front() != '/') continue;
    if (files.FileExists(candidate)) return candidate;
  }
  return {};
}

void StartSysInfo(const SysInfoPorts& ports, std::string_view title,
                  std::span<const std::string> installed) {
  try {
    const std::optional<std::string> path = FindSysInfo(ports, installed);
    if (path && IsUsablePath(*path) && ports.programs.Start(*path)) return;
  } catch (...) {
    // Every error of the search or the start ends in the one message below.
  }
  ports.messages.ShowMessage(title, kSysInfoUnavailable);
}

}  // namespace quillbit
