#include "settings/mdl_registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/registry_file.h"
#include "tests/support/temp_folder.h"

namespace quillbit {
namespace {

constexpr std::string_view kKey = "SOFTWARE\\Tormelund\\Quillbit";

// Passes every call on to a real registry file and notes it, so that the order of calls, the
// masks and the byte counts can be checked.
class RecordingRegistry : public RegistryPort {
 public:
  explicit RecordingRegistry(RegistryPort& inner) : inner_(inner) {}

  long CreateKeyEx(RegHandle hive, std::string_view path, std::uint32_t options,
                   std::uint32_t access, RegHandle& key, std::uint32_t& disposition) override {
    const long status = inner_.CreateKeyEx(hive, path, options, access, key, disposition);
    calls.push_back("create " + std::string(path) + " " + Hex(access) + Status(status));
    return status;
  }
  long OpenKeyEx(RegHandle hive, std::string_view path, std::uint32_t options, std::uint32_t access,
                 RegHandle& key) override {
    const long status = inner_.OpenKeyEx(hive, path, options, access, key);
    calls.push_back("open " + Hex(hive) + " " + Hex(access) + Status(status));
    return status;
  }
  long SetValueEx(RegHandle key, std::string_view name, std::uint32_t type,
                  const std::uint8_t* data, std::uint32_t size) override {
    const long status = inner_.SetValueEx(key, name, type, data, size);
    calls.push_back("set " + std::string(name) + " " + std::to_string(type) + " " +
                    std::to_string(size) + Status(status));
    return status;
  }
  long QueryValueEx(RegHandle key, std::string_view name, std::uint32_t& type, std::uint8_t* data,
                    std::uint32_t& size) override {
    const long status = inner_.QueryValueEx(key, name, type, data, size);
    calls.push_back(std::string(data == nullptr ? "size " : "data ") + std::string(name) +
                    Status(status));
    return status;
  }
  long EnumValue(RegHandle key, std::uint32_t index, std::string& name) override {
    return inner_.EnumValue(key, index, name);
  }
  long CloseKey(RegHandle key) override {
    const long status = inner_.CloseKey(key);
    calls.push_back(std::string("close") + (key == 0 ? " 0" : "") + Status(status));
    return status;
  }

  std::vector<std::string> calls;

 private:
  static std::string Hex(std::uintmax_t number) {
    char text[24];
    std::snprintf(text, sizeof text, "%#jx", number);
    return text;
  }
  static std::string Status(long status) {
    return status == RegStatus::Success ? "" : " -> " + std::to_string(status);
  }
  RegistryPort& inner_;
};

class MdlRegistryTest : public testing::Test {
 protected:
  SettingValue Read(std::string_view name) {
    return mdlRegistry::ReadRegSetting(registry_, Hive::LocalMachine, kKey, name);
  }
  void Write(std::string_view name, std::string_view value, std::uint32_t type = RegType::Text) {
    mdlRegistry::WriteRegSetting(registry_, Hive::LocalMachine, kKey, name, value, type);
  }
  // Stores bytes as another writer would, bypassing PutValue.
  void StoreRaw(std::string_view name, std::uint32_t type, std::string_view bytes) {
    RegHandle key = 0;
    std::uint32_t disposition = 0;
    file_.CreateKeyEx(Hive::LocalMachine, kKey, 0, RegAccess::SpecificRights, key, disposition);
    file_.SetValueEx(key, name, type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                     static_cast<std::uint32_t>(bytes.size()));
    file_.CloseKey(key);
  }

  TempFolder folder_;
  RegistryFile file_{folder_.File("registry.reg")};
  RecordingRegistry registry_{file_};
};

TEST_F(MdlRegistryTest, CreateOpensWithTheSixKeyRightsAndCloses) {
  mdlRegistry::CreateRegKey(registry_, Hive::LocalMachine, kKey);
  EXPECT_EQ(registry_.calls,
            (std::vector<std::string>{"create SOFTWARE\\Tormelund\\Quillbit 0x3f", "close"}));
}

TEST_F(MdlRegistryTest, TextsAreStoredWithoutATerminatingNul) {
  mdlRegistry::CreateRegKey(registry_, Hive::LocalMachine, kKey);
  registry_.calls.clear();
  Write("chkFF", "ch");
  EXPECT_EQ(registry_.calls,
            (std::vector<std::string>{"open 0x80000002 0x3f", "set chkFF 1 2", "close"}));
  registry_.calls.clear();
  EXPECT_EQ(Read("chkFF"), SettingValue::Text("ch"));
  EXPECT_EQ(registry_.calls, (std::vector<std::string>{"open 0x80000002 0x3f", "size chkFF",
                                                       "data chkFF", "close"}));
}

TEST_F(MdlRegistryTest, WhatIsReadBackIsExactlyWhatWasWritten) {
  mdlRegistry::CreateRegKey(registry_, Hive::LocalMachine, kKey);
  const std::string texts[] = {"",
                               "ch",
                               "104857.6",
                               "  blanks  ",
                               "\"\\]=\n\t",
                               "Größe",
                               std::string(10000, '9'),
                               std::string("a\0b", 3)};
  for (const std::string& text : texts) {
    Write("txtFrames", text);
    EXPECT_EQ(Read("txtFrames"), SettingValue::Text(text)) << text.size();
  }
}

TEST_F(MdlRegistryTest, ValuesOfOtherWriters) {
  StoreRaw("dword", RegType::Dword, std::string("\x05\0\0\0", 4));
  StoreRaw("negative", RegType::Dword, "\xfe\xff\xff\xff");
  StoreRaw("nul", RegType::Text, std::string("ch\0", 3));
  StoreRaw("binary", 3, "ch");
  StoreRaw("expand", 2, "ch");
  StoreRaw("long dword", RegType::Dword, "12345678");
  EXPECT_EQ(Read("dword"), SettingValue::Integer(5));
  EXPECT_EQ(Read("negative"), SettingValue::Integer(-2));
  EXPECT_EQ(Read("nul"), SettingValue::Text(std::string("ch\0", 3)));
  EXPECT_EQ(Read("binary"), SettingValue::Missing());
  EXPECT_EQ(Read("expand"), SettingValue::Missing());
  EXPECT_EQ(Read("long dword"), SettingValue::Missing());
}

TEST_F(MdlRegistryTest, AMissingKeyReadsMissingAndTakesNoWrite) {
  EXPECT_EQ(Read("txtFrames"), SettingValue::Missing());
  Write("txtFrames", "100");
  EXPECT_EQ(registry_.calls.back(), "close 0 -> 6");
  EXPECT_EQ(std::count(registry_.calls.begin(), registry_.calls.end(), "set txtFrames 1 3 -> 6"),
            1);
  mdlRegistry::CreateRegKey(registry_, Hive::LocalMachine, kKey);
  EXPECT_EQ(Read("txtFrames"), SettingValue::Missing()) << "the lost write came back";
  EXPECT_EQ(Read("never written"), SettingValue::Missing());
}

TEST_F(MdlRegistryTest, NumbersAreWrittenAsThirtyTwoBitValues) {
  mdlRegistry::CreateRegKey(registry_, Hive::LocalMachine, kKey);
  Write("n", "-7", RegType::Dword);
  Write("bad", "seven", RegType::Dword);
  EXPECT_EQ(Read("n"), SettingValue::Integer(-7));
  EXPECT_EQ(Read("bad"), SettingValue::Missing());
}

TEST_F(MdlRegistryTest, ValueNamesAreListedInTheKeysOrderOfAnyType) {
  const auto names = [this] {
    return mdlRegistry::ReadRegValueNames(registry_, Hive::LocalMachine, kKey);
  };
  EXPECT_TRUE(names().empty()) << "no key";
  mdlRegistry::CreateRegKey(registry_, Hive::LocalMachine, kKey);
  EXPECT_TRUE(names().empty()) << "no values";
  Write("txtFrames", "1");
  StoreRaw("binary", RegType::Binary, "ch");
  Write("chkFF", "ch");
  Write("txtFrames", "2");
  EXPECT_EQ(names(), (std::vector<std::string>{"txtFrames", "binary", "chkFF"}));
}

}  // namespace
}  // namespace quillbit
