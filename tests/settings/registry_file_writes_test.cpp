// How the registry file is replaced: the lock it takes, links it writes through, permissions it
// keeps.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "settings/registry_file.h"
#include "settings/registry_text.h"
#include "tests/support/temp_folder.h"

namespace quillbit {
namespace {

constexpr std::string_view kKey = "SOFTWARE\\Tormelund\\Quillbit";
constexpr char kKeyPath[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tormelund\\Quillbit";

// Writes one text value through a fresh instance; the status of the write.
long SetValue(RegistryFile& registry, std::string_view name, std::string_view text) {
  RegHandle key = 0;
  std::uint32_t disposition = 0;
  const long created = registry.CreateKeyEx(Hive::LocalMachine, kKey, 0, RegAccess::SpecificRights,
                                            key, disposition);
  if (created != RegStatus::Success) return created;
  const long status = registry.SetValueEx(key, name, RegType::Text,
                                          reinterpret_cast<const std::uint8_t*>(text.data()),
                                          static_cast<std::uint32_t>(text.size()));
  registry.CloseKey(key);
  return status;
}

// The text value as the file at `path` holds it; empty when it is not there.
std::string ValueIn(const std::string& path, std::string_view name) {
  const RegistryDocument document = ParseRegistryText(ReadWholeFile(path));
  const RegistryKey* key = document.Find(kKeyPath);
  const RegistryValue* value = key == nullptr ? nullptr : key->Find(name);
  return value == nullptr ? std::string() : value->data;
}

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

TEST(RegistryFileWrites, LockAFileOpenForWritingAndSaveEvenWithoutTheLock) {
  TempFolder folder;
  const std::string path = folder.File("quillbit/registry.reg");
  std::vector<int> accessModes;
  // As NFS without a lock manager, or with a lock only for files open for writing.
  RegistryFile registry(path, [&](int fd) {
    accessModes.push_back(::fcntl(fd, F_GETFL) & O_ACCMODE);
    return false;
  });
  ASSERT_EQ(SetValue(registry, "txtFrames", "90000"), RegStatus::Success);
  ASSERT_EQ(SetValue(registry, "txtFrames", "1500"), RegStatus::Success);
  EXPECT_EQ(ValueIn(path, "txtFrames"), "1500");
  ASSERT_FALSE(accessModes.empty());
  for (const int mode : accessModes) EXPECT_EQ(mode, O_RDWR);
  EXPECT_EQ(NamesIn(folder.File("quillbit")),
            (std::vector<std::string>{"registry.reg", "registry.reg.lock"}))
      << "a temporary was left behind";
  EXPECT_EQ(ModeOf(path), 0600u);
}

TEST(RegistryFileWrites, ALinkIsWrittenThroughAndItsTargetReplacedWhole) {
  TempFolder folder;
  const std::string dotfiles = folder.File("dotfiles");
  const std::string target = dotfiles + "/quillbit.reg";
  std::filesystem::create_directories(dotfiles);
  std::filesystem::create_directories(folder.File("config/quillbit"));
  const std::string text =
      "REGEDIT4\n; kept in my dotfiles\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tormelund\\Quillbit]\n"
      "\"chkFF\"=\"un\"\n\n";
  WriteWholeFile(target, text);
  ::chmod(target.c_str(), 0640);
  const std::string path = folder.File("config/quillbit/registry.reg");
  ASSERT_EQ(::symlink("../../dotfiles/quillbit.reg", path.c_str()), 0);
  struct stat before {};
  ASSERT_EQ(::stat(target.c_str(), &before), 0);

  RegistryFile registry(path);
  ASSERT_EQ(SetValue(registry, "txtFrames", "90000"), RegStatus::Success);
  EXPECT_TRUE(std::filesystem::is_symlink(path));
  EXPECT_EQ(ValueIn(target, "txtFrames"), "90000");
  EXPECT_EQ(ValueIn(target, "chkFF"), "un");
  struct stat after {};
  ASSERT_EQ(::stat(target.c_str(), &after), 0);
  EXPECT_NE(after.st_ino, before.st_ino) << "written in place instead of renamed over";
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  EXPECT_EQ(NamesIn(dotfiles), std::vector<std::string>{"quillbit.reg"});
  // The comment the reader drops is kept in the settings folder, not among the dotfiles.
  EXPECT_EQ(ReadWholeFile(registry.BackupPath()), text);
  EXPECT_FALSE(std::filesystem::is_symlink(registry.BackupPath()));
}

TEST(RegistryFileWrites, ALinkToAFileNotYetThereCreatesTheTarget) {
  TempFolder folder;
  const std::string path = folder.File("registry.reg");
  ASSERT_EQ(::symlink(folder.File("elsewhere.reg").c_str(), path.c_str()), 0);
  RegistryFile registry(path);
  ASSERT_EQ(SetValue(registry, "txtFrames", "90000"), RegStatus::Success);
  EXPECT_TRUE(std::filesystem::is_symlink(path));
  EXPECT_EQ(ValueIn(folder.File("elsewhere.reg"), "txtFrames"), "90000");
  EXPECT_EQ(ModeOf(folder.File("elsewhere.reg")), 0600u);
}

TEST(RegistryFileWrites, ALoopOfLinksIsNeverReplaced) {
  TempFolder folder;
  const std::string path = folder.File("registry.reg");
  ASSERT_EQ(::symlink("registry.reg", path.c_str()), 0);
  RegistryFile registry(path);
  EXPECT_NE(SetValue(registry, "txtFrames", "90000"), RegStatus::Success);
  EXPECT_TRUE(std::filesystem::is_symlink(path));
}

class RegistryFilePermissions : public testing::TestWithParam<mode_t> {};

TEST_P(RegistryFilePermissions, StayAsThePersonSetThem) {
  TempFolder folder;
  const std::string path = folder.File("registry.reg");
  WriteWholeFile(path, "REGEDIT4\n\n");
  ASSERT_EQ(::chmod(path.c_str(), GetParam()), 0);
  RegistryFile registry(path);
  ASSERT_EQ(SetValue(registry, "txtFrames", "90000"), RegStatus::Success);
  EXPECT_EQ(ValueIn(path, "txtFrames"), "90000");
  EXPECT_EQ(ModeOf(path), GetParam());
}

// Ours; stricter (read-only); wider, on purpose.
INSTANTIATE_TEST_SUITE_P(Modes, RegistryFilePermissions,
                         testing::Values(0600, 0400, 0640, 0644, 0660),
                         [](const testing::TestParamInfo<mode_t>& mode) {
                           return "Mode0" + std::to_string(mode.param >> 6) +
                                  std::to_string((mode.param >> 3) & 7) +
                                  std::to_string(mode.param & 7);
                         });

}  // namespace
}  // namespace quillbit
