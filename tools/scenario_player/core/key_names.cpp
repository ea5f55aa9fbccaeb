#include "scenario_player/core/key_names.h"

#include <algorithm>
#include <utility>

namespace quillbit::scenario {
namespace {

// Keys whose virtual-key code is not their own ASCII code; US layout punctuation, shifted or
// not, reports the key it is on.
constexpr std::pair<std::string_view, int> kOwnNames[] = {
    {"Backspace", 8},
    {"Tab", 9},
    {"Backtab", 9},
    {"Return", 13},
    {"Enter", 13},
    {"Shift", 16},
    {"Control", 17},
    {"Alt", 18},
    {"AltGr", 18},
    {"Pause", 19},
    {"CapsLock", 20},
    {"Escape", 27},
    {"Space", 32},
    {"PageUp", 33},
    {"PageDown", 34},
    {"End", 35},
    {"Home", 36},
    {"Left", 37},
    {"Up", 38},
    {"Right", 39},
    {"Down", 40},
    {"Print", 44},
    {"Insert", 45},
    {"Delete", 46},
    {"Meta", 91},
    {"Menu", 93},
    {"NumLock", 144},
    {"ScrollLock", 145},
    {"Semicolon", 186},
    {"Colon", 186},
    {"Equal", 187},
    {"Plus", 187},
    {"Comma", 188},
    {"Less", 188},
    {"Minus", 189},
    {"Underscore", 189},
    {"Period", 190},
    {"Greater", 190},
    {"Slash", 191},
    {"Question", 191},
    {"QuoteLeft", 192},
    {"AsciiTilde", 192},
    {"BracketLeft", 219},
    {"BraceLeft", 219},
    {"Backslash", 220},
    {"Bar", 220},
    {"BracketRight", 221},
    {"BraceRight", 221},
    {"Apostrophe", 222},
    {"QuoteDbl", 222},
    {"Exclam", '1'},
    {"At", '2'},
    {"NumberSign", '3'},
    {"Dollar", '4'},
    {"Percent", '5'},
    {"AsciiCircum", '6'},
    {"Ampersand", '7'},
    {"Asterisk", '8'},
    {"ParenLeft", '9'},
    {"ParenRight", '0'},
};

constexpr int kF1 = 112;
constexpr int kLastFunctionKey = 24;

}  // namespace

std::vector<KeyName> KeyNames() {
  std::vector<KeyName> keys;
  for (char c = 'A'; c <= 'Z'; ++c) keys.push_back({std::string(1, c), c});
  for (char c = '0'; c <= '9'; ++c) keys.push_back({std::string(1, c), c});
  for (int n = 1; n <= kLastFunctionKey; ++n) {
    // Appended rather than "F" + text, which GCC 12 at -O3 takes for an overlapping copy.
    std::string name = "F";
    name += std::to_string(n);
    keys.push_back({std::move(name), kF1 + n - 1});
  }
  for (const auto& [name, code] : kOwnNames) keys.push_back({std::string(name), code});
  return keys;
}

std::optional<int> VirtualKeyByName(std::string_view name) {
  const std::vector<KeyName> keys = KeyNames();
  const auto key =
      std::find_if(keys.begin(), keys.end(), [name](const KeyName& k) { return k.name == name; });
  if (key == keys.end()) return std::nullopt;
  return key->virtualKey;
}

}  // namespace quillbit::scenario
