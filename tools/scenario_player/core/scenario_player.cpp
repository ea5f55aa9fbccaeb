#include "scenario_player/core/scenario_player.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "core/file_sizes.h"

namespace quillbit::scenario {
namespace {

// A line that cannot be played; caught by Run and reported with its line number.
struct LineFailure {
  std::string message;
};

[[noreturn]] void Fail(std::string message) {
  throw LineFailure{std::move(message)};
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

std::string ModifierNames(int mask) {
  std::string names;
  for (const auto& [bit, name] :
       {std::pair{kShiftMask, "shift"}, {kCtrlMask, "ctrl"}, {kAltMask, "alt"}}) {
    if ((mask & bit) == 0) continue;
    if (!names.empty()) names += "+";
    names += name;
  }
  return names;
}

}  // namespace

Player::Player(ScenarioRegistry& registry, FrontEnd& frontEnd, std::FILE* out, std::string folder)
    : registry_(registry), frontEnd_(frontEnd), out_(out), folder_(std::move(folder)) {}

std::optional<ScriptError> Player::Run(const std::vector<Command>& commands) {
  for (const Command& command : commands) {
    try {
      if (NeedsWindow(command.verb) && !started_) Start();
      Execute(command);
      frontEnd_.Settle();
    } catch (const LineFailure& failure) {
      return ScriptError{command.line, failure.message};
    }
  }
  return std::nullopt;
}

void Player::Execute(const Command& command) {
  switch (command.verb) {
    case Verb::Store:
    case Verb::StoreDword:
      Store(command);
      break;
    case Verb::Start:
      Start();
      break;
    case Verb::Type:
      Type(command);
      break;
    case Verb::Clear:
      Clear(command);
      break;
    case Verb::Key:
      Key(command);
      break;
    case Verb::Down:
      Modifiers(command, true);
      break;
    case Verb::Up:
      Modifiers(command, false);
      break;
    case Verb::Pick:
      Pick(command);
      break;
    case Verb::Click:
      Click(command);
      break;
    case Verb::Drop:
      Drop(command);
      break;
    case Verb::Open:
      Open({command.text});
      break;
    case Verb::OpenFiles:
      Open(command.files);
      break;
    case Verb::Close:
      Close(command);
      break;
    case Verb::Dump:
      Dump();
      break;
  }
}

bool Player::Running() const {
  return frontEnd_.AnyShown().has_value();
}

void Player::Start() {
  if (Running()) Fail("the program is already running");
  started_ = true;
  frontEnd_.Start();
}

void Player::Store(const Command& command) {
  if (Running()) Fail("store works only while the program is not running");
  if (command.verb == Verb::Store) {
    registry_.StoreText(command.target, command.text);
  } else {
    registry_.StoreDword(command.target, command.number);
  }
}

FoundControl Player::Find(const std::string& name) const {
  if (std::optional<FoundControl> found = frontEnd_.Find(name)) return std::move(*found);
  if (frontEnd_.MainHas(name)) Fail(name + " is in the main window, which is not open");
  Fail("unknown control " + name);
}

void Player::CheckUnblocked(const FoundControl& control) const {
  if (frontEnd_.Blocked(control.window))
    Fail(control.shown.name + " is in " + std::string(NameOf(control.window).called) +
         ", which a window over it keeps from input");
}

void Player::CheckReachable(const FoundControl& control) const {
  const std::string& name = control.shown.name;
  if (control.kind == ControlKind::Menu) Fail(name + " is a menu item: click it");
  CheckUnblocked(control);
  if (!control.shown.visible) Fail(name + " is hidden");
  if (!control.shown.enabled) Fail(name + " is disabled");
}

void Player::Focus(const FoundControl& control) {
  CheckReachable(control);
  if (!control.takesFocus) Fail(control.shown.name + " cannot take the focus");
  frontEnd_.Focus(control.shown.name);
}

void Player::Type(const Command& command) {
  Focus(Find(command.target));
  frontEnd_.Type(command.target, command.text);
}

void Player::Clear(const Command& command) {
  const FoundControl target = Find(command.target);
  if (target.kind != ControlKind::Menu && target.kind != ControlKind::TextBox)
    Fail(command.target + " is not a text box");
  Focus(target);
  frontEnd_.SelectAll(command.target);
  frontEnd_.Stroke("Delete", 0);
}

void Player::Key(const Command& command) {
  if (!frontEnd_.KnowsKey(command.key)) Fail("unknown key " + Quoted(command.key));
  Focus(Find(command.target));
  frontEnd_.Stroke(command.key, command.modifiers);
}

void Player::Modifiers(const Command& command, bool press) {
  const int held = frontEnd_.HeldModifiers();
  const int already = held & command.modifiers;
  if (press && already != 0) Fail(ModifierNames(already) + " is already held");
  const int missing = command.modifiers & ~held;
  if (!press && missing != 0) Fail(ModifierNames(missing) + " is not held");
  const bool done = press ? frontEnd_.PressModifiers(command.modifiers)
                          : frontEnd_.ReleaseModifiers(command.modifiers);
  if (!done) Fail("no window is open");
}

void Player::Pick(const Command& command) {
  const FoundControl target = Find(command.target);
  if (target.kind != ControlKind::List) Fail(command.target + " is not a list");
  CheckReachable(target);
  const std::vector<std::string> items = target.shown.items.value_or(std::vector<std::string>{});
  const auto item = std::find(items.begin(), items.end(), command.text);
  if (item == items.end()) Fail("no item " + Quoted(command.text) + " in " + command.target);
  if (!frontEnd_.Pick(command.target, static_cast<int>(item - items.begin())))
    Fail(command.target + " did not take the pick");
}

void Player::Click(const Command& command) {
  const FoundControl target = Find(command.target);
  if (target.kind == ControlKind::Menu) {
    ClickMenuItem(target);
    return;
  }
  CheckReachable(target);
  if (target.kind == ControlKind::List) Fail(command.target + " is a list: pick one of its items");
  frontEnd_.Click(command.target);
}

void Player::ClickMenuItem(const FoundControl& item) {
  const std::string& name = item.shown.name;
  if (item.opensMenu) Fail(name + " opens a menu: click one of its items");
  if (!item.shown.visible) Fail(name + " is hidden");
  if (!item.shown.enabled) Fail(name + " is disabled");
  CheckUnblocked(item);
  switch (frontEnd_.ChooseMenuItem(name)) {
    case FrontEnd::MenuChoice::Chosen:
      return;
    case FrontEnd::MenuChoice::NotInMenuBar:
      Fail(name + " is not in a menu of the menu bar");
    case FrontEnd::MenuChoice::NotChosen:
      Fail(name + " could not be chosen from its menu");
  }
}

void Player::Close(const Command& command) {
  const WindowId window = WindowByWord(command.target).value();
  if (!frontEnd_.Shown(window)) Fail(std::string(NameOf(window).called) + " is not open");
  if (frontEnd_.Blocked(window))
    Fail(std::string(NameOf(window).called) + " takes no input while a window over it is open");
  frontEnd_.Close(window);
}

// A file the scenario names, as the program gets it: relative to the scenario's folder.
std::string Player::Resolve(const std::string& file) const {
  const std::filesystem::path path = PathFromUtf8(file);
  if (path.is_absolute()) return file;
  const std::u8string resolved = (PathFromUtf8(folder_) / path).lexically_normal().u8string();
  return std::string(resolved.begin(), resolved.end());
}

// Dropped on a control a person can see; where it lands decides what the window makes of it.
void Player::Drop(const Command& command) {
  const FoundControl target = Find(command.target);
  if (target.kind == ControlKind::Menu) Fail(command.target + " is a menu item");
  if (!target.shown.visible) Fail(command.target + " is hidden");
  CheckUnblocked(target);
  std::vector<std::string> paths;
  for (const std::string& file : command.files) paths.push_back(Resolve(file));
  if (!frontEnd_.Drop(command.target, paths))
    Fail("no window under " + command.target + " takes dropped files");
}

// "File" > "Open Project...", with the files chosen together in its dialog.
void Player::Open(const std::vector<std::string>& files) {
  const FoundControl item = Find("mnuOpen");
  std::vector<std::string> paths;
  for (const std::string& file : files) paths.push_back(Resolve(file));
  frontEnd_.AnswerFileDialog(std::move(paths));
  ClickMenuItem(item);
}

void Player::Dump() {
  Snapshot snapshot;
  snapshot.main = frontEnd_.ReadWindow(WindowId::Main);
  snapshot.about = frontEnd_.ReadWindow(WindowId::About);
  snapshot.audioTracks = frontEnd_.ReadWindow(WindowId::AudioTracks);
  if (const std::optional<MainModelView> model = frontEnd_.MainModel()) {
    snapshot.state = model->state;
    snapshot.calcRuns = model->calcRuns;
  }
  snapshot.messages = frontEnd_.Messages();
  snapshot.opened = frontEnd_.Opened();
  snapshot.started = frontEnd_.Started();
  snapshot.store = registry_.ReadKey();
  snapshot.focus = frontEnd_.Focused();
  const std::string line = DumpLine(snapshot);
  std::fwrite(line.data(), 1, line.size(), out_);
  std::fputc('\n', out_);
  std::fflush(out_);
}

}  // namespace quillbit::scenario
