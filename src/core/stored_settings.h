#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/number_locale.h"
#include "core/presets.h"
#include "core/setting_value.h"

namespace quillbit {

// How a stored value is written and read back.
enum class StoredForm {
  FieldText,     // a text box's text as typed; back as text
  FormatChoice,  // "True" with PAL selected, "False" with NTSC
  ForcedFilm,    // "un" or "ch"; back by its first letter in either case
  ByteCount,     // a byte count in plain text form; back through NumOrZero
  ListItem,      // a list's selected item; selected again unless empty
};

// Where a byte count comes from at start-up.
enum class ByteRestore {
  Stored,          // the stored number, 0 when missing or not a number
  StoredPositive,  // the stored number, or the fallback when that is 0 or less
  Fixed,           // always the fallback; the stored number is never read
};

// One of the seventeen values. The name is the value name and also the control or byte count
// the value is taken from and put back into.
struct StoredSetting {
  std::string_view name;
  StoredForm form;
  int restoreStep;  // place in the start-up restore, 0 first
  ByteRestore bytes = ByteRestore::Stored;
  double fallback = 0;

  bool ReadAtStartUp() const {
    return !(form == StoredForm::ByteCount && bytes == ByteRestore::Fixed);
  }
};

inline constexpr std::size_t kStoredSettingCount = 17;

// The seventeen values in the order they are written. Start-up restores each unit before its
// byte count, so that the count is shown in the restored unit.
inline constexpr StoredSetting kStoredSettings[kStoredSettingCount] = {
    {"txtFrames", StoredForm::FieldText, 0},
    {"optFormat", StoredForm::FormatChoice, 1},
    {"chkFF", StoredForm::ForcedFilm, 2},
    {"bytes_aud", StoredForm::ByteCount, 4},
    {"cmbAudio", StoredForm::ListItem, 3},
    {"bytes_sub", StoredForm::ByteCount, 6},
    {"cmbSub", StoredForm::ListItem, 5},
    {"bytes_cush", StoredForm::ByteCount, 8, ByteRestore::StoredPositive, kStartCushionBytes},
    {"cmbCush", StoredForm::ListItem, 7},
    {"bytes_dest", StoredForm::ByteCount, 10, ByteRestore::Fixed, kStartDestinationBytes},
    {"cmbDest", StoredForm::ListItem, 9},
    {"cmbCCESet", StoredForm::ListItem, 11},
    {"cmbM2VSize", StoredForm::ListItem, 12},
    {"cmbSampleSize", StoredForm::ListItem, 13},
    {"bytes_sampsize", StoredForm::ByteCount, 14},
    {"txtSampleQ", StoredForm::FieldText, 15},
    {"txtSampleFrame", StoredForm::FieldText, 16},
};

// Beside the seventeen: the audio tracks that stand for the audio, as TrackListText writes
// them ("" for none). Written after them and restored last; a file without it has no tracks.
inline constexpr std::string_view kAudioTracksSetting = "audioTracks";

// The table in restore order.
std::span<const StoredSetting* const> RestoreOrder();

// Stored texts.
std::string FormatChoiceText(bool palSelected);
std::string ForcedFilmText(int checkBoxValue);
std::string ByteCountText(double bytes, const NumberLocale& locale);

// Read-backs. Anything that does not fit leaves the control as start-up had it.
bool RestoresPal(const SettingValue& value);  // only "True"; everything else keeps NTSC
std::optional<int> RestoredForcedFilm(const SettingValue& value);  // 0, 1, or unchanged
double RestoredByteCount(const StoredSetting& setting, const SettingValue& value,
                         const NumberLocale& locale);
std::string RestoredFieldText(const SettingValue& value);
std::optional<std::string> RestoredListItem(const SettingValue& value);  // none when empty

}  // namespace quillbit
