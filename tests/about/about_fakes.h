#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "about/frm_about.h"
#include "core/ports.h"
#include "settings/registry_port.h"
#include "tests/support/port_fakes.h"

namespace quillbit::testing_support {

// The registry as a map of keys, each with its values and the access a caller is granted.
// It logs every call, tracks open handles and can be told to fail.
class FakeRegistry : public RegistryPort {
 public:
  struct Value {
    std::uint32_t type = RegType::Text;
    std::string bytes;
  };
  struct Key {
    std::map<std::string, Value, std::less<>> values;
    std::uint32_t granted = 0xF003F;  // everything
  };

  Key& AddKey(RegHandle hive, std::string_view path) { return keys_[{hive, std::string(path)}]; }
  void SetText(RegHandle hive, std::string_view path, std::string_view name, std::string_view text,
               bool withNul = true) {
    std::string bytes(text);
    if (withNul) bytes.push_back('\0');
    SetRaw(hive, path, name, RegType::Text, std::move(bytes));
  }
  void SetRaw(RegHandle hive, std::string_view path, std::string_view name, std::uint32_t type,
              std::string bytes) {
    AddKey(hive, path).values[std::string(name)] = {type, std::move(bytes)};
  }
  void SetDword(RegHandle hive, std::string_view path, std::string_view name,
                std::uint32_t number) {
    const auto packed = DwordBytes(number);
    SetRaw(hive, path, name, RegType::Dword, std::string(packed.begin(), packed.end()));
  }

  long CreateKeyEx(RegHandle, std::string_view path, std::uint32_t, std::uint32_t, RegHandle&,
                   std::uint32_t&) override {
    log.push_back("create " + std::string(path));
    return RegStatus::AccessDenied;
  }
  long OpenKeyEx(RegHandle hive, std::string_view path, std::uint32_t options, std::uint32_t access,
                 RegHandle& key) override {
    opens.push_back({std::string(path), access});
    log.push_back("open " + std::string(path));
    if (options != 0) return RegStatus::InvalidHandle;
    const auto it = keys_.find({hive, std::string(path)});
    if (it == keys_.end()) return RegStatus::FileNotFound;
    if ((access & ~it->second.granted) != 0) return RegStatus::AccessDenied;
    key = nextHandle_++;
    open_[key] = &it->second;
    return RegStatus::Success;
  }
  long SetValueEx(RegHandle key, std::string_view name, std::uint32_t type,
                  const std::uint8_t* data, std::uint32_t size) override {
    const auto it = open_.find(key);
    if (it == open_.end()) return RegStatus::InvalidHandle;
    it->second->values[std::string(name)] = {
        type, std::string(reinterpret_cast<const char*>(data), size)};
    return RegStatus::Success;
  }
  long QueryValueEx(RegHandle key, std::string_view name, std::uint32_t& type, std::uint8_t* data,
                    std::uint32_t& size) override {
    log.push_back("query " + std::string(name));
    capacities.push_back(size);
    if (queryStatus != RegStatus::Success) return queryStatus;
    const auto it = open_.find(key);
    if (it == open_.end()) return RegStatus::InvalidHandle;
    const auto value = it->second->values.find(name);
    if (value == it->second->values.end()) return RegStatus::FileNotFound;
    const std::string& bytes = value->second.bytes;
    type = value->second.type;
    const auto length = static_cast<std::uint32_t>(bytes.size());
    if (data != nullptr) {
      if (length > size) {
        size = length;
        return RegStatus::MoreData;
      }
      std::copy(bytes.begin(), bytes.end(), data);
    }
    size = reportedSize.value_or(length);
    return RegStatus::Success;
  }
  long EnumValue(RegHandle key, std::uint32_t index, std::string& name) override {
    const auto it = open_.find(key);
    if (it == open_.end()) return RegStatus::InvalidHandle;
    if (index >= it->second->values.size()) return RegStatus::NoMoreItems;
    name = std::next(it->second->values.begin(), index)->first;
    return RegStatus::Success;
  }
  long CloseKey(RegHandle key) override {
    log.push_back("close");
    return open_.erase(key) == 1 ? RegStatus::Success : RegStatus::InvalidHandle;
  }

  std::size_t OpenHandles() const { return open_.size(); }

  struct Open {
    std::string path;
    std::uint32_t access;
  };
  std::vector<Open> opens;
  std::vector<std::uint32_t> capacities;  // the buffer size each query offered
  std::vector<std::string> log;
  long queryStatus = RegStatus::Success;      // a forced failure of every query
  std::optional<std::uint32_t> reportedSize;  // a size reported in place of the true one

 private:
  std::map<std::pair<RegHandle, std::string>, Key> keys_;
  std::map<RegHandle, Key*> open_;
  RegHandle nextHandle_ = 0x100;
};

// Normal files and directories by path; like the real check, a directory is no file.
class FakeFiles : public FileExistsPort {
 public:
  bool FileExists(std::string_view path) const override {
    checked.emplace_back(path);
    return files.contains(std::string(path));
  }
  std::set<std::string, std::less<>> files;
  std::set<std::string, std::less<>> directories;
  mutable std::vector<std::string> checked;
};

// Starts only the programs it knows, by exact path; every attempt is recorded.
class FakePrograms : public StartProgramPort {
 public:
  bool Start(std::string_view path) override {
    started.emplace_back(path);
    return programs.contains(std::string(path));
  }
  std::set<std::string, std::less<>> programs;
  std::vector<std::string> started;
};

class RecordingOpener : public OpenTargetPort {
 public:
  bool Open(std::string_view target) override {
    targets.emplace_back(target);
    return result;
  }
  std::vector<std::string> targets;
  bool result = true;
};

class RecordingAboutHost : public AboutWindowHost {
 public:
  void WindowUnloaded() override {
    ++unloaded;
    if (onUnloaded) onUnloaded();
  }
  int unloaded = 0;
  std::function<void()> onUnloaded;
};

// Every port of the About window, faked.
struct AboutPorts {
  RecordingMessages messages;
  FixedScreen screen;
  RecordingOpener opener;
  FakeFiles files;
  FakePrograms programs;
  FakeRegistry registry;
  RecordingAboutHost host;

  FrmAboutPorts Ports() {
    return {.messages = messages,
            .screen = screen,
            .open = opener,
            .files = files,
            .programs = programs,
            .registry = registry,
            .host = host};
  }
  SysInfoPorts Launcher() {
    return {.registry = registry, .files = files, .programs = programs, .messages = messages};
  }
};

}  // namespace quillbit::testing_support
