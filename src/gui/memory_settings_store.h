#pragma once

#include <map>
#include <string>

#include "core/setting_value.h"

namespace quillbit {

// Settings that live as long as the program: for a run without a settings file.
class MemorySettingsStore : public SettingsStore {
 public:
  void CreateKey() override { keyCreated_ = true; }
  void Write(std::string_view name, std::string_view text) override;
  SettingValue Read(std::string_view name) override;
  bool KeyCreated() const { return keyCreated_; }

 private:
  bool keyCreated_ = false;
  std::map<std::string, std::string, std::less<>> values_;
};

}  // namespace quillbit
