// The inputs that are not size fields, and the estimated output size display.
#include "core/number_text.h"
#include "core/units.h"
#include "main_window/form1.h"

namespace quillbit {

void Form1::txtFrames_Change() {
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
