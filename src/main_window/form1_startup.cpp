// Loading the window: placement, caption, the lists and the starting values, then the restore.
#include <string>
#include <string_view>

#include "core/units.h"
#include "main_window/form1.h"

namespace quillbit {
namespace {

template <typename Items>
void Fill(Control& list, const Items& items) {
  list.Clear();
  for (std::string_view item : items) list.AddItem(std::string(item));
}

}  // namespace

// Every value goes in through its control, whose own handler recalculates; this never calls
// calc itself.
void Form1::Form_Load() {
  if (loaded_) return;
  CenterOn(ports_.screen);
  SetCaption(Caption() + " (Version " + app_.VersionText() + ")");

  state_.filmAutoCleared = 0;
  optFormat[0]->SetValue(1);
  chkFF.SetValue(1);
  optFormat_Click(0);  // whatever the two changes above already ran

  Fill(cmbCCESet, kMethodNames);
  cmbCCESet.SetText(kMethodSinglePass);

  for (const StartingUnit& start : kStartingUnits) {
    Control& list = controls_.Get(start.list);
    Fill(list, kUnitNames);
    list.SetText(start.unit);
    const SizeField* field = FieldByList(start.list);
    if (field == nullptr || !start.setsBytes) continue;
    // Overwrites what the list's handler just read from the box.
    BytesOf(*field) = start.bytes;
    if (start.showsBytes) ShowBytes(*field);
  }

  RestoreSettings();
  loaded_ = true;
}

}  // namespace quillbit
