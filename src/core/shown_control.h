#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillbit {

// One control as its window shows it to a person, read back from what draws it rather than from
// the model, in terms that do not depend on the toolkit.
struct ShownControl {
  std::string name;
  std::string text;
  bool visible = false;
  bool enabled = false;
  std::string color;  // the text colour, "#rrggbb"
  bool bold = false;
  std::string toolTip;                            // empty for none
  std::optional<bool> readOnly;                   // text boxes
  std::optional<int> value;                       // check boxes: 0, 1, or 2 for greyed
  std::optional<bool> selected;                   // option buttons
  std::optional<std::vector<std::string>> items;  // lists
};

}  // namespace quillbit
