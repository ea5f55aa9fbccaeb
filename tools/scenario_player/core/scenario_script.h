#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/control_set.h"

namespace quillbit::scenario {

// What one line of a scenario asks for.
enum class Verb {
  Store,       // store NAME TEXT
  StoreDword,  // store-dword NAME N
  Start,       // start
  Type,        // type CONTROL TEXT
  Clear,       // clear CONTROL
  Key,         // key CONTROL KEY [MODS]
  Down,        // down MODS
  Up,          // up MODS
  Pick,        // pick CONTROL ITEM
  Click,       // click CONTROL
  Close,       // close main | close about | close audio_tracks
  Drop,        // drop CONTROL FILE...
  Open,        // open FILE
  OpenFiles,   // open-files FILE...
  Dump,        // dump
};

struct Command {
  Verb verb = Verb::Dump;
  int line = 0;                    // 1-based line number in the scenario
  std::string target;              // control, value name, or window ("main", "about", ...)
  std::string text;                // TEXT or ITEM, escapes resolved
  std::string key;                 // key name of `key`, as written ("Left", "A")
  int modifiers = 0;               // MODS of `key`, `down`, `up`: kShiftMask, kCtrlMask, kAltMask
  std::uint32_t number = 0;        // N of `store-dword`, as its 32 bits
  std::vector<std::string> files;  // FILE... of `drop` and `open-files`, as written
};

struct ScriptError {
  int line = 0;
  std::string message;
};

struct Script {
  std::vector<Command> commands;
  std::optional<ScriptError> error;  // the first line that could not be read; nothing runs then
};

// Reads a whole scenario. Blank lines and lines starting with '#' are skipped; a line may end
// in CR LF.
Script ParseScript(std::string_view source);

// The rest of a line taken as it stands, with \t, \n and \\ resolved; any other backslash is
// kept as written.
std::string UnescapeText(std::string_view raw);

// "shift", "ctrl+alt", ...: a mask, or none when a part is not a modifier or the text is empty.
std::optional<int> ParseModifiers(std::string_view text);

// Whether a command acts on the windows, and so starts the program first when it is not running.
bool NeedsWindow(Verb verb);

}  // namespace quillbit::scenario
