#include "main_window/frm_audio_tracks.h"

#include <algorithm>
#include <string>
#include <utility>

#include "main_window/frm_audio_tracks_layout.h"

namespace quillbit {
namespace {

constexpr std::string_view kNoTrack = "(none)";

// The format list's index for a track: "(none)" first, then the formats in their order.
int FormatIndex(const std::optional<AudioTrack>& track) {
  if (!track) return 0;
  const auto formats = AudioFormats();
  for (std::size_t i = 0; i < formats.size(); ++i) {
    if (formats[i].format == track->format) return static_cast<int>(i) + 1;
  }
  return 0;
}

template <typename Value, typename ItemText>
void ShowChoices(Control& list, const std::vector<Value>& values, const Value& chosen,
                 ItemText itemText) {
  std::vector<std::string> items;
  items.reserve(values.size());
  for (const Value& value : values) items.push_back(itemText(value));
  // Refilled only when the choices change, so a list a person is in keeps its place.
  if (list.Items() != items) {
    list.Clear();
    for (std::string& item : items) list.AddItem(std::move(item));
  }
  const auto at = std::find(values.begin(), values.end(), chosen);
  list.SetListIndex(at == values.end() ? -1 : static_cast<int>(at - values.begin()));
}

void Empty(Control& list) {
  list.Clear();
  list.SetEnabled(false);
}

// The value a person picked in a list, when the list has one.
template <typename Value>
std::optional<Value> Picked(const Control& list, const std::vector<Value>& values) {
  const int index = list.ListIndex();
  if (index < 0 || index >= static_cast<int>(values.size())) return std::nullopt;
  return values[static_cast<std::size_t>(index)];
}

}  // namespace

frmAudioTracks::frmAudioTracks(NumberLocale locale, AudioTracksRequest request,
                               FrmAudioTracksPorts ports)
    : FormFrame(std::string(kFrmAudioTracksCaption),
                kFrmAudioTracksClientWidth + kDialogFrameWidthTwips,
                kFrmAudioTracksClientHeight + kDialogFrameHeightTwips),
      locale_(std::move(locale)),
      request_(std::move(request)),
      ports_(ports),
      controls_(FrmAudioTracksLayout()),
      lblLength(controls_.Get("lblLength")),
      txtTotal(controls_.Get("txtTotal")) {
  for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
    Row& row = rows_[static_cast<std::size_t>(i)];
    row.cmbFormat = &controls_.Get(ControlArrayName("cmbFormat", i));
    row.cmbChannels = &controls_.Get(ControlArrayName("cmbChannels", i));
    row.cmbBitrate = &controls_.Get(ControlArrayName("cmbBitrate", i));
    row.cmbSampleRate = &controls_.Get(ControlArrayName("cmbSampleRate", i));
    row.cmbBits = &controls_.Get(ControlArrayName("cmbBits", i));
    row.txtTrackSize = &controls_.Get(ControlArrayName("txtTrackSize", i));
  }
  WireHandlers();
}

void frmAudioTracks::WireHandlers() {
  for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
    Row& row = rows_[static_cast<std::size_t>(i)];
    row.cmbFormat->onClick = [this, i] { cmbFormat_Click(i); };
    row.cmbChannels->onClick = [this, i] { cmbChannels_Click(i); };
    row.cmbBitrate->onClick = [this, i] { cmbBitrate_Click(i); };
    row.cmbSampleRate->onClick = [this, i] { cmbSampleRate_Click(i); };
    row.cmbBits->onClick = [this, i] { cmbBits_Click(i); };
  }
  controls_.Get("cmdOK").onClick = [this] { cmdOK_Click(); };
  controls_.Get("cmdCancel").onClick = [this] { cmdCancel_Click(); };
}

void frmAudioTracks::Form_Load() {
  if (loaded_) return;
  CenterOn(ports_.screen);
  showing_ = true;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    Row& row = rows_[i];
    row.cmbFormat->Clear();
    row.cmbFormat->AddItem(std::string(kNoTrack));
    for (const AudioFormatInfo& info : AudioFormats())
      row.cmbFormat->AddItem(std::string(info.name));
    // A track the window cannot offer as it is shows as the nearest one it can.
    if (i < request_.tracks.size()) {
      const AudioTrack& track = request_.tracks[i];
      row.track = TrackProblem(track) ? Legalized(track) : track;
    } else {
      row.track.reset();
    }
    ShowRow(row);
  }
  showing_ = false;
  lblLength.SetText(SizesForText(request_.length));
  ShowSizes();
  loaded_ = true;
}

void frmAudioTracks::Unload() {
  if (!loaded_) return;
  loaded_ = false;
  ports_.host.WindowUnloaded();
}

void frmAudioTracks::cmdOK_Click() {
  if (!loaded_) return;
  // Handed on before the window goes, once however often the button is pressed meanwhile.
  if (auto accepted = std::exchange(request_.accepted, nullptr)) accepted(Tracks());
  Unload();
}

void frmAudioTracks::cmdCancel_Click() {
  Unload();
}

void frmAudioTracks::cmbFormat_Click(int row) {
  Row* r = ChosenIn(row);
  if (r == nullptr) return;
  const int index = r->cmbFormat->ListIndex();
  if (index < 0 || index == FormatIndex(r->track)) return;
  if (index == 0) {
    Choose(row, std::nullopt);
  } else if (index <= static_cast<int>(AudioFormats().size())) {
    Choose(row, DefaultTrack(AudioFormats()[static_cast<std::size_t>(index - 1)].format));
  }
}

void frmAudioTracks::cmbChannels_Click(int row) {
  Row* r = ChosenIn(row);
  if (r == nullptr || !r->track) return;
  if (const auto channels = Picked(*r->cmbChannels, r->choices.channels)) {
    AudioTrack track = *r->track;
    track.channels = *channels;
    Choose(row, Legalized(track));
  }
}

void frmAudioTracks::cmbBitrate_Click(int row) {
  Row* r = ChosenIn(row);
  if (r == nullptr || !r->track) return;
  if (const auto bitRate = Picked(*r->cmbBitrate, r->choices.bitRates)) {
    AudioTrack track = *r->track;
    track.bitRate = *bitRate;
    Choose(row, Legalized(track));
  }
}

void frmAudioTracks::cmbSampleRate_Click(int row) {
  Row* r = ChosenIn(row);
  if (r == nullptr || !r->track) return;
  if (const auto sampleRate = Picked(*r->cmbSampleRate, r->choices.sampleRates)) {
    AudioTrack track = *r->track;
    track.sampleRate = *sampleRate;
    Choose(row, Legalized(track));
  }
}

void frmAudioTracks::cmbBits_Click(int row) {
  Row* r = ChosenIn(row);
  if (r == nullptr || !r->track) return;
  if (const auto bits = Picked(*r->cmbBits, r->choices.bits)) {
    AudioTrack track = *r->track;
    track.bits = *bits;
    Choose(row, Legalized(track));
  }
}

std::vector<AudioTrack> frmAudioTracks::Tracks() const {
  std::vector<AudioTrack> tracks;
  for (const Row& row : rows_) {
    if (row.track) tracks.push_back(*row.track);
  }
  return tracks;
}

frmAudioTracks::Row* frmAudioTracks::ChosenIn(int row) {
  if (showing_ || row < 0 || row >= static_cast<int>(rows_.size())) return nullptr;
  return &rows_[static_cast<std::size_t>(row)];
}

void frmAudioTracks::Choose(int row, std::optional<AudioTrack> track) {
  Row& r = rows_[static_cast<std::size_t>(row)];
  if (r.track == track) return;
  r.track = track;
  showing_ = true;
  ShowRow(r);
  showing_ = false;
  ShowSizes();
}

// Called with showing_ set: the clicks the lists fire as they are filled are code's own.
void frmAudioTracks::ShowRow(Row& row) {
  row.cmbFormat->SetListIndex(FormatIndex(row.track));
  if (!row.track) {
    row.choices = {};
    Empty(*row.cmbChannels);
    Empty(*row.cmbBitrate);
    Empty(*row.cmbSampleRate);
    Empty(*row.cmbBits);
    return;
  }
  const AudioTrack& track = *row.track;
  const bool lpcm = track.format == AudioFormat::Lpcm;
  row.choices = ChoicesFor(track);
  ShowChoices(*row.cmbChannels, row.choices.channels, track.channels, ChannelsItem);
  ShowChoices(*row.cmbBitrate, row.choices.bitRates, track.bitRate, BitRateItem);
  ShowChoices(*row.cmbSampleRate, row.choices.sampleRates, track.sampleRate, SampleRateItem);
  ShowChoices(*row.cmbBits, row.choices.bits, track.bits, BitsItem);
  row.cmbChannels->SetEnabled(true);
  // LPCM's rate follows from the other three; the others run at one rate with no bits to choose.
  row.cmbBitrate->SetEnabled(!lpcm);
  row.cmbSampleRate->SetEnabled(lpcm);
  row.cmbBits->SetEnabled(lpcm);
}

void frmAudioTracks::ShowSizes() {
  for (Row& row : rows_) {
    std::optional<std::uint64_t> bytes;
    if (row.track && request_.length) bytes = TrackBytes(*row.track, *request_.length);
    row.txtTrackSize->SetText(bytes ? GroupedBytes(*bytes, locale_) : "");
  }
  std::optional<std::uint64_t> total;
  if (request_.length) total = TotalBytes(Tracks(), *request_.length);
  txtTotal.SetText(total ? GroupedBytes(*total, locale_) : "");
}

}  // namespace quillbit
