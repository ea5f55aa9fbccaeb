#include "gui/form_view.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QMenu>
#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "core/accessible_name.h"
#include "gui/design_picture.h"

namespace quillbit {
namespace {

bool TakesFocus(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::List:
    case ControlKind::Option:
    case ControlKind::CheckBox:
    case ControlKind::Button:
    case ControlKind::Picture:
      return true;
    default:
      return false;
  }
}

bool HasChildren(const ControlSet& controls, const Control& parent) {
  return std::any_of(controls.All().begin(), controls.All().end(),
                     [&](const Control& c) { return c.Design().container == parent.Name(); });
}

}  // namespace

FormView::FormView(ControlSet& controls, QWidget& surface, QMenuBar* menuBar)
    : controls_(controls) {
  Build(surface, menuBar);
  ChainTabOrder();
  SetBuddies();
  subscription_ = controls_.Subscribe([this](const Control& control, Property property) {
    const auto it = bindings_.find(&control);
    if (it != bindings_.end()) ApplyProperty(it->second, property);
    // A caption rewritten by code renames the controls it stands for.
    if (property == Property::ToolTip || (property == Property::Text && TextNamesAControl(control)))
      Rename(control);
  });
}

FormView::~FormView() {
  controls_.Unsubscribe(subscription_);
}

void FormView::Build(QWidget& surface, QMenuBar* menuBar) {
  const double dpi = surface.logicalDpiX();
  std::map<std::string, QWidget*, std::less<>> frames;
  std::map<std::string, QMenu*, std::less<>> menus;
  std::map<std::pair<QWidget*, std::string>, QButtonGroup*> groups;
  FontFamilies families;

  for (Control& control : controls_.All()) {
    const ControlDesign& design = control.Design();
    Binding binding{.control = &control};
    if (design.kind == ControlKind::Menu) {
      const QString text = QString::fromStdString(control.Text());
      const auto parent = menus.find(design.container);
      if (menuBar == nullptr && parent == menus.end()) continue;
      if (HasChildren(controls_, control)) {
        QMenu* menu =
            parent != menus.end() ? parent->second->addMenu(text) : menuBar->addMenu(text);
        menu->setObjectName(QString::fromStdString(design.name));
        menus.emplace(design.name, menu);
        binding.action = menu->menuAction();
      } else {
        binding.action =
            parent != menus.end() ? parent->second->addAction(text) : menuBar->addAction(text);
      }
      binding.action->setObjectName(QString::fromStdString(design.name));
      if (!control.ToolTip().empty())
        binding.action->setToolTip(QString::fromStdString(control.ToolTip()));
      controlOf_.insert(binding.action, &control);
    } else {
      const auto frame = frames.find(design.container);
      QWidget* parent = frame != frames.end() ? frame->second : &surface;
      binding.widget = CreateControlWidget(control, parent, dpi, families);
      if (binding.widget == nullptr) continue;
      if (design.kind == ControlKind::Frame) frames.emplace(design.name, binding.widget);
      if (design.kind == ControlKind::Option) {
        QButtonGroup*& group = groups[{parent, design.group}];
        if (group == nullptr) group = new QButtonGroup(parent);
        group->addButton(qobject_cast<QAbstractButton*>(binding.widget));
      }
      if (TakesFocus(design.kind) && design.tab >= 0) tabOrder_.push_back(binding.widget);
      controlOf_.insert(binding.widget, &control);
    }
    ApplyAll(binding);
    ApplyAccessibleName(controls_, binding);
    ConnectPersonActions(binding);
    bindings_.emplace(&control, binding);
    if (!design.picture.empty()) SetPicture(design.name, DesignPicture(design.picture));
  }
}

void FormView::ChainTabOrder() {
  std::stable_sort(tabOrder_.begin(), tabOrder_.end(), [this](QWidget* a, QWidget* b) {
    return controlOf_.value(a)->Design().tab < controlOf_.value(b)->Design().tab;
  });
  // Qt skips hidden and disabled widgets in the chain by itself.
  for (size_t i = 1; i < tabOrder_.size(); ++i)
    QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
}

void FormView::SetBuddies() {
  // A label is also the buddy of the first control it names, for screen readers that follow the
  // relation; an access key in its caption then moves the focus there, as a label's does.
  for (const auto& [control, binding] : bindings_) {
    auto* label = qobject_cast<QLabel*>(binding.widget);
    if (label == nullptr) continue;
    const std::vector<const Control*> named = ControlsNamedBy(controls_, *control);
    if (named.empty()) continue;
    const auto it = bindings_.find(named.front());
    if (it != bindings_.end() && it->second.widget != nullptr) label->setBuddy(it->second.widget);
  }
}

void FormView::Rename(const Control& control) {
  const auto rename = [this](const Control& c) {
    const auto it = bindings_.find(&c);
    if (it != bindings_.end()) ApplyAccessibleName(controls_, it->second);
  };
  rename(control);
  for (const Control* named : ControlsNamedBy(controls_, control)) rename(*named);
}

QWidget* FormView::WidgetFor(std::string_view name) const {
  for (const auto& [control, binding] : bindings_) {
    if (control->Name() == name) return binding.widget;
  }
  return nullptr;
}

QAction* FormView::ActionFor(std::string_view name) const {
  for (const auto& [control, binding] : bindings_) {
    if (control->Name() == name) return binding.action;
  }
  return nullptr;
}

Control* FormView::ControlFor(const QWidget* widget) const {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (Control* control = controlOf_.value(w, nullptr)) return control;
  }
  return nullptr;
}

QWidget* FormView::FirstFocusable() const {
  for (QWidget* w : tabOrder_) {
    if (w->isVisibleTo(w->window()) && w->isEnabled() && w->focusPolicy() & Qt::TabFocus) return w;
  }
  return nullptr;
}

std::vector<ShownControl> FormView::ShownControls() const {
  std::vector<ShownControl> shown;
  for (const Control& control : controls_.All()) {
    const auto it = bindings_.find(&control);
    if (it != bindings_.end()) shown.push_back(ReadShown(it->second));
  }
  return shown;
}

std::optional<ShownControl> FormView::Shown(std::string_view name) const {
  for (const auto& [control, binding] : bindings_) {
    if (control->Name() == name) return ReadShown(binding);
  }
  return std::nullopt;
}

void FormView::SetPicture(std::string_view name, const QPixmap& pixmap) {
  auto* picture = qobject_cast<QLabel*>(WidgetFor(name));
  if (picture == nullptr) return;
  picture->setPixmap(pixmap);
  const Control* control = controlOf_.value(picture, nullptr);
  if (control != nullptr && control->Design().autoSize && !pixmap.isNull()) {
    const int frame = 2 * picture->frameWidth();
    picture->resize(pixmap.deviceIndependentSize().toSize() + QSize(frame, frame));
  }
}

}  // namespace quillbit
