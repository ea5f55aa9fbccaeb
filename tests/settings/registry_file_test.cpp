#include "settings/registry_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "settings/registry_text.h"
#include "tests/support/temp_folder.h"

namespace quillbit {
namespace {

constexpr std::string_view kKey = "SOFTWARE\\Tormelund\\Quillbit";

const std::uint8_t* Bytes(std::string_view text) {
  return reinterpret_cast<const std::uint8_t*>(text.data());
}

// Runs `body` as a user who, unlike root, is bound by file permissions: directly for an
// ordinary user, and for root in a child process that gives the folder to "nobody" and becomes it.
void AsOrdinaryUser(const std::string& folder, const std::function<void()>& body) {
  if (::geteuid() != 0) {
    body();
    return;
  }
  const pid_t child = ::fork();
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    if (::chown(folder.c_str(), kNobody, kNobody) != 0 || ::setgid(kNobody) != 0 ||
        ::setuid(kNobody) != 0) {
      ::_exit(2);
    }
    body();
    ::_exit(testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "failed as an ordinary user (2: could not become one)";
}

class RegistryFileTest : public testing::Test {
 protected:
  std::string FilePath() const { return folder_.Path() + "/config/quillbit/registry.reg"; }

  RegHandle Create(RegistryFile& registry, std::string_view path = kKey) {
    RegHandle key = 0;
    std::uint32_t disposition = 0;
    EXPECT_EQ(registry.CreateKeyEx(Hive::LocalMachine, path, 0, RegAccess::SpecificRights, key,
                                   disposition),
              RegStatus::Success);
    return key;
  }

  // The value's bytes by the two-step read, or nullopt with the failing status in `status`.
  std::optional<std::string> Query(RegistryFile& registry, RegHandle key, std::string_view name,
                                   std::uint32_t* type = nullptr) {
    std::uint32_t storedType = 0;
    std::uint32_t size = 0;
    if (registry.QueryValueEx(key, name, storedType, nullptr, size) != RegStatus::Success) {
      return std::nullopt;
    }
    std::string data(size, '\0');
    std::uint8_t spare = 0;
    auto* buffer = size == 0 ? &spare : reinterpret_cast<std::uint8_t*>(data.data());
    if (registry.QueryValueEx(key, name, storedType, buffer, size) != RegStatus::Success) {
      return std::nullopt;
    }
    if (type != nullptr) *type = storedType;
    return data.substr(0, size);
  }

  TempFolder folder_;
};

TEST_F(RegistryFileTest, CreateMakesThePrivateFolderAndFileWithEveryKeyAbove) {
  RegistryFile registry(FilePath());
  RegHandle key = 0;
  std::uint32_t disposition = 0;
  ASSERT_EQ(registry.CreateKeyEx(Hive::LocalMachine, kKey, 0, RegAccess::SpecificRights, key,
                                 disposition),
            RegStatus::Success);
  EXPECT_EQ(disposition, RegDisposition::CreatedNewKey);
  EXPECT_NE(key, 0u);
  EXPECT_EQ(registry.CloseKey(key), RegStatus::Success);

  struct stat info {};
  ASSERT_EQ(::stat((folder_.Path() + "/config/quillbit").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  ASSERT_EQ(::stat(FilePath().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  const RegistryDocument document = ParseRegistryText(ReadWholeFile(FilePath()));
  EXPECT_NE(document.Find("HKEY_LOCAL_MACHINE\\SOFTWARE\\Tormelund"), nullptr);
  EXPECT_NE(document.Find("HKEY_LOCAL_MACHINE\\SOFTWARE\\Tormelund\\Quillbit"), nullptr);

  ASSERT_EQ(registry.CreateKeyEx(Hive::LocalMachine, kKey, 0, RegAccess::SpecificRights, key,
                                 disposition),
            RegStatus::Success);
  EXPECT_EQ(disposition, RegDisposition::OpenedExistingKey);
}

TEST_F(RegistryFileTest, OpeningAKeyThatIsNotThereFailsAndLeavesTheHandle) {
  RegistryFile registry(FilePath());
  RegHandle key = 0;
  EXPECT_EQ(registry.OpenKeyEx(Hive::LocalMachine, kKey, 0, RegAccess::SpecificRights, key),
            RegStatus::FileNotFound);
  EXPECT_EQ(key, 0u);
  EXPECT_FALSE(std::filesystem::exists(FilePath())) << "a read never creates the file";
  Create(registry);
  EXPECT_EQ(registry.OpenKeyEx(Hive::LocalMachine, "software\\TORMELUND\\quillbit", 0,
                               RegAccess::SpecificAndRead, key),
            RegStatus::Success);
  EXPECT_NE(key, 0u);
}

TEST_F(RegistryFileTest, ValuesOfEveryTypeReadBackFromAnotherInstance) {
  {
    RegistryFile writer(FilePath());
    const RegHandle key = Create(writer);
    ASSERT_EQ(writer.SetValueEx(key, "text", RegType::Text, Bytes("ch"), 2), RegStatus::Success);
    ASSERT_EQ(writer.SetValueEx(key, "empty", RegType::Text, nullptr, 0), RegStatus::Success);
    ASSERT_EQ(writer.SetValueEx(key, "number", RegType::Dword, Bytes("\x05\0\0\0"), 4),
              RegStatus::Success);
    ASSERT_EQ(writer.SetValueEx(key, "binary", 3, Bytes("\0\1"), 2), RegStatus::Success);
    ASSERT_EQ(writer.SetValueEx(key, "odd", 0x12345678, Bytes("x"), 1), RegStatus::Success);
    ASSERT_EQ(writer.SetValueEx(key, "text", RegType::Text, Bytes("un"), 2), RegStatus::Success);
  }
  RegistryFile reader(FilePath());
  RegHandle key = 0;
  ASSERT_EQ(reader.OpenKeyEx(Hive::LocalMachine, kKey, 0, RegAccess::SpecificRights, key),
            RegStatus::Success);
  const struct {
    std::string_view name;
    std::uint32_t type;
    std::string data;
  } expected[] = {{"text", RegType::Text, "un"},
                  {"EMPTY", RegType::Text, ""},
                  {"number", RegType::Dword, std::string("\x05\0\0\0", 4)},
                  {"binary", 3, std::string("\0\1", 2)},
                  {"odd", 0x12345678, "x"}};
  for (const auto& value : expected) {
    std::uint32_t type = 0;
    EXPECT_EQ(Query(reader, key, value.name, &type), value.data) << value.name;
    EXPECT_EQ(type, value.type) << value.name;
  }
  EXPECT_EQ(Query(reader, key, "never written"), std::nullopt);
}

TEST_F(RegistryFileTest, ASmallBufferGetsMoreDataAndTheSizeNeeded) {
  RegistryFile registry(FilePath());
  const RegHandle key = Create(registry);
  ASSERT_EQ(registry.SetValueEx(key, "v", RegType::Text, Bytes("12345"), 5), RegStatus::Success);
  std::uint8_t buffer[4] = {};
  std::uint32_t type = 0;
  std::uint32_t size = sizeof buffer;
  EXPECT_EQ(registry.QueryValueEx(key, "v", type, buffer, size), RegStatus::MoreData);
  EXPECT_EQ(size, 5u);
}

TEST_F(RegistryFileTest, HandlesThatAreNotOpenAreRefused) {
  RegistryFile registry(FilePath());
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  EXPECT_EQ(registry.SetValueEx(0, "v", RegType::Text, Bytes("x"), 1), RegStatus::InvalidHandle);
  EXPECT_EQ(registry.QueryValueEx(0, "v", type, nullptr, size), RegStatus::InvalidHandle);
  EXPECT_EQ(registry.CloseKey(0), RegStatus::InvalidHandle);
  const RegHandle key = Create(registry);
  EXPECT_EQ(registry.CloseKey(key), RegStatus::Success);
  EXPECT_EQ(registry.CloseKey(key), RegStatus::InvalidHandle);
  EXPECT_EQ(registry.SetValueEx(key, "v", RegType::Text, Bytes("x"), 1), RegStatus::InvalidHandle);
  RegHandle sub = 0;
  std::uint32_t disposition = 0;
  EXPECT_EQ(registry.CreateKeyEx(0x1234, "x", 0, 0, sub, disposition), RegStatus::InvalidHandle);
  EXPECT_EQ(registry.CreateKeyEx(Hive::Users, "bad\nname", 0, 0, sub, disposition),
            RegStatus::InvalidParameter);
}

TEST_F(RegistryFileTest, SubkeysOpenBelowAnOpenKey) {
  RegistryFile registry(FilePath());
  const RegHandle parent = Create(registry, "SOFTWARE\\Tormelund");
  RegHandle child = 0;
  std::uint32_t disposition = 0;
  ASSERT_EQ(
      registry.CreateKeyEx(parent, "Quillbit\\", 0, RegAccess::SpecificRights, child, disposition),
      RegStatus::Success);
  ASSERT_EQ(registry.SetValueEx(child, "v", RegType::Text, Bytes("x"), 1), RegStatus::Success);
  RegHandle again = 0;
  ASSERT_EQ(registry.OpenKeyEx(Hive::LocalMachine, kKey, 0, RegAccess::SpecificRights, again),
            RegStatus::Success);
  EXPECT_EQ(Query(registry, again, "v"), "x");
}

TEST_F(RegistryFileTest, EachChangeReplacesTheFileAndLeavesNoTemporaryBehind) {
  RegistryFile registry(FilePath());
  const RegHandle key = Create(registry);
  ino_t before = 0;
  struct stat info {};
  ASSERT_EQ(::stat(FilePath().c_str(), &info), 0);
  before = info.st_ino;
  ASSERT_EQ(registry.SetValueEx(key, "v", RegType::Text, Bytes("x"), 1), RegStatus::Success);
  ASSERT_EQ(::stat(FilePath().c_str(), &info), 0);
  EXPECT_NE(info.st_ino, before) << "written in place instead of renamed over";
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  std::vector<std::string> names;
  for (const auto& entry :
       std::filesystem::directory_iterator(folder_.Path() + "/config/quillbit")) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
}

TEST_F(RegistryFileTest, AValueDroppedByAnotherProgramComesBackWithItsKey) {
  RegistryFile registry(FilePath());
  const RegHandle key = Create(registry);
  WriteWholeFile(FilePath(), "REGEDIT4\n\n");
  ASSERT_EQ(registry.SetValueEx(key, "v", RegType::Text, Bytes("x"), 1), RegStatus::Success);
  EXPECT_EQ(Query(registry, key, "v"), "x");
}

TEST_F(RegistryFileTest, ACorruptFileReadsAsWhatCanBeUnderstood) {
  std::filesystem::create_directories(folder_.Path() + "/config/quillbit");
  using namespace std::string_literals;
  WriteWholeFile(FilePath(),
                 "\0\xff garbage\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tormelund\\Quillbit]\n"
                 "\"a\"=\"1\"\n\"b\"=\"2\0\n\"c\"=dword:zz\n"s);
  RegistryFile registry(FilePath());
  RegHandle key = 0;
  ASSERT_EQ(registry.OpenKeyEx(Hive::LocalMachine, kKey, 0, RegAccess::SpecificRights, key),
            RegStatus::Success);
  EXPECT_EQ(Query(registry, key, "a"), "1");
  EXPECT_EQ(Query(registry, key, "b"), std::nullopt);
  EXPECT_EQ(Query(registry, key, "c"), std::nullopt);
}

// The bytes of `text` as the registry editor exports it: UTF-16 with a byte-order mark.
std::string Utf16Export(std::string_view ascii, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char c : ascii) {
    bytes += bigEndian ? '\0' : c;
    bytes += bigEndian ? c : '\0';
  }
  return bytes;
}

struct KeptFile {
  const char* label;
  std::string before;  // the file a person left
  bool kept;           // whether the first write keeps it aside
  const char* frames;  // what "txtFrames" reads before the write; nullptr for missing
};

class RegistryFileKeeps : public testing::TestWithParam<KeptFile> {
 protected:
  std::string FilePath() const { return folder_.File("registry.reg"); }
  TempFolder folder_;
};

TEST_P(RegistryFileKeeps, WhatItCouldNotUnderstandBeforeTheFirstWrite) {
  const KeptFile& file = GetParam();
  WriteWholeFile(FilePath(), file.before);
  RegistryFile registry(FilePath());
  RegHandle key = 0;
  std::uint32_t disposition = 0;
  ASSERT_EQ(registry.CreateKeyEx(Hive::LocalMachine, kKey, 0, RegAccess::SpecificRights, key,
                                 disposition),
            RegStatus::Success);
  std::uint32_t type = 0;
  std::uint32_t size = 64;
  std::string frames(64, '\0');
  const long read = registry.QueryValueEx(key, "txtFrames", type,
                                          reinterpret_cast<std::uint8_t*>(frames.data()), size);
  if (file.frames == nullptr) {
    EXPECT_NE(read, RegStatus::Success);
  } else {
    ASSERT_EQ(read, RegStatus::Success);
    EXPECT_EQ(frames.substr(0, size), file.frames);
  }

  ASSERT_EQ(registry.SetValueEx(key, "chkFF", RegType::Text, Bytes("ch"), 2), RegStatus::Success);
  ASSERT_EQ(std::filesystem::exists(registry.BackupPath()), file.kept);
  if (file.kept) {
    EXPECT_EQ(ReadWholeFile(registry.BackupPath()), file.before);
  }
  const RegistryDocument after = ParseRegistryText(ReadWholeFile(FilePath()));
  EXPECT_FALSE(after.partlyRead) << ReadWholeFile(FilePath());
  ASSERT_NE(after.Find("HKEY_LOCAL_MACHINE\\SOFTWARE\\Tormelund\\Quillbit"), nullptr);

  // An older copy still there is never replaced, whatever the file holds by then: the new
  // version is kept beside it.
  WriteWholeFile(FilePath(), "damaged again\n");
  WriteWholeFile(registry.BackupPath(), "older copy");
  ASSERT_EQ(registry.SetValueEx(key, "chkFF", RegType::Text, Bytes("un"), 2), RegStatus::Success);
  EXPECT_EQ(ReadWholeFile(registry.BackupPath()), "older copy");
  EXPECT_EQ(ReadWholeFile(registry.BackupPath(1)), "damaged again\n");
  registry.CloseKey(key);
}

constexpr char kExport[] =
    "Windows Registry Editor Version 5.00\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\r\n"
    "\"PATH\"=\"C:\\\\Program Files\\\\msinfo32.exe\"\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tormelund\\Quillbit]\r\n"
    "\"txtFrames\"=\"90000\"\r\n\"n\"=dword:0000002a\r\n"
    "\"x\"=hex(2):25,00,50,00,41,00,\\\r\n  54,00,48,00,00,00\r\n\r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, RegistryFileKeeps,
    testing::Values(KeptFile{"CleanFileIsSimplyReplaced",
                             "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tormelund\\Quillbit]\n"
                             "\"txtFrames\"=\"1\"\n",
                             false, "1"},
                    KeptFile{"EmptyFileIsAFirstRun", "", false, nullptr},
                    KeptFile{"Utf16LittleEndianExport", Utf16Export(kExport, false), true, "90000"},
                    KeptFile{"Utf16BigEndianExport", Utf16Export(kExport, true), true, "90000"},
                    KeptFile{"DamagedLineAmongGoodOnes",
                             "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tormelund\\Quillbit]\n"
                             "\"txtFrames\"=\"7\"\n\"half=\n",
                             true, "7"},
                    KeptFile{"Comment", "REGEDIT4\n; the tool I use\n", true, nullptr},
                    KeptFile{"NoKeyAtAll", "some notes of mine\n", true, nullptr},
                    KeptFile{"Utf16ThatIsNot", std::string("\xFF\xFE\x00\xD8zz", 6), true,
                             nullptr}),
    [](const testing::TestParamInfo<KeptFile>& param) { return param.param.label; });

TEST(RegistryFileExport, EveryKeyOfAnExportSurvivesTheRewrite) {
  TempFolder folder;
  const std::string path = folder.File("registry.reg");
  WriteWholeFile(path, Utf16Export(kExport, false));
  RegistryFile registry(path);
  RegHandle key = 0;
  std::uint32_t disposition = 0;
  ASSERT_EQ(registry.CreateKeyEx(Hive::LocalMachine, "SOFTWARE\\Other", 0,
                                 RegAccess::SpecificRights, key, disposition),
            RegStatus::Success);
  registry.CloseKey(key);
  const RegistryDocument before = ParseRegistryText(ReadWholeFile(path + ".bak"));
  const RegistryDocument after = ParseRegistryText(ReadWholeFile(path));
  for (const RegistryKey& kept : before.keys) {
    const RegistryKey* now = after.Find(kept.path);
    ASSERT_NE(now, nullptr) << kept.path;
    ASSERT_EQ(now->values.size(), kept.values.size()) << kept.path;
    for (const RegistryValue& value : kept.values) {
      const RegistryValue* same = now->Find(value.name);
      ASSERT_NE(same, nullptr) << value.name;
      EXPECT_EQ(same->type, value.type);
      EXPECT_EQ(same->data, value.data);
    }
  }
  const RegistryValue* tool =
      after.Find("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO")->Find("PATH");
  EXPECT_EQ(tool->data, "C:\\Program Files\\msinfo32.exe");
}

TEST_F(RegistryFileTest, AFolderInPlaceOfTheFileIsNeitherReadNorReplaced) {
  std::filesystem::create_directories(FilePath());
  RegistryFile registry(FilePath());
  RegHandle key = 0;
  std::uint32_t disposition = 0;
  EXPECT_NE(registry.OpenKeyEx(Hive::LocalMachine, kKey, 0, RegAccess::SpecificRights, key),
            RegStatus::Success);
  EXPECT_NE(registry.CreateKeyEx(Hive::LocalMachine, kKey, 0, RegAccess::SpecificRights, key,
                                 disposition),
            RegStatus::Success);
  EXPECT_TRUE(std::filesystem::is_directory(FilePath()));
}

TEST_F(RegistryFileTest, AFileThatCannotBeReadIsNeverOverwritten) {
  AsOrdinaryUser(folder_.Path(), [this] {
    RegistryFile registry(FilePath());
    const RegHandle key = Create(registry);
    ASSERT_EQ(registry.SetValueEx(key, "keep", RegType::Text, Bytes("me"), 2), RegStatus::Success);
    const std::string before = ReadWholeFile(FilePath());
    ::chmod(FilePath().c_str(), 0);
    EXPECT_NE(registry.SetValueEx(key, "v", RegType::Text, Bytes("x"), 1), RegStatus::Success);
    ::chmod(FilePath().c_str(), 0600);
    EXPECT_EQ(ReadWholeFile(FilePath()), before);
  });
}

TEST_F(RegistryFileTest, AFolderThatCannotBeWrittenLosesWritesButStillReads) {
  RegistryFile registry(FilePath());
  const RegHandle key = Create(registry);
  ASSERT_EQ(registry.SetValueEx(key, "keep", RegType::Text, Bytes("me"), 2), RegStatus::Success);
  // A file standing where the temporary must go fails the write for root as well.
  std::filesystem::create_directories(FilePath() + ".new/blocker");
  EXPECT_NE(registry.SetValueEx(key, "v", RegType::Text, Bytes("x"), 1), RegStatus::Success);
  EXPECT_EQ(Query(registry, key, "keep"), "me");
  EXPECT_EQ(Query(registry, key, "v"), std::nullopt);
  // The same value again needs no write, so it succeeds.
  EXPECT_EQ(registry.SetValueEx(key, "keep", RegType::Text, Bytes("me"), 2), RegStatus::Success);
}

TEST_F(RegistryFileTest, AReadOnlyFolderLosesWritesSilently) {
  AsOrdinaryUser(folder_.Path(), [this] {
    RegistryFile registry(FilePath());
    const RegHandle key = Create(registry);
    ASSERT_EQ(registry.SetValueEx(key, "keep", RegType::Text, Bytes("me"), 2), RegStatus::Success);
    const std::string folder = folder_.Path() + "/config/quillbit";
    ::chmod(folder.c_str(), 0500);
    EXPECT_NE(registry.SetValueEx(key, "v", RegType::Text, Bytes("x"), 1), RegStatus::Success);
    EXPECT_EQ(Query(registry, key, "keep"), "me");
    ::chmod(folder.c_str(), 0700);
  });
}

TEST_F(RegistryFileTest, NoPathMeansNothingIsStored) {
  RegistryFile registry("");
  RegHandle key = 0;
  std::uint32_t disposition = 0;
  EXPECT_NE(registry.CreateKeyEx(Hive::LocalMachine, kKey, 0, RegAccess::SpecificRights, key,
                                 disposition),
            RegStatus::Success);
  EXPECT_NE(registry.OpenKeyEx(Hive::LocalMachine, kKey, 0, RegAccess::SpecificRights, key),
            RegStatus::Success);
}

}  // namespace
}  // namespace quillbit
