// The inputs that are not size fields, and the estimated output size display.
#include "core/number_text.h"
#include "core/units.h"
#include "main_window/form1.h"

namespace quillbit {

// The projects' list is the tip only while the frame count is still their sum.
void Form1::txtFrames_Change() {
  if (!projectListFrames_.empty() && txtFrames.Text() != projectListFrames_) {
    projectListFrames_.clear();
    txtFrames.SetToolTip(txtFrames.Design().toolTip);
  }
  calc();
}
void Form1::txtFPS_Change() {
  calc();
}
void Form1::txtSampleFrame_Change() {
  calc();
}
void Form1::txtSampleQ_Change() {
  calc();
}

// Shows the last estimate in the chosen unit; never recalculates.
void Form1::cmbM2VSize_Click() {
  const double x = FromBytes(cmbM2VSize.Text(), state_.bytes_m2v);
  txtM2VSize.SetText(StandardNumber(x, locale_));
}

}  // namespace quillbit
