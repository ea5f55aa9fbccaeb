// Several programs and sudden deaths against one registry file: it must always parse whole.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "core/stored_settings.h"
#include "settings/registry_file.h"
#include "settings/registry_settings_store.h"
#include "settings/registry_text.h"
#include "tests/support/temp_folder.h"

namespace quillbit {
namespace {

const std::string kKeyPath = "HKEY_LOCAL_MACHINE\\" + std::string(kSettingsKeyPath);

// One save on close: the key, then the seventeen values in their order.
void SaveAll(RegistrySettingsStore& store, const std::string& text) {
  store.CreateKey();
  for (const StoredSetting& setting : kStoredSettings) store.Write(setting.name, text);
}

// Runs `body` in a child process that never returns into the test.
template <typename Body>
pid_t Spawn(Body body) {
  const pid_t child = ::fork();
  if (child == 0) {
    body();
    ::_exit(0);
  }
  return child;
}

// The file as it stands must be one we wrote whole; returns its values by name.
std::map<std::string, std::string> ReadWhole(const std::string& path, bool& whole) {
  const std::string text = ReadWholeFile(path);
  const RegistryDocument document = ParseRegistryText(text);
  whole = FormatRegistryText(document) == text;
  std::map<std::string, std::string> values;
  if (const RegistryKey* key = document.Find(kKeyPath)) {
    for (const RegistryValue& value : key->values) values[value.name] = value.data;
  }
  return values;
}

TEST(RegistryFileProcesses, AKillAtAnyMomentLeavesTheOldOrTheNewValues) {
  TempFolder folder;
  const std::string path = folder.File("quillbit/registry.reg");
  {
    RegistryFile registry(path);
    RegistrySettingsStore store(registry);
    SaveAll(store, "start");
  }
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int> delayMicros(0, 4000);
  bool whole = false;
  std::map<std::string, std::string> before = ReadWhole(path, whole);
  for (int round = 0; round < 200; ++round) {
    const std::string prefix = "r" + std::to_string(round) + "-";
    const pid_t child = Spawn([&] {
      RegistryFile registry(path);
      RegistrySettingsStore store(registry);
      for (int save = 0;; ++save) SaveAll(store, prefix + std::to_string(save));
    });
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicros(random)));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);

    const std::map<std::string, std::string> after = ReadWhole(path, whole);
    ASSERT_TRUE(whole) << "torn file after kill " << round << ":\n" << ReadWholeFile(path);
    ASSERT_EQ(after.size(), kStoredSettingCount) << "round " << round;
    for (const auto& [name, text] : after) {
      ASSERT_TRUE(text == before[name] || text.rfind(prefix, 0) == 0)
          << name << " = " << text << " after kill " << round;
    }
    before = after;
  }
}

TEST(RegistryFileProcesses, TwoProgramsSavingAtOnceLeaveAWholeFile) {
  TempFolder folder;
  const std::string path = folder.File("quillbit/registry.reg");
  const auto saver = [&](const std::string& who) {
    return Spawn([&path, who] {
      RegistryFile registry(path);
      RegistrySettingsStore store(registry);
      for (int save = 0; save < 200; ++save) SaveAll(store, who + std::to_string(save));
    });
  };
  const pid_t first = saver("A");
  const pid_t second = saver("B");

  int running = 2;
  int checks = 0;
  while (running > 0) {
    for (pid_t* child : {const_cast<pid_t*>(&first), const_cast<pid_t*>(&second)}) {
      if (*child <= 0) continue;
      int status = 0;
      if (::waitpid(*child, &status, WNOHANG) == *child) {
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        *child = -1;
        --running;
      }
    }
    // The file, once there, is never removed: so it is read only after it is seen.
    if (::access(path.c_str(), F_OK) == 0) {
      bool whole = false;
      ReadWhole(path, whole);
      ASSERT_TRUE(whole) << "torn file while saving:\n" << ReadWholeFile(path);
      ++checks;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_GT(checks, 0);

  bool whole = false;
  const std::map<std::string, std::string> last = ReadWhole(path, whole);
  EXPECT_TRUE(whole);
  ASSERT_EQ(last.size(), kStoredSettingCount);
  for (const auto& [name, text] : last) {
    EXPECT_TRUE(text == "A199" || text == "B199") << name << " = " << text;
  }
}

}  // namespace
}  // namespace quillbit
