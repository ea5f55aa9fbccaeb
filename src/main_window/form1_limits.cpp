// The line under the results: the last calc checked against what a DVD player reads.
#include "core/dvd_limits.h"
#include "main_window/form1.h"

namespace quillbit {

// Empty, in window text, when the last calc gave no estimate or no room.
void Form1::ShowLimits() {
  const std::optional<DvdLimitInputs> inputs =
      lastCalc_ ? LimitInputsOf(lastCalc_->in, lastCalc_->result, state_.audioTracks, locale_)
                : std::nullopt;
  if (!inputs) {
    lblLimits.SetText("");
    lblLimits.SetForeColor(kWindowText);
    return;
  }
  const DvdLimitCheck check = CheckDvdLimits(*inputs);
  lblLimits.SetText(DvdLimitText(check, locale_));
  lblLimits.SetForeColor(check.broken == DvdLimit::None ? kWindowText : kWarningText);
}

}  // namespace quillbit
