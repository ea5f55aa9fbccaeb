#include "core/accessible_name.h"

namespace quillbit {

std::string SpokenCaption(const std::string& caption) {
  std::string spoken;
  spoken.reserve(caption.size());
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') spoken += caption[++i];
      continue;
    }
    spoken += caption[i];
  }
  // A label's caption may end in a line break, which is not spoken either.
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!spoken.empty() && blank(spoken.back())) spoken.pop_back();
  if (!spoken.empty() && spoken.back() == ':') spoken.pop_back();
  while (!spoken.empty() && blank(spoken.back())) spoken.pop_back();
  size_t start = 0;
  while (start < spoken.size() && blank(spoken[start])) ++start;
  return spoken.substr(start);
}

std::string AccessibleName(const ControlSet& controls, const Control& control) {
  const ControlDesign& design = control.Design();
  if (!design.labelledBy.empty()) {
    for (const Control& label : controls.All()) {
      if (label.Name() == design.labelledBy) return SpokenCaption(label.Text()) + design.nameSuffix;
    }
  }
  if (!design.accessibleName.empty()) return design.accessibleName;
  if (!TextNamesAControl(control)) return {};
  return SpokenCaption(control.Text());
}

bool TextNamesAControl(const Control& control) {
  // A list's text is its selected item, which names the choice, not the list.
  return control.Kind() != ControlKind::List && control.Kind() != ControlKind::TextBox;
}

std::string AccessibleDescription(const Control& control) {
  return control.ToolTip();
}

std::vector<const Control*> ControlsNamedBy(const ControlSet& controls, const Control& label) {
  std::vector<const Control*> named;
  if (!TextNamesAControl(label)) return named;
  for (const Control& c : controls.All()) {
    if (c.Design().labelledBy == label.Name()) named.push_back(&c);
  }
  return named;
}

}  // namespace quillbit
