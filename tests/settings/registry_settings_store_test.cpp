#include "settings/registry_settings_store.h"

#include <gtest/gtest.h>

#include "settings/registry_file.h"
#include "settings/registry_text.h"
#include "tests/support/temp_folder.h"

namespace quillbit {
namespace {

TEST(RegistrySettingsStore, KeepsTheMainWindowValuesInItsKey) {
  TempFolder folder;
  RegistryFile registry(folder.File("registry.reg"));
  RegistrySettingsStore store(registry);
  EXPECT_TRUE(store.Read("txtFrames").IsMissing()) << "first run";
  store.Write("txtFrames", "lost");
  EXPECT_TRUE(store.Read("txtFrames").IsMissing()) << "written before the key exists";
  store.CreateKey();
  store.Write("txtFrames", "140000");
  store.Write("bytes_sub", "104857.6");
  EXPECT_EQ(store.Read("txtFrames"), SettingValue::Text("140000"));
  EXPECT_EQ(store.Read("bytes_sub"), SettingValue::Text("104857.6"));

  const RegistryDocument document = ParseRegistryText(ReadWholeFile(registry.Path()));
  const RegistryKey* key = document.Find("HKEY_LOCAL_MACHINE\\SOFTWARE\\Tormelund\\Quillbit");
  ASSERT_NE(key, nullptr);
  ASSERT_NE(key->Find("txtFrames"), nullptr);
  EXPECT_EQ(key->Find("txtFrames")->type, RegType::Text);
}

}  // namespace
}  // namespace quillbit
