#include "scenario_player/core/scenario_script.h"

#include <charconv>

#include "scenario_player/core/window_id.h"

namespace quillbit::scenario {
namespace {

// How the words after the verb are read.
enum class Shape {
  Bare,          // nothing follows
  NameText,      // a word, then the rest of the line after one blank
  NameNumber,    // a word and a 32-bit number
  Control,       // one word
  ControlKey,    // a control, a key name, optional modifiers
  Modifiers,     // modifiers
  Window,        // a window's word: "main", "about", "audio_tracks"
  ControlFiles,  // a control and one or more files
  File,          // the rest of the line, not empty
  Files,         // one or more files
};

struct VerbForm {
  std::string_view word;
  Verb verb;
  Shape shape;
  std::string_view operand;  // what the first word names, for messages
};

constexpr VerbForm kVerbs[] = {
    {"store", Verb::Store, Shape::NameText, "value name"},
    {"store-dword", Verb::StoreDword, Shape::NameNumber, "value name"},
    {"start", Verb::Start, Shape::Bare, ""},
    {"type", Verb::Type, Shape::NameText, "control"},
    {"clear", Verb::Clear, Shape::Control, "control"},
    {"key", Verb::Key, Shape::ControlKey, "control"},
    {"down", Verb::Down, Shape::Modifiers, ""},
    {"up", Verb::Up, Shape::Modifiers, ""},
    {"pick", Verb::Pick, Shape::NameText, "list"},
    {"click", Verb::Click, Shape::Control, "control"},
    {"close", Verb::Close, Shape::Window, "window"},
    {"drop", Verb::Drop, Shape::ControlFiles, "control"},
    {"open", Verb::Open, Shape::File, "file"},
    {"open-files", Verb::OpenFiles, Shape::Files, "file"},
    {"dump", Verb::Dump, Shape::Bare, ""},
};

struct ModifierWord {
  std::string_view word;
  int mask;
};

constexpr ModifierWord kModifiers[] = {
    {"shift", kShiftMask}, {"ctrl", kCtrlMask}, {"alt", kAltMask}};

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    const size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

// Splits "WORD REST" at its first blank; REST is what follows that one blank.
std::pair<std::string_view, std::string_view> SplitFirst(std::string_view text) {
  const size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return {text, {}};
  return {text.substr(0, blank), text.substr(blank + 1)};
}

// A 32-bit number: decimal from -2147483648 to 4294967295, or 0x followed by up to 8 hex digits.
std::optional<std::uint32_t> ParseNumber(std::string_view text) {
  long long value = 0;
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
    if (!text.empty() && text[0] == '-') return std::nullopt;
  }
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < -2147483648LL || value > 4294967295LL) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

std::string Quoted(std::string_view text) {
  // Appended rather than "\"" + text, which GCC 12 at -O3 takes for an overlapping copy.
  std::string quoted = "\"";
  quoted += text;
  quoted += '"';
  return quoted;
}

// Fills `command` from the words after the verb; returns an error message or "".
std::string ReadOperands(const VerbForm& form, std::string_view rest, Command& command) {
  const std::string verb(form.word);
  switch (form.shape) {
    case Shape::Bare:
      if (!Words(rest).empty()) return "unexpected text after " + verb;
      return {};
    case Shape::NameText: {
      const auto [name, raw] = SplitFirst(rest);
      if (name.empty()) return verb + " needs a " + std::string(form.operand);
      command.target = name;
      command.text = UnescapeText(raw);
      return {};
    }
    case Shape::NameNumber: {
      const std::vector<std::string_view> words = Words(rest);
      if (words.size() != 2) return verb + " needs a value name and a number";
      const std::optional<std::uint32_t> number = ParseNumber(words[1]);
      if (!number) return "not a 32-bit number: " + Quoted(words[1]);
      command.target = words[0];
      command.number = *number;
      return {};
    }
    case Shape::Control: {
      const std::vector<std::string_view> words = Words(rest);
      if (words.empty()) return verb + " needs a control";
      if (words.size() > 1) return "unexpected text after " + verb + " " + std::string(words[0]);
      command.target = words[0];
      return {};
    }
    case Shape::ControlKey: {
      const std::vector<std::string_view> words = Words(rest);
      if (words.size() < 2) return verb + " needs a control and a key";
      if (words.size() > 3) return "unexpected text after the modifiers";
      command.target = words[0];
      command.key = words[1];
      if (words.size() == 3) {
        const std::optional<int> mods = ParseModifiers(words[2]);
        if (!mods)
          return "unknown modifiers " + Quoted(words[2]) + " (shift, ctrl, alt, joined by +)";
        command.modifiers = *mods;
      }
      return {};
    }
    case Shape::Modifiers: {
      const std::vector<std::string_view> words = Words(rest);
      if (words.size() != 1) return verb + " needs modifiers (shift, ctrl, alt, joined by +)";
      const std::optional<int> mods = ParseModifiers(words[0]);
      if (!mods)
        return "unknown modifiers " + Quoted(words[0]) + " (shift, ctrl, alt, joined by +)";
      command.modifiers = *mods;
      return {};
    }
    case Shape::ControlFiles: {
      const std::vector<std::string_view> words = Words(rest);
      if (words.size() < 2) return verb + " needs a control and at least one file";
      command.target = words[0];
      command.files.assign(words.begin() + 1, words.end());
      return {};
    }
    case Shape::File:
      command.text = UnescapeText(rest);
      if (command.text.empty()) return verb + " needs a file";
      return {};
    case Shape::Files: {
      const std::vector<std::string_view> words = Words(rest);
      if (words.empty()) return verb + " needs at least one file";
      command.files.assign(words.begin(), words.end());
      return {};
    }
    case Shape::Window: {
      const std::vector<std::string_view> words = Words(rest);
      if (words.size() != 1 || !WindowByWord(words[0]))
        return verb + " needs a window: main, about or audio_tracks";
      command.target = words[0];
      return {};
    }
  }
  return {};
}

}  // namespace

std::string UnescapeText(std::string_view raw) {
  std::string text;
  text.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\\' && i + 1 < raw.size()) {
      const char next = raw[i + 1];
      if (next == 't' || next == 'n' || next == '\\') {
        text += next == 't' ? '\t' : next == 'n' ? '\n' : '\\';
        ++i;
        continue;
      }
    }
    text += raw[i];
  }
  return text;
}

std::optional<int> ParseModifiers(std::string_view text) {
  if (text.empty()) return std::nullopt;
  int mask = 0;
  while (true) {
    const size_t plus = text.find('+');
    const std::string_view part = text.substr(0, plus);
    bool known = false;
    for (const ModifierWord& modifier : kModifiers) {
      if (modifier.word == part) {
        mask |= modifier.mask;
        known = true;
      }
    }
    if (!known) return std::nullopt;
    if (plus == std::string_view::npos) return mask;
    text.remove_prefix(plus + 1);
  }
}

bool NeedsWindow(Verb verb) {
  switch (verb) {
    case Verb::Store:
    case Verb::StoreDword:
    case Verb::Start:
    case Verb::Dump:
      return false;
    default:
      return true;
  }
}

Script ParseScript(std::string_view source) {
  Script script;
  int number = 0;
  size_t pos = 0;
  while (pos < source.size()) {
    ++number;
    size_t end = source.find('\n', pos);
    if (end == std::string_view::npos) end = source.size();
    std::string_view line = source.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    size_t first = 0;
    while (first < line.size() && IsBlank(line[first])) ++first;
    if (first == line.size() || line[first] == '#') continue;
    line.remove_prefix(first);

    const auto [word, rest] = SplitFirst(line);
    const VerbForm* form = nullptr;
    for (const VerbForm& candidate : kVerbs) {
      if (candidate.word == word) form = &candidate;
    }
    if (form == nullptr) {
      script.error = ScriptError{number, "unknown command " + Quoted(word)};
      return script;
    }
    Command command{.verb = form->verb, .line = number};
    std::string problem = ReadOperands(*form, rest, command);
    if (!problem.empty()) {
      script.error = ScriptError{number, std::move(problem)};
      return script;
    }
    script.commands.push_back(std::move(command));
  }
  return script;
}

}  // namespace quillbit::scenario
