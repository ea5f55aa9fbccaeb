#include "core/control_set.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace quillbit {

ControlSet::ControlSet(const std::vector<ControlDesign>& designs) {
  for (const ControlDesign& design : designs) controls_.emplace_back(*this, design);
}

Control* ControlSet::Find(std::string_view name) {
  for (Control& control : controls_) {
    if (control.Name() == name) return &control;
  }
  return nullptr;
}

Control& ControlSet::Get(std::string_view name) {
  Control* control = Find(name);
  // A name missing from the designer table is a programming error, not a run-time condition.
  if (control == nullptr) throw std::logic_error("no control named " + std::string(name));
  return *control;
}

int ControlSet::Subscribe(Observer observer) {
  observers_.emplace_back(nextObserver_, std::move(observer));
  return nextObserver_++;
}

void ControlSet::Unsubscribe(int id) {
  std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void ControlSet::Notify(const Control& control, Property property) const {
  for (const auto& [id, observer] : observers_) observer(control, property);
}

void ControlSet::KeyDown(Control* focused, int key, int shift) {
  if (onFormKeyDown) onFormKeyDown(key, shift);
  if (focused != nullptr && focused->onKeyDown) focused->onKeyDown(key, shift);
}

void ControlSet::KeyUp(Control* focused, int key, int shift) {
  if (onFormKeyUp) onFormKeyUp(key, shift);
  if (focused != nullptr && focused->onKeyUp) focused->onKeyUp(key, shift);
}

void ControlSet::FilesDropped(const Control* control, const std::vector<std::string>& paths) {
  if (onFilesDropped && !paths.empty()) onFilesDropped(control, paths);
}

}  // namespace quillbit
