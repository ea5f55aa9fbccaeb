#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillbit::scenario {

// A key a scenario can name, and the virtual-key code a Windows program sees for it (the code
// the window models take in their key events).
struct KeyName {
  std::string name;
  int virtualKey = 0;
};

// The keys of a PC keyboard by the names scenarios give them ("Left", "Return", "A", "F5",
// "Delete", "Semicolon"): letters, digits, F1 to F24, and the keys with names of their own.
// Every front end accepts at least these; one may accept more names of its toolkit.
std::vector<KeyName> KeyNames();

// The virtual-key code of a named key; none when the name is not one of KeyNames().
std::optional<int> VirtualKeyByName(std::string_view name);

}  // namespace quillbit::scenario
