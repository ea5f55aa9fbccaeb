#include "settings/kept_versions.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "settings/posix_files.h"

namespace quillbit {
namespace {

// Larger than any registry this program writes by far, as the reader's own limit.
constexpr std::size_t kMaxCompared = 16 * 1024 * 1024;
// Numbers of up to nine digits: a longer one is no name of ours.
constexpr std::size_t kMaxDigits = 9;
// Names taken meanwhile by someone else are skipped, a few times over.
constexpr int kAttempts = 16;

// The number a folder entry's name gives a version of `first`, if it is one.
std::optional<std::int64_t> VersionNumber(std::string_view name, std::string_view first) {
  if (name == first) return 0;
  if (!name.starts_with(first) || name.size() <= first.size() + 1 || name[first.size()] != '.') {
    return std::nullopt;
  }
  const std::string_view digits = name.substr(first.size() + 1);
  if (digits.size() > kMaxDigits || digits.front() == '0') return std::nullopt;
  std::int64_t number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return number;
}

// The numbers of the versions kept so far, oldest first.
std::vector<std::int64_t> KeptNumbers(const std::string& first) {
  const std::string folder = ParentFolder(first);
  const std::string firstName = first.substr(first.rfind('/') + 1);
  std::vector<std::int64_t> numbers;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (const auto number = VersionNumber(entry.path().filename().string(), firstName)) {
      numbers.push_back(*number);
    }
  }
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

bool SameBytes(const std::string& one, const std::string& other) {
  const std::optional<std::string> a = ReadRegularFile(one, kMaxCompared);
  const std::optional<std::string> b = a ? ReadRegularFile(other, kMaxCompared) : std::nullopt;
  return a && b && *a == *b;
}

}  // namespace

std::string KeptVersionName(const std::string& first, std::int64_t number) {
  return number == 0 ? first : first + "." + std::to_string(number);
}

bool KeepVersion(const std::string& file, const std::string& first, std::size_t maxKept) {
  std::vector<std::int64_t> numbers = KeptNumbers(first);
  // A save that failed after the copy was made leaves the same version to keep again.
  if (!numbers.empty() && SameBytes(file, KeptVersionName(first, numbers.back()))) return true;
  std::int64_t next = numbers.empty() ? 0 : numbers.back() + 1;
  for (int attempt = 0;; ++attempt, ++next) {
    if (KeepCopy(file, KeptVersionName(first, next))) break;
    if (errno != EEXIST || attempt + 1 == kAttempts) return false;
  }
  numbers.push_back(next);
  const std::size_t excess = numbers.size() > maxKept ? numbers.size() - maxKept : 0;
  for (std::size_t i = 0; i < excess; ++i) ::unlink(KeptVersionName(first, numbers[i]).c_str());
  return true;
}

}  // namespace quillbit
