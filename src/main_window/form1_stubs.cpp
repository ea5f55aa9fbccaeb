// Handlers not built yet: each does nothing until its behaviour lands.
#include "main_window/form1.h"

namespace quillbit {

void Form1::Form_Load() { loaded_ = true; }
void Form1::Unload() {
  if (!loaded_) return;
  Form_QueryUnload();
  loaded_ = false;
  ports_.host.WindowUnloaded();
}
void Form1::Form_QueryUnload() {}
void Form1::Form_KeyDown(int, int) {}
void Form1::Form_KeyUp(int, int) {}
void Form1::cmbCCESet_Click() { calc(); }
void Form1::optFormat_Click(int) {}
void Form1::chkFF_Click() {}
void Form1::txtFrames_Change() { calc(); }
void Form1::txtFPS_Change() { calc(); }
void Form1::txtSampleFrame_Change() { calc(); }
void Form1::txtSampleQ_Change() { calc(); }
void Form1::txtAudio_KeyUp(int, int) {}
void Form1::txtSub_KeyUp(int, int) {}
void Form1::txtCushion_KeyUp(int, int) {}
void Form1::txtDiskSpace_KeyUp(int, int) {}
void Form1::txtSampleSize_KeyUp(int, int) {}
void Form1::cmbAudio_Click() {}
void Form1::cmbSub_Click() {}
void Form1::cmbCush_Click() {}
void Form1::cmbDest_Click() {}
void Form1::cmbSampleSize_Click() {}
void Form1::mnuExit_Click() { Unload(); }
void Form1::mnuAbout_Click() { ports_.host.ShowAboutWindow(); }
void Form1::ShowPalNote() {}

}  // namespace quillbit
