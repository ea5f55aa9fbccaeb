// Built for Windows only: the port over the platform's registry, in a private corner of it.
#include "settings/windows_registry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "core/utf16_text.h"
#include "settings/mdl_registry.h"
#include "settings/registry_settings_store.h"

namespace quillbit {
namespace {

// Both hives the settings touch are mapped, for this process only, onto fresh keys of a test
// tree, which is removed afterwards: the person's own registry is never touched.
class WindowsRegistryTest : public testing::Test {
 protected:
  void SetUp() override {
    tree_ = L"Software\\Quillbit tests\\" + std::to_wstring(::GetCurrentProcessId());
    ::RegDeleteTreeW(HKEY_CURRENT_USER, tree_.c_str());
    Override(HKEY_CURRENT_USER, L"\\user", user_);
    Override(HKEY_LOCAL_MACHINE, L"\\machine", machine_);
  }
  void TearDown() override {
    ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    ::RegCloseKey(user_);
    ::RegCloseKey(machine_);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, tree_.c_str());
  }

  void Override(HKEY hive, const wchar_t* leaf, HKEY& key) {
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, (tree_ + leaf).c_str(), 0, nullptr, 0,
                                KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(::RegOverridePredefKey(hive, key), ERROR_SUCCESS);
  }

  // A value as another program leaves it, with the platform's own call.
  static void Leave(HKEY root, const std::wstring& path, const wchar_t* name, DWORD type,
                    const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
    ::RegCloseKey(key);
  }

  static bool Exists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
  }

  SettingValue Read(std::string_view name) {
    return mdlRegistry::ReadRegSetting(registry_, kSettingsHive, kSettingsKeyPath, name);
  }

  std::wstring tree_;
  HKEY user_ = nullptr;
  HKEY machine_ = nullptr;
  WindowsRegistry registry_{{std::string(kSettingsKeyPath)}};
  RegistrySettingsStore store_{registry_};
};

const std::wstring kSettings = WideText(kSettingsKeyPath);

TEST_F(WindowsRegistryTest, TextsRoundTripExactlyInTheUsersOwnKey) {
  store_.CreateKey();
  const std::string texts[] = {"",
                               "ch",
                               "Größe 12 345,6",
                               "日本語 €",
                               std::string("a\0b", 3),
                               "\"\\",
                               std::string(10000, '9')};
  for (const std::string& text : texts) {
    store_.Write("txtFrames", text);
    EXPECT_EQ(store_.Read("txtFrames"), SettingValue::Text(text)) << text.size();
  }
  EXPECT_TRUE(Exists(HKEY_CURRENT_USER, kSettings));
  EXPECT_FALSE(Exists(HKEY_LOCAL_MACHINE, kSettings));

  store_.Write("chkFF", "ch");
  HKEY key = nullptr;
  ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, kSettings.c_str(), 0, KEY_READ, &key),
            ERROR_SUCCESS);
  DWORD type = 0;
  wchar_t data[8] = {};
  DWORD size = sizeof data;
  EXPECT_EQ(::RegQueryValueExW(key, L"chkFF", nullptr, &type, reinterpret_cast<BYTE*>(data), &size),
            ERROR_SUCCESS);
  ::RegCloseKey(key);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, 2 * sizeof(wchar_t)) << "two characters, no terminating NUL";
  EXPECT_EQ(std::wstring(data, 2), L"ch");
}

TEST_F(WindowsRegistryTest, ValuesOfOtherWritersAndTheKeysValueNames) {
  const DWORD five = 5;
  Leave(HKEY_CURRENT_USER, kSettings, L"dword", REG_DWORD, &five, sizeof five);
  Leave(HKEY_CURRENT_USER, kSettings, L"nul", REG_SZ, L"ch", 3 * sizeof(wchar_t));
  Leave(HKEY_CURRENT_USER, kSettings, L"binary", REG_BINARY, "ch", 2);
  EXPECT_EQ(Read("dword"), SettingValue::Integer(5));
  EXPECT_EQ(Read("nul"), SettingValue::Text(std::string("ch\0", 3)));
  EXPECT_EQ(Read("binary"), SettingValue::Missing());
  EXPECT_EQ(Read("never written"), SettingValue::Missing());
  // The registry keeps no order of its own among a key's values.
  std::vector<std::string> names =
      mdlRegistry::ReadRegValueNames(registry_, kSettingsHive, kSettingsKeyPath);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"binary", "dword", "nul"}));
}

TEST_F(WindowsRegistryTest, AMissingKeyReadsMissingAndLosesWrites) {
  store_.Write("txtFrames", "100");
  EXPECT_EQ(Read("txtFrames"), SettingValue::Missing());
  EXPECT_FALSE(Exists(HKEY_CURRENT_USER, kSettings));
}

struct EarlierCopy {
  const char* label;
  HKEY root;
  std::wstring path;
};

class WindowsRegistryEarlier : public WindowsRegistryTest,
                               public testing::WithParamInterface<EarlierCopy> {};

void PrintTo(const EarlierCopy& copy, std::ostream* os) {
  *os << copy.label;
}

TEST_P(WindowsRegistryEarlier, IsReadUntilTheUsersOwnKeyIsWritten) {
  // Five characters, with no NUL after them that the write could take in.
  const wchar_t frames[] = L"90000x";
  Leave(GetParam().root, GetParam().path, L"txtFrames", REG_SZ, frames, 5 * sizeof(wchar_t));
  EXPECT_EQ(Read("txtFrames"), SettingValue::Text("90000"));
  store_.CreateKey();
  store_.Write("chkFF", "un");
  EXPECT_EQ(Read("txtFrames"), SettingValue::Missing()) << "the user's own key wins once there";
  EXPECT_EQ(Read("chkFF"), SettingValue::Text("un"));
}

INSTANTIATE_TEST_SUITE_P(
    Places, WindowsRegistryEarlier,
    testing::Values(
        EarlierCopy{"VirtualStoreOfA32BitProgram", HKEY_CURRENT_USER,
                    L"Software\\Classes\\VirtualStore\\MACHINE\\SOFTWARE\\WOW6432Node\\Tormelund\\"
                    L"Quillbit"},
        EarlierCopy{"VirtualStore", HKEY_CURRENT_USER,
                    L"Software\\Classes\\VirtualStore\\MACHINE\\" + kSettings},
        EarlierCopy{"MachineWide", HKEY_LOCAL_MACHINE, kSettings}),
    [](const testing::TestParamInfo<EarlierCopy>& param) { return param.param.label; });

}  // namespace
}  // namespace quillbit
