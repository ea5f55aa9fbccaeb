#include "gui/memory_settings_store.h"

#include <gtest/gtest.h>

namespace quillbit {
namespace {

TEST(MemorySettingsStore, ReadsBackWhatWasWrittenAfterTheKeyExists) {
  MemorySettingsStore store;
  store.Write("txtFrames", "1");
  EXPECT_TRUE(store.Read("txtFrames").IsMissing());
  store.CreateKey();
  store.Write("txtFrames", "90000");
  store.Write("txtFrames", "1200");
  EXPECT_EQ(store.Read("txtFrames"), SettingValue::Text("1200"));
  EXPECT_TRUE(store.Read("chkFF").IsMissing());
}

}  // namespace
}  // namespace quillbit
