// The encoding method and the TV format: the results frame's layout and the frame rate.
#include "core/number_text.h"
#include "main_window/form1.h"

namespace quillbit {

void Form1::cmbCCESet_Click() {
  for (const LayoutStep& step : MethodLayout(cmbCCESet.Text())) ApplyLayoutStep(step);
  calc();
}

void Form1::ApplyLayoutStep(const LayoutStep& step) {
  for (std::string_view name : step.controls) {
    if (name.empty()) break;
    Control& control = controls_.Get(name);
    switch (step.action) {
      case LayoutAction::Show:
        control.SetVisible(true);
        break;
      case LayoutAction::Hide:
        control.SetVisible(false);
        break;
      case LayoutAction::Highlight:
        control.SetForeColor(kHighlightColor);
        control.SetBold(true);
        break;
      case LayoutAction::MakePlain:
        control.SetForeColor(kPlainColor);
        control.SetBold(false);
        break;
      case LayoutAction::SetText:
        control.SetText(step.text);
        break;
      case LayoutAction::SetForeColor:
        control.SetForeColor(step.color);
        break;
      case LayoutAction::ShowPalNoteIfDue:
      case LayoutAction::ResetPalNote:
        break;
    }
  }
  if (step.action == LayoutAction::ShowPalNoteIfDue && optFormat[1]->Value() == 1 &&
      !state_.palNoteShown) {
    ShowPalNote();
    state_.palNoteShown = true;
  }
  if (step.action == LayoutAction::ResetPalNote) state_.palNoteShown = false;
}

// The index is not looked at: chkFF_Click and start-up pass 0 whichever option is selected.
void Form1::optFormat_Click(int /*index*/) {
  double rate = 0;
  if (optFormat[0]->Value() == 1) {
    rate = kNtscFrameRate;
    state_.palNoteShown = false;
  } else {
    rate = kPalFrameRate;
    if (state_.filmAutoCleared == 0 && chkFF.Value() == 1) {
      // Runs chkFF_Click and so this handler again, which shows the note if due.
      chkFF.SetValue(0);
      state_.filmAutoCleared = 1;
    }
    if (cmbCCESet.Text() == kMethodSinglePass && !state_.palNoteShown) {
      ShowPalNote();
      state_.palNoteShown = true;
    }
  }
  if (chkFF.Value() == 1) rate *= kForcedFilmFactor;
  // Only a new text recalculates, through txtFPS_Change.
  const std::string text = PlainText(rate, locale_);
  if (txtFPS.Text() != text) txtFPS.SetText(text);
}

void Form1::chkFF_Click() {
  optFormat_Click(0);
}

void Form1::ShowPalNote() {
  ports_.messages.ShowMessage(app_.title, kPalNote);
}

}  // namespace quillbit
