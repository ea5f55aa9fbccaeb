#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "core/number_locale.h"

namespace quillbit {

inline constexpr const char* kMethodSinglePass = "Single Pass VBR";
inline constexpr const char* kMethodBach = "Single Pass (Bach Method)";
inline constexpr const char* kMethodMultiPass = "Multi-Pass VBR";

// Everything one recalculation reads: control texts as they stand, and the byte counts.
struct CalcInputs {
  std::string txtFPS;
  std::string txtFrames;
  std::string cmbCCESet;
  bool ntsc = true;  // optFormat(0) selected
  std::string txtCCEMax;
  std::string txtSampleFrame;
  std::string txtSampleQ;
  double bytes_dest = 0;
  double bytes_cush = 0;
  double bytes_aud = 0;
  double bytes_sub = 0;
  double bytes_sampsize = 0;
};

// The output controls a recalculation writes.
enum class CalcTarget { txtLength, txtCCEMin, txtCCEQ, lblSampPerc, txtM2VSize };

struct CalcWrite {
  CalcTarget target;
  std::string text;
};

// The writes of one run, in order, including those made before a failure.
struct CalcResult {
  static constexpr std::size_t kMaxWrites = 8;
  std::array<CalcWrite, kMaxWrites> writes{};
  std::size_t writeCount = 0;
  std::optional<double> bytes_m2v;    // set when the run assigned it (also the partial V of step 8)
  std::optional<double> bytes_video;  // the room for the video (V), once the playing time is known
  bool failed = false;
  bool refreshDisplay = false;  // the run ended with the estimated output size display

  void Write(CalcTarget target, std::string text) {
    if (writeCount == kMaxWrites) return;  // no run writes more; a guard, not a limit
    writes[writeCount].target = target;
    writes[writeCount].text = std::move(text);
    ++writeCount;
  }
  const CalcWrite* begin() const { return writes.data(); }
  const CalcWrite* end() const { return writes.data() + writeCount; }
};

// One recalculation as a pure function. Never throws; a division by zero, an overflow, an
// invalid result or an unreadable frame rate or count ends on the failure path, which writes
// "0" into txtCCEMin and txtM2VSize and skips the display.
CalcResult calc(const CalcInputs& in, const NumberLocale& locale);

}  // namespace quillbit
