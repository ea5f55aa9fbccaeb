// The five size fields: a number in a box, its unit list, and the byte count it stands for.
#include <cmath>

#include "core/number_text.h"
#include "core/units.h"
#include "main_window/form1.h"

namespace quillbit {
namespace {

// A number too large for its unit (1E300 GB) has no byte count; it counts as none.
double FiniteOrZero(double bytes) {
  return std::isfinite(bytes) ? bytes : 0;
}

}  // namespace

// Any modifier counts as "Shift"; the flag lasts until the next release of any key.
void Form1::Form_KeyDown(int /*keyCode*/, int shift) {
  if (shift == 0) return;
  state_.shiftHeld = true;
  Label12.SetText("Shift");
}

void Form1::Form_KeyUp(int /*keyCode*/, int /*shift*/) {
  state_.shiftHeld = false;
  Label12.SetText("");
}

void Form1::SizeKeyUp(const SizeField& field) {
  BytesOf(field) = FiniteOrZero(ToBytes(field.list.Text(), NumOrZero(field.box.Text(), locale_)));
  calc();
}

void Form1::UnitClick(const SizeField& field) {
  if (state_.shiftHeld) {
    // Conversion: same bytes, shown in the new unit; no input changed, so no recalculation.
    ShowBytes(field);
    return;
  }
  SizeKeyUp(field);
}

void Form1::ShowBytes(const SizeField& field) {
  field.box.SetText(PlainText(FromBytes(field.list.Text(), BytesOf(field)), locale_));
  if (&field == &sizeFields_[kAudio] && !state_.audioTracks.empty())
    audioLinkText_ = field.box.Text();
}

const Form1::SizeField* Form1::FieldByList(std::string_view listName) const {
  for (const SizeField& field : sizeFields_) {
    if (field.list.Name() == listName) return &field;
  }
  return nullptr;
}

const Form1::SizeField* Form1::FieldByBytes(std::string_view bytesName) const {
  for (const SizeField& field : sizeFields_) {
    if (field.bytesName == bytesName) return &field;
  }
  return nullptr;
}

// A key up that leaves the box as the tracks showed it (Tab arriving, an arrow) keeps them and
// their exact bytes; typing ends the link and the box is read as always.
void Form1::txtAudio_KeyUp(int, int) {
  if (!state_.audioTracks.empty() && txtAudio.Text() == audioLinkText_) {
    calc();
    return;
  }
  EndAudioLink();
  SizeKeyUp(sizeFields_[kAudio]);
}
void Form1::txtSub_KeyUp(int, int) {
  SizeKeyUp(sizeFields_[kSubtitles]);
}
void Form1::txtCushion_KeyUp(int, int) {
  SizeKeyUp(sizeFields_[kCushion]);
}
void Form1::txtDiskSpace_KeyUp(int, int) {
  SizeKeyUp(sizeFields_[kDestination]);
}
void Form1::txtSampleSize_KeyUp(int, int) {
  SizeKeyUp(sizeFields_[kSample]);
}
// A conversion keeps the tracks; a plain change reads the box in the new unit, as typing does.
void Form1::cmbAudio_Click() {
  if (!state_.shiftHeld) EndAudioLink();
  UnitClick(sizeFields_[kAudio]);
}
void Form1::cmbSub_Click() {
  UnitClick(sizeFields_[kSubtitles]);
}
void Form1::cmbCush_Click() {
  UnitClick(sizeFields_[kCushion]);
}
void Form1::cmbDest_Click() {
  UnitClick(sizeFields_[kDestination]);
}
void Form1::cmbSampleSize_Click() {
  UnitClick(sizeFields_[kSample]);
}

}  // namespace quillbit
