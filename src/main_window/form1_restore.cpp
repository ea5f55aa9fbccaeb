// The second half of loading: the values the last run saved, each through its control.
#include "core/audio_track_text.h"
#include "main_window/form1.h"

namespace quillbit {

void Form1::RestoreSettings() {
  for (const StoredSetting* setting : RestoreOrder()) RestoreSetting(*setting);
  RestoreAudioTracks();
  // The destination is restored without a calc of its own.
  ShowDiscChecks();
}

// A list that cannot be read (edited by hand, from a later version) is dropped on its own: the
// audio keeps its stored bytes. Good tracks are sized for the length at the next calc; the
// limits line takes their rate now.
void Form1::RestoreAudioTracks() {
  TrackListRead read = ReadTrackList(ports_.settings.Read(kAudioTracksSetting).AsText());
  if (!read.tracks || read.tracks->empty()) return;
  LinkAudioTracks(std::move(*read.tracks));
  ShowLimits();
}

void Form1::RestoreSetting(const StoredSetting& setting) {
  SettingsStore& store = ports_.settings;
  switch (setting.form) {
    case StoredForm::FieldText:
      controls_.Get(setting.name).SetText(RestoredFieldText(store.Read(setting.name)));
      return;
    case StoredForm::FormatChoice:
      // Each selection runs the format handler; with PAL that may clear "Forced FILM" and show
      // the PAL note, before the window is shown.
      if (RestoresPal(store.Read(setting.name))) {
        optFormat[0]->SetValue(0);
        optFormat[1]->SetValue(1);
      } else {
        optFormat[0]->SetValue(1);
        optFormat[1]->SetValue(0);
      }
      return;
    case StoredForm::ForcedFilm:
      if (const auto value = RestoredForcedFilm(store.Read(setting.name))) chkFF.SetValue(*value);
      return;
    case StoredForm::ListItem:
      // Read once to test for the empty text and once more to select it. A text that is not
      // one of the list's items selects nothing, so the list keeps its start-up choice.
      if (RestoredListItem(store.Read(setting.name))) {
        controls_.Get(setting.name).SetText(store.Read(setting.name).AsText());
      }
      return;
    case StoredForm::ByteCount: {
      const SizeField* field = FieldByBytes(setting.name);
      if (field == nullptr) return;
      const SettingValue stored =
          setting.ReadAtStartUp() ? store.Read(setting.name) : SettingValue::Missing();
      BytesOf(*field) = RestoredByteCount(setting, stored, locale_);
      ShowBytes(*field);
      return;
    }
  }
}

}  // namespace quillbit
