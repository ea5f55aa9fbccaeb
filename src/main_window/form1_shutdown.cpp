// Closing the window: every close saves the seventeen values and the audio tracks, and is never
// refused.
#include "core/audio_track_text.h"
#include "main_window/form1.h"

namespace quillbit {

void Form1::Unload() {
  if (!loaded_) return;
  Form_QueryUnload();
  loaded_ = false;
  ports_.host.WindowUnloaded();
}

void Form1::Form_QueryUnload() {
  SettingsStore& store = ports_.settings;
  store.CreateKey();
  for (const StoredSetting& setting : kStoredSettings)
    store.Write(setting.name, StoredText(setting));
  store.Write(kAudioTracksSetting, TrackListText(state_.audioTracks));
}

// Byte counts come from the state, not the boxes: a converted size keeps its exact count.
std::string Form1::StoredText(const StoredSetting& setting) {
  switch (setting.form) {
    case StoredForm::FieldText:
    case StoredForm::ListItem:
      return controls_.Get(setting.name).Text();
    case StoredForm::FormatChoice:
      return FormatChoiceText(optFormat[1]->Value() == 1);
    case StoredForm::ForcedFilm:
      return ForcedFilmText(chkFF.Value());
    case StoredForm::ByteCount: {
      const SizeField* field = FieldByBytes(setting.name);
      return ByteCountText(field != nullptr ? BytesOf(*field) : 0, locale_);
    }
  }
  return {};
}

void Form1::mnuExit_Click() {
  Unload();
}

void Form1::mnuAbout_Click() {
  ports_.host.ShowAboutWindow();
}

}  // namespace quillbit
