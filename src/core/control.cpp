#include "core/control.h"

#include "core/control_set.h"

namespace quillbit {

Control::Control(ControlSet& owner, ControlDesign design)
    : owner_(owner),
      design_(std::move(design)),
      text_(design_.text),
      fore_(design_.fore),
      back_(design_.back),
      bold_(design_.font.bold),
      toolTip_(design_.toolTip) {}

const std::string& Control::Text() const {
  static const std::string kEmpty;
  if (design_.kind == ControlKind::List) {
    return listIndex_ >= 0 ? items_[static_cast<size_t>(listIndex_)] : kEmpty;
  }
  return text_;
}

void Control::SetText(std::string_view text) {
  if (design_.kind == ControlKind::List) {
    for (size_t i = 0; i < items_.size(); ++i) {
      if (items_[i] == text) {
        SetListIndex(static_cast<int>(i));
        return;
      }
    }
    return;
  }
  if (text_ == text) return;
  text_.assign(text);
  Notify(Property::Text);
  if (design_.kind == ControlKind::TextBox) Fire(onChange);
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Notify(Property::Visible);
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Notify(Property::Enabled);
}

void Control::SetForeColor(Color color) {
  if (fore_ == color) return;
  fore_ = color;
  Notify(Property::ForeColor);
}

void Control::SetBackColor(Color color) {
  if (back_ == color) return;
  back_ = color;
  Notify(Property::BackColor);
}

void Control::SetBold(bool bold) {
  if (bold_ == bold) return;
  bold_ = bold;
  Notify(Property::Bold);
}

void Control::SetToolTip(std::string_view tip) {
  if (toolTip_ == tip) return;
  toolTip_.assign(tip);
  Notify(Property::ToolTip);
}

void Control::Clear() {
  const bool hadSelection = listIndex_ >= 0;
  items_.clear();
  listIndex_ = -1;
  Notify(Property::Items);
  if (hadSelection) Notify(Property::ListIndex);
}

void Control::AddItem(std::string item) {
  items_.push_back(std::move(item));
  Notify(Property::Items);
}

void Control::SetListIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) return;
  if (listIndex_ == index) return;
  listIndex_ = index;
  Notify(Property::ListIndex);
  Fire(onClick);
}

void Control::SetValue(int value) {
  if (design_.kind == ControlKind::Option) {
    value = value != 0 ? 1 : 0;
    if (value_ == value) return;
    if (value == 1) {
      // Choosing one button of a group clears the others before its click runs.
      for (Control& peer : owner_.All()) {
        if (&peer != this && peer.Kind() == ControlKind::Option &&
            peer.Design().group == design_.group && peer.value_ != 0) {
          peer.value_ = 0;
          peer.Notify(Property::Value);
        }
      }
    }
    value_ = value;
    Notify(Property::Value);
    if (value_ == 1) Fire(onClick);
    return;
  }
  if (value_ == value) return;
  value_ = value;
  Notify(Property::Value);
  if (design_.kind == ControlKind::CheckBox) Fire(onClick);
}

void Control::Click() {
  Fire(onClick);
}

void Control::Notify(Property property) {
  owner_.Notify(*this, property);
}

}  // namespace quillbit
