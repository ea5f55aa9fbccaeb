#include "scenario_player/core/scenario_dump.h"

#include <variant>

#include "core/audio_track_text.h"

namespace quillbit::scenario {
namespace {

Json ControlJson(const ControlView& c) {
  Json json = {{"text", c.text},
               {"visible", c.visible},
               {"enabled", c.enabled},
               {"color", c.color},
               {"bold", c.bold}};
  if (!c.toolTip.empty()) json["tooltip"] = c.toolTip;
  if (c.readOnly) json["readonly"] = *c.readOnly;
  if (c.value) json["value"] = *c.value;
  if (c.selected) json["selected"] = *c.selected;
  if (c.items) json["items"] = *c.items;
  return json;
}

Json WindowJson(const std::optional<WindowView>& window) {
  if (!window) return nullptr;
  Json json = Json::object();
  for (const ControlView& control : window->controls) json[control.name] = ControlJson(control);
  return json;
}

Json StateJson(const std::optional<Form1State>& state) {
  if (!state) return nullptr;
  return {{"bytes_aud", state->bytes_aud},
          {"bytes_sub", state->bytes_sub},
          {"bytes_cush", state->bytes_cush},
          {"bytes_dest", state->bytes_dest},
          {"bytes_sampsize", state->bytes_sampsize},
          {"bytes_m2v", state->bytes_m2v},
          {"shiftHeld", state->shiftHeld},
          {"palNoteShown", state->palNoteShown},
          {"filmAutoCleared", state->filmAutoCleared},
          {"audioTracks", TrackListText(state->audioTracks)}};
}

Json TitleJson(const std::optional<WindowView>& window) {
  return window ? Json(window->title) : Json(nullptr);
}

}  // namespace

Json DumpJson(const Snapshot& s) {
  Json json = Json::object();
  json["main"] = WindowJson(s.main);
  json["about"] = WindowJson(s.about);
  json["audio_tracks"] = WindowJson(s.audioTracks);
  json["state"] = StateJson(s.state);
  json["calc_runs"] = s.calcRuns;
  json["messages"] = Json::array();
  for (const MessageView& message : s.messages)
    json["messages"].push_back({{"caption", message.caption}, {"text", message.text}});
  json["opened"] = s.opened;
  json["started"] = s.started;
  json["store"] = Json::object();
  for (const StoredView& stored : s.store) {
    if (const auto* number = std::get_if<std::int32_t>(&stored.value.value)) {
      json["store"][stored.name] = *number;
    } else {
      json["store"][stored.name] = stored.value.AsText();
    }
  }
  json["title"] = {{"main", TitleJson(s.main)},
                   {"about", TitleJson(s.about)},
                   {"audio_tracks", TitleJson(s.audioTracks)}};
  json["focus"] = s.focus ? Json(*s.focus) : Json(nullptr);
  return json;
}

std::string DumpLine(const Snapshot& snapshot) {
  return JsonLine(DumpJson(snapshot));
}

}  // namespace quillbit::scenario
