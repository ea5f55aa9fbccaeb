#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/ports.h"
#include "settings/registry_port.h"

namespace quillbit {

// Where the system information tool is found: first the program's full path, then the folder
// that holds it.
inline constexpr std::string_view kSysInfoPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kSysInfoPathValue = "PATH";
inline constexpr std::string_view kSysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view kSysInfoFolderValue = "MSINFO";
inline constexpr std::string_view kSysInfoProgramName = "\\MSINFO32.EXE";
inline constexpr std::string_view kSysInfoUnavailable =
    "System Information Is Unavailable At This Time";

// Both keys are machine-wide and only read: asking for write rights too would be refused to
// every program that runs without elevation, and the tool could never be found.
inline constexpr std::uint32_t kSysInfoKeyAccess = RegAccess::Read;
inline constexpr std::uint32_t kKeyValueBufferSize = 1024;

// System information programs a Linux desktop may have installed, in order of preference. Where
// the registry holds no "PATH" value, the first of them that exists stands in for it. Windows has
// its own tool and the two lookups that find it, and reads a path such as /usr/bin/hardinfo as
// one on the current drive: none there.
#ifdef _WIN32
inline constexpr std::array<std::string_view, 0> kInstalledSysInfoPrograms = {};
#else
inline constexpr std::array<std::string_view, 4> kInstalledSysInfoPrograms = {
    "/usr/bin/hardinfo2",
    "/usr/bin/hardinfo",
    "/usr/bin/kinfocenter",
    "/usr/bin/gnome-system-monitor",
};
#endif

// A value that was read but cannot be trimmed: it reported a size of 0 (or more than the buffer).
class KeyValueError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads one value of the key `KeyName` under the hive `KeyRoot` as text into `KeyVal`.
// Returns false, with `KeyVal` empty, when the key cannot be opened with kSysInfoKeyAccess or the
// value cannot be read into the 1024-byte buffer. A text value loses one terminating NUL; a
// 32-bit number becomes "&h" followed by what `KeyVal` held and the value's bytes, last to first,
// two hexadecimal digits each; a value of any other type leaves `KeyVal` as it was and still
// counts as read. Throws KeyValueError for a value of size 0; the key is closed in every case.
bool GetKeyValue(RegistryPort& registry, RegHandle KeyRoot, std::string_view KeyName,
                 std::string_view SubKeyRef, std::string& KeyVal);

// The first candidate that is an absolute path to an existing file, or "" when none is.
std::string FindInstalledProgram(const FileExistsPort& files,
                                 std::span<const std::string> candidates);

struct SysInfoPorts {
  RegistryPort& registry;
  FileExistsPort& files;
  StartProgramPort& programs;
  MessageBoxPort& messages;
};

// Starts the system information tool: the "PATH" value as read (not checked), else the first
// installed program of `installed`, else the "MSINFO" folder with "\MSINFO32.EXE" appended when
// that file exists. Any failure, including a failed start, shows the one message, captioned with
// `title`, and nothing else.
void StartSysInfo(const SysInfoPorts& ports, std::string_view title,
                  std::span<const std::string> installed);

}  // namespace quillbit
