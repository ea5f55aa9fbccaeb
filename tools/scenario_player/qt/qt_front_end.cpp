#include "scenario_player/qt/qt_front_end.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QUrl>
#include <QWindow>
#include <utility>

#include "scenario_player/qt/widget_reader.h"

namespace quillbit::scenario {
namespace {

void Activate(QWidget& window) {
  window.activateWindow();
  if (QApplication::activeWindow() != &window) QApplication::setActiveWindow(&window);
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

QtFrontEnd::QtFrontEnd(ScenarioRegistry& registry, NumberLocale locale,
                       std::vector<std::string> installedSysInfo)
    : registry_(registry),
      locale_(std::move(locale)),
      aboutWindows_(AppInfo{},
                    AboutServices{.registry = registry.Registry(),
                                  .open = opener_,
                                  .files = files_,
                                  .programs = programs_},
                    AboutLinks{}, std::move(installedSysInfo)) {}

QtFrontEnd::~QtFrontEnd() {
  // The main window refers to the About slot; it goes first.
  main_.reset();
  about_.reset();
}

// Lets posted events and deferred deletions run, as the event loop would between two actions.
// When the active window has gone, the desktop activates another window of the program, as a
// window manager does (the offscreen platform has none).
void QtFrontEnd::Settle() {
  QApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
  if (QApplication::activeWindow() != nullptr) return;
  for (const WindowId id : {WindowId::AudioTracks, WindowId::Main, WindowId::About}) {
    if (const std::optional<Window> window = WindowShown(id)) {
      Activate(*window->widget);
      QApplication::processEvents();
      return;
    }
  }
}

void QtFrontEnd::Start() {
  main_.reset();
  about_ = std::make_unique<AboutWindowSlot>(aboutWindows_);
  main_ = std::make_unique<MainWindow>(locale_, AppInfo{}, registry_.Store(), about_.get(),
                                       &fileDialog_);
  main_->Start();
  Settle();
  if (main_->isVisible()) Activate(*main_);
}

std::optional<QtFrontEnd::Window> QtFrontEnd::WindowShown(WindowId window) const {
  if (window == WindowId::Main) {
    if (main_ == nullptr || !main_->isVisible()) return std::nullopt;
    return Window{main_.get(), &main_->View()};
  }
  if (window == WindowId::AudioTracks) {
    AudioTracksDialog* tracks = main_ != nullptr ? main_->AudioTracks() : nullptr;
    if (tracks == nullptr || !tracks->isVisible()) return std::nullopt;
    return Window{tracks, &tracks->View()};
  }
  if (about_ == nullptr) return std::nullopt;
  auto* dialog = dynamic_cast<AboutDialog*>(about_->Current());
  if (dialog == nullptr || !dialog->isVisible()) return std::nullopt;
  return Window{dialog, &dialog->View()};
}

void QtFrontEnd::Close(WindowId which) {
  const std::optional<Window> window = WindowShown(which);
  if (!window) return;
  // What the title bar's close box sends: a close request from the window system.
  QCloseEvent request;
  if (QWindow* handle = window->widget->windowHandle()) {
    QCoreApplication::sendEvent(handle, &request);
  } else {
    window->widget->close();
  }
}

// Qt keeps input from a window while a window modal to it, or to the whole program, is shown.
bool QtFrontEnd::Blocked(WindowId id) const {
  const std::optional<Window> window = WindowShown(id);
  if (!window) return false;
  for (const WindowName& other : kWindows) {
    const std::optional<Window> over = other.id != id ? WindowShown(other.id) : std::nullopt;
    if (!over) continue;
    const Qt::WindowModality modality = over->widget->windowModality();
    if (modality == Qt::ApplicationModal) return true;
    if (modality == Qt::WindowModal && over->widget->parentWidget() != nullptr &&
        over->widget->parentWidget()->window() == window->widget)
      return true;
  }
  return false;
}

// What a file manager's drag delivers to the window under the pointer: the drag entering, moving
// over the control's centre, and the drop there.
bool QtFrontEnd::Drop(std::string_view name, const std::vector<std::string>& paths) {
  const Target target = Widget(name);
  // Qt delivers a drag to the widget under the pointer that takes drops, else to the nearest
  // one around it that does.
  QWidget* receiver = target.widget;
  while (receiver != nullptr && !receiver->acceptDrops()) receiver = receiver->parentWidget();
  if (receiver == nullptr) return false;
  QMimeData data;
  QList<QUrl> urls;
  for (const std::string& path : paths)
    urls.append(QUrl::fromLocalFile(QString::fromStdString(path)));
  data.setUrls(urls);
  const QPoint at = target.widget->mapTo(receiver, target.widget->rect().center());
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(receiver, &enter);
  if (!enter.isAccepted()) return true;
  QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(receiver, &move);
  QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(receiver, &drop);
  Settle();
  return true;
}

QtFrontEnd::Target QtFrontEnd::Widget(std::string_view name) const {
  const Window window = WindowShown(WindowWith(name).value()).value();
  QWidget* widget = window.view->WidgetFor(name);
  return Target{window, window.view->Controls().Find(name), widget,
                widget == nullptr ? window.view->ActionFor(name) : nullptr};
}

ControlSet* QtFrontEnd::ControlsShown(WindowId id) const {
  const std::optional<Window> window = WindowShown(id);
  return window ? &window->view->Controls() : nullptr;
}

ControlSet* QtFrontEnd::MainControls() const {
  return main_ != nullptr ? &main_->View().Controls() : nullptr;
}

std::optional<FrontEnd::Showing> QtFrontEnd::Show(WindowId id, const Control& control) const {
  const Window window = WindowShown(id).value();
  const std::string& name = control.Name();
  QWidget* widget = window.view->WidgetFor(name);
  QAction* action = widget == nullptr ? window.view->ActionFor(name) : nullptr;
  if (widget == nullptr && action == nullptr) return std::nullopt;
  return Showing{
      .shown = window.view->Shown(name).value(),
      .opensMenu = action != nullptr && action->menu() != nullptr,
      .takesFocus = widget != nullptr && (widget->focusPolicy() & Qt::ClickFocus),
  };
}

// The control whose widget, or a part of it, has the application's focus.
const Control* QtFrontEnd::FocusIn(WindowId id) const {
  const QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr) return nullptr;
  return WindowShown(id).value().view->ControlFor(focus);
}

void QtFrontEnd::Focus(std::string_view name) {
  const Target target = Widget(name);
  Activate(*target.window.widget);
  target.widget->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
}

bool QtFrontEnd::KnowsKey(std::string_view key) const {
  return KeyByName(key).has_value();
}

void QtFrontEnd::Type(std::string_view name, std::string_view text) {
  person_.Type(*Widget(name).widget, QString::fromUtf8(text.data(), static_cast<int>(text.size())),
               HeldModifiers());
}

void QtFrontEnd::SelectAll(std::string_view name) {
  if (auto* edit = qobject_cast<QLineEdit*>(Widget(name).widget)) edit->selectAll();
}

// Where a key goes: the focus, else the active window, else a shown window.
QWidget* QtFrontEnd::KeyTarget() const {
  if (QWidget* focus = QApplication::focusWidget()) return focus;
  if (QWidget* active = QApplication::activeWindow()) return active;
  const std::optional<WindowId> shown = AnyShown();
  return shown ? WindowShown(*shown)->widget : nullptr;
}

bool QtFrontEnd::KeyEvent(std::string_view key, bool press, int heldBefore) {
  QWidget* target = KeyTarget();
  if (target == nullptr) return false;
  person_.KeyEvent(*target, KeyByName(key).value(), press, heldBefore);
  return true;
}

void QtFrontEnd::Click(std::string_view name) {
  const Target target = Widget(name);
  QWidget& widget = *target.widget;
  Activate(*target.window.widget);
  QPoint at = widget.rect().center();
  if (auto* button = qobject_cast<QAbstractButton*>(&widget);
      button != nullptr && (qobject_cast<QCheckBox*>(button) != nullptr ||
                            qobject_cast<QRadioButton*>(button) != nullptr))
    at = ButtonClickPoint(*button);
  person_.Click(widget, at, HeldModifiers());
}

bool QtFrontEnd::Pick(std::string_view name, int index) {
  const Target target = Widget(name);
  auto* list = qobject_cast<QComboBox*>(target.widget);
  if (list == nullptr) return false;
  Activate(*target.window.widget);
  return person_.Pick(*list, index, HeldModifiers());
}

FrontEnd::MenuChoice QtFrontEnd::ChooseMenuItem(std::string_view name) {
  const Target target = Widget(name);
  auto* mainWindow = qobject_cast<QMainWindow*>(target.window.widget);
  QMenuBar* bar = mainWindow != nullptr ? mainWindow->menuBar() : nullptr;
  // The menus that hold the item, from the menu bar's down.
  std::vector<QAction*> menus;
  for (std::string container = target.control->Design().container; !container.empty();) {
    QAction* menu = target.window.view->ActionFor(container);
    const Control* holder = target.window.view->Controls().Find(container);
    if (menu == nullptr || holder == nullptr) return MenuChoice::NotInMenuBar;
    menus.insert(menus.begin(), menu);
    container = holder->Design().container;
  }
  if (bar == nullptr || menus.empty() || target.action == nullptr) return MenuChoice::NotInMenuBar;
  Activate(*target.window.widget);
  return person_.ChooseMenuItem(*bar, menus, *target.action, HeldModifiers())
             ? MenuChoice::Chosen
             : MenuChoice::NotChosen;
}

std::optional<WindowView> QtFrontEnd::ReadWindow(WindowId id) const {
  const std::optional<Window> window = WindowShown(id);
  if (!window) return std::nullopt;
  return scenario::ReadWindow(*window->widget, *window->view);
}

std::optional<MainModelView> QtFrontEnd::MainModel() const {
  if (main_ == nullptr) return std::nullopt;
  return MainModelView{main_->Model().State(), main_->Model().CalcRuns()};
}

}  // namespace quillbit::scenario
