#include "gui/scenario/scenario_player.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWindow>
#include <algorithm>

#include "gui/scenario/scenario_dump.h"
#include "gui/scenario/widget_reader.h"

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

// Lets posted events and deferred deletions run, as the event loop would between two actions.
void Settle() {
  QApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
}

void Activate(QWidget& window) {
  window.activateWindow();
  if (QApplication::activeWindow() != &window) QApplication::setActiveWindow(&window);
}

std::string ModifierNames(int mask) {
  std::string names;
  for (const auto& [bit, name] : {std::pair{kShift, "shift"}, {kCtrl, "ctrl"}, {kAlt, "alt"}}) {
    if ((mask & bit) == 0) continue;
    if (!names.empty()) names += "+";
    names += name;
  }
  return names;
}

// Where a click on a check box or option button lands: on its box and caption, which is what
// the button takes as a click.
QPoint ButtonClickPoint(QAbstractButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  const bool radio = qobject_cast<QRadioButton*>(&button) != nullptr;
  const QRect area = button.style()->subElementRect(
      radio ? QStyle::SE_RadioButtonClickRect : QStyle::SE_CheckBoxClickRect, &option, &button);
  return area.isValid() ? area.center() : button.rect().center();
}

}  // namespace

Player::Player(ScenarioRegistry& registry, NumberLocale locale,
               std::vector<std::string> installedSysInfo, std::FILE* out)
    : registry_(registry),
      locale_(std::move(locale)),
      out_(out),
      aboutWindows_(AppInfo{},
                    AboutServices{.registry = registry.Registry(),
                                  .open = opener_,
                                  .files = files_,
                                  .programs = programs_},
                    AboutLinks{}, std::move(installedSysInfo)) {}

Player::~Player() {
  // The main window refers to the About slot; it goes first.
  main_.reset();
  about_.reset();
}

std::optional<ScriptError> Player::Run(const std::vector<Command>& commands) {
  for (const Command& command : commands) {
    try {
      if (NeedsWindow(command.verb) && !started_) Start();
      Execute(command);
      Settle();
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
    case Verb::Close:
      Close(command);
      break;
    case Verb::Dump:
      Dump();
      break;
  }
}

void Player::Start() {
  if (Running()) Fail("the program is already running");
  main_.reset();
  about_ = std::make_unique<AboutWindowSlot>(aboutWindows_);
  started_ = true;
  main_ = std::make_unique<MainWindow>(locale_, AppInfo{}, registry_.Store(), about_.get());
  main_->Start();
  Settle();
  if (main_->isVisible()) Activate(*main_);
}

void Player::Store(const Command& command) {
  if (Running()) Fail("store works only while the program is not running");
  if (command.verb == Verb::Store) {
    registry_.StoreText(command.target, command.text);
  } else {
    registry_.StoreDword(command.target, command.number);
  }
}

std::optional<Player::Window> Player::MainShown() const {
  if (main_ == nullptr || !main_->isVisible()) return std::nullopt;
  return Window{main_.get(), &main_->View()};
}

std::optional<Player::Window> Player::AboutShown() const {
  if (about_ == nullptr) return std::nullopt;
  auto* dialog = dynamic_cast<AboutDialog*>(about_->Current());
  if (dialog == nullptr || !dialog->isVisible()) return std::nullopt;
  return Window{dialog, &dialog->View()};
}

Player::Target Player::Find(const std::string& name) const {
  for (const std::optional<Window>& window : {MainShown(), AboutShown()}) {
    if (!window) continue;
    QWidget* widget = window->view->WidgetFor(name);
    QAction* action = widget == nullptr ? window->view->ActionFor(name) : nullptr;
    if (widget == nullptr && action == nullptr) continue;
    return Target{*window, window->view->Controls().Find(name), widget, action};
  }
  if (main_ != nullptr && main_->View().Controls().Find(name) != nullptr)
    Fail(name + " is in the main window, which is not open");
  Fail("unknown control " + name);
}

QWidget& Player::Reachable(const Target& target, const std::string& name) const {
  if (target.widget == nullptr) Fail(name + " is a menu item: click it");
  if (!target.widget->isVisibleTo(target.window.widget)) Fail(name + " is hidden");
  if (!target.widget->isEnabled()) Fail(name + " is disabled");
  return *target.widget;
}

QWidget& Player::Focus(const Target& target, const std::string& name) {
  QWidget& widget = Reachable(target, name);
  if ((widget.focusPolicy() & Qt::ClickFocus) == 0) Fail(name + " cannot take the focus");
  Activate(*target.window.widget);
  widget.setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  return widget;
}

// Where a key goes that is pressed without choosing a control: the focus, else the active window.
QWidget& Player::KeyTarget() const {
  if (QWidget* focus = QApplication::focusWidget()) return *focus;
  if (QWidget* active = QApplication::activeWindow()) return *active;
  if (const std::optional<Window> main = MainShown()) return *main->widget;
  if (const std::optional<Window> about = AboutShown()) return *about->widget;
  Fail("no window is open");
}

void Player::Type(const Command& command) {
  QWidget& widget = Focus(Find(command.target), command.target);
  person_.Type(widget, QString::fromStdString(command.text));
}

void Player::Clear(const Command& command) {
  const Target target = Find(command.target);
  auto* edit = qobject_cast<QLineEdit*>(target.widget);
  if (target.widget != nullptr && edit == nullptr) Fail(command.target + " is not a text box");
  Focus(target, command.target);
  // Selected as a mouse drag would: no key event reaches the window.
  edit->selectAll();
  person_.Stroke(*edit, Qt::Key_Delete, 0);
}

void Player::Key(const Command& command) {
  const std::optional<Qt::Key> key = KeyByName(command.key);
  if (!key) Fail("unknown key " + Quoted(command.key));
  QWidget& widget = Focus(Find(command.target), command.target);
  person_.Stroke(widget, *key, command.modifiers);
}

void Player::Modifiers(const Command& command, bool press) {
  const int already = person_.Held() & command.modifiers;
  if (press && already != 0) Fail(ModifierNames(already) + " is already held");
  const int missing = command.modifiers & ~person_.Held();
  if (!press && missing != 0) Fail(ModifierNames(missing) + " is not held");
  QWidget& target = KeyTarget();
  if (press) {
    person_.PressModifiers(target, command.modifiers);
  } else {
    person_.ReleaseModifiers(target, command.modifiers);
  }
}

void Player::Pick(const Command& command) {
  const Target target = Find(command.target);
  auto* list = qobject_cast<QComboBox*>(target.widget);
  if (list == nullptr) Fail(command.target + " is not a list");
  Reachable(target, command.target);
  const int index = list->findText(QString::fromStdString(command.text),
                                   Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index < 0) Fail("no item " + Quoted(command.text) + " in " + command.target);
  Activate(*target.window.widget);
  if (!person_.Pick(*list, index)) Fail(command.target + " did not take the pick");
}

void Player::Click(const Command& command) {
  const Target target = Find(command.target);
  if (target.action != nullptr) {
    ClickMenuItem(target);
    return;
  }
  QWidget& widget = Reachable(target, command.target);
  if (qobject_cast<QComboBox*>(&widget) != nullptr)
    Fail(command.target + " is a list: pick one of its items");
  Activate(*target.window.widget);
  QPoint at = widget.rect().center();
  if (auto* button = qobject_cast<QAbstractButton*>(&widget);
      button != nullptr && (qobject_cast<QCheckBox*>(button) != nullptr ||
                            qobject_cast<QRadioButton*>(button) != nullptr))
    at = ButtonClickPoint(*button);
  person_.Click(widget, at);
}

void Player::ClickMenuItem(const Target& target) {
  const std::string& name = target.control->Name();
  QAction& item = *target.action;
  if (item.menu() != nullptr) Fail(name + " opens a menu: click one of its items");
  if (!item.isVisible()) Fail(name + " is hidden");
  if (!item.isEnabled()) Fail(name + " is disabled");
  auto* mainWindow = qobject_cast<QMainWindow*>(target.window.widget);
  QMenuBar* bar = mainWindow != nullptr ? mainWindow->menuBar() : nullptr;
  QAction* menu = target.window.view->ActionFor(target.control->Design().container);
  if (bar == nullptr || menu == nullptr) Fail(name + " is not in a menu of the menu bar");
  Activate(*target.window.widget);
  if (!person_.ChooseMenuItem(*bar, *menu, item)) Fail(name + " could not be chosen from its menu");
}

void Player::Close(const Command& command) {
  const bool main = command.target == "main";
  const std::optional<Window> window = main ? MainShown() : AboutShown();
  if (!window) Fail(std::string(main ? "the main window" : "the About window") + " is not open");
  // What the title bar's close box sends: a close request from the window system.
  QCloseEvent request;
  if (QWindow* handle = window->widget->windowHandle()) {
    QCoreApplication::sendEvent(handle, &request);
  } else {
    window->widget->close();
  }
}

void Player::Dump() {
  Snapshot snapshot;
  if (const std::optional<Window> main = MainShown())
    snapshot.main = ReadWindow(*main->widget, *main->view);
  if (const std::optional<Window> about = AboutShown())
    snapshot.about = ReadWindow(*about->widget, *about->view);
  if (main_ != nullptr) {
    snapshot.state = main_->Model().State();
    snapshot.calcRuns = main_->Model().CalcRuns();
  }
  snapshot.messages = messages_.Messages();
  snapshot.opened = opener_.Targets();
  snapshot.started = programs_.Paths();
  snapshot.store = registry_.ReadKey();
  const std::string line = DumpLine(snapshot);
  std::fwrite(line.data(), 1, line.size(), out_);
  std::fputc('\n', out_);
  std::fflush(out_);
}

}  // namespace quillbit::scenario
