#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillbit {

enum class ControlKind {
  Label,
  TextBox,
  List,
  Option,
  CheckBox,
  Frame,
  Button,
  Menu,
  Picture,
  Line
};

// The system colours the windows use; the view maps them onto the desktop's palette.
// WarningText is the desktop's colour for text that warns (a check that failed).
enum class SystemColor { None, WindowText, ButtonFace, Window, WarningText };

struct Color {
  SystemColor system = SystemColor::None;
  std::uint8_t r = 0, g = 0, b = 0;

  static constexpr Color Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return {SystemColor::None, red, green, blue};
  }
  static constexpr Color System(SystemColor which) { return {which, 0, 0, 0}; }
  bool operator==(const Color&) const = default;
};

inline constexpr Color kBlue = Color::Rgb(0, 0, 255);
inline constexpr Color kBlack = Color::Rgb(0, 0, 0);
inline constexpr Color kWindowText = Color::System(SystemColor::WindowText);
inline constexpr Color kButtonFace = Color::System(SystemColor::ButtonFace);
inline constexpr Color kWindowBack = Color::System(SystemColor::Window);
inline constexpr Color kWarningText = Color::System(SystemColor::WarningText);

struct FontSpec {
  std::string family = "MS Sans Serif";
  double points = 8.25;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

enum class Align { Left, Right, Center };

// The mouse pointer over a control: the desktop's arrow, or the pointing hand of a link.
enum class MousePointer { Default, PointingHand };

// Position and size in twips, relative to the client area or to the containing frame.
// For a line, left/top is its start and width/height hold its end point (x2, y2).
struct Twips {
  int left = 0, top = 0, width = 0, height = 0;
};

// What the designer gave a control: everything that does not change at run time.
struct ControlDesign {
  std::string name;  // "optFormat(1)" for an element of a control array
  ControlKind kind = ControlKind::Label;
  std::string text;  // caption or initial text
  Twips rect;
  int tab = -1;           // place in the tab order; -1 for none
  std::string container;  // frame, or parent menu; empty for the window itself
  FontSpec font;
  Align align = Align::Left;
  bool readOnly = false;
  std::string toolTip;
  Color fore = kWindowText;
  Color back = kWindowBack;
  int index = -1;     // element index within a control array
  std::string group;  // option buttons sharing a group clear each other
  int lineWidth = 1;  // pixels, for lines
  // Buttons: Enter presses the default one unless another button has the focus; Esc presses
  // the cancel one.
  bool defaultButton = false;
  bool cancelButton = false;
  MousePointer pointer = MousePointer::Default;
  std::string picture;    // picture box: the image it shows, by a name the view resolves
  bool autoSize = false;  // picture box: sizes itself to its picture
  // What a screen reader calls the control: the caption of the label `labelledBy` (followed when
  // code rewrites it) with `nameSuffix` after it, or `accessibleName` where no label stands for
  // it. Without either, the control's own caption names it.
  std::string labelledBy;
  std::string nameSuffix;
  std::string accessibleName;
  // A menu item that shows a check mark while its value is 1.
  bool checkable = false;
};

// The run-time properties a view shows; each change is reported with one of these.
enum class Property {
  Text,
  Visible,
  Enabled,
  ForeColor,
  BackColor,
  Bold,
  Items,
  ListIndex,
  Value,
  ToolTip
};

class ControlSet;

// A control as a plain object. A change made by code fires the control's event at once, nested,
// exactly as the same change made by a person would; a change to the same value fires nothing.
class Control {
 public:
  Control(ControlSet& owner, ControlDesign design);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlDesign& Design() const { return design_; }
  const std::string& Name() const { return design_.name; }
  ControlKind Kind() const { return design_.kind; }

  // Text box text, label/button/frame/menu caption; for a list, the selected item or "".
  const std::string& Text() const;
  // For a list: selects the item with that text (no change when there is none).
  void SetText(std::string_view text);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  Color ForeColor() const { return fore_; }
  void SetForeColor(Color color);
  Color BackColor() const { return back_; }
  void SetBackColor(Color color);
  bool Bold() const { return bold_; }
  void SetBold(bool bold);
  // The tip shown while the mouse rests on the control; the designer's until code changes it.
  const std::string& ToolTip() const { return toolTip_; }
  void SetToolTip(std::string_view tip);

  // Lists.
  const std::vector<std::string>& Items() const { return items_; }
  void Clear();
  void AddItem(std::string item);
  int ListIndex() const { return listIndex_; }
  void SetListIndex(int index);

  // Check box value (0 clear, 1 checked), option button (1 selected), or a checkable menu
  // item's check mark (1 shown); setting a menu item's value fires nothing.
  int Value() const { return value_; }
  void SetValue(int value);

  // A click on a button or menu item.
  void Click();

  // Events. Change: a text box's text changed. Click: a list's selection, an option becoming
  // selected, a check box's value, a button or menu item pressed.
  std::function<void()> onChange;
  std::function<void()> onClick;
  std::function<void(int key, int shift)> onKeyDown;
  std::function<void(int key, int shift)> onKeyUp;

 private:
  void Notify(Property property);
  static void Fire(const std::function<void()>& handler) {
    if (handler) handler();
  }

  ControlSet& owner_;
  ControlDesign design_;
  std::string text_;
  bool visible_ = true;
  bool enabled_ = true;
  Color fore_;
  Color back_;
  bool bold_ = false;
  std::string toolTip_;
  std::vector<std::string> items_;
  int listIndex_ = -1;
  int value_ = 0;
};

}  // namespace quillbit
