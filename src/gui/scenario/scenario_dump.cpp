#include "gui/scenario/scenario_dump.h"

#include <variant>

#include "gui/scenario/json_writer.h"

namespace quillbit::scenario {
namespace {

void WriteControl(JsonWriter& json, const ControlView& c) {
  json.Key(c.name).BeginObject();
  json.Key("text").String(c.text);
  json.Key("visible").Bool(c.visible);
  json.Key("enabled").Bool(c.enabled);
  json.Key("color").String(c.color);
  json.Key("bold").Bool(c.bold);
  if (c.readOnly) json.Key("readonly").Bool(*c.readOnly);
  if (c.value) json.Key("value").Integer(*c.value);
  if (c.selected) json.Key("selected").Bool(*c.selected);
  if (c.items) {
    json.Key("items").BeginArray();
    for (const std::string& item : *c.items) json.String(item);
    json.EndArray();
  }
  json.EndObject();
}

void WriteWindow(JsonWriter& json, const char* key, const std::optional<WindowView>& window) {
  json.Key(key);
  if (!window) {
    json.Null();
    return;
  }
  json.BeginObject();
  for (const ControlView& control : window->controls) WriteControl(json, control);
  json.EndObject();
}

void WriteState(JsonWriter& json, const std::optional<Form1State>& state) {
  json.Key("state");
  if (!state) {
    json.Null();
    return;
  }
  json.BeginObject();
  json.Key("bytes_aud").Number(state->bytes_aud);
  json.Key("bytes_sub").Number(state->bytes_sub);
  json.Key("bytes_cush").Number(state->bytes_cush);
  json.Key("bytes_dest").Number(state->bytes_dest);
  json.Key("bytes_sampsize").Number(state->bytes_sampsize);
  json.Key("bytes_m2v").Number(state->bytes_m2v);
  json.Key("shiftHeld").Bool(state->shiftHeld);
  json.Key("palNoteShown").Bool(state->palNoteShown);
  json.Key("filmAutoCleared").Integer(state->filmAutoCleared);
  json.EndObject();
}

void WriteTexts(JsonWriter& json, const char* key, const std::vector<std::string>& texts) {
  json.Key(key).BeginArray();
  for (const std::string& text : texts) json.String(text);
  json.EndArray();
}

void WriteTitle(JsonWriter& json, const char* key, const std::optional<WindowView>& window) {
  json.Key(key);
  if (window) {
    json.String(window->title);
  } else {
    json.Null();
  }
}

}  // namespace

std::string DumpLine(const Snapshot& s) {
  JsonWriter json;
  json.BeginObject();
  WriteWindow(json, "main", s.main);
  WriteWindow(json, "about", s.about);
  WriteState(json, s.state);
  json.Key("calc_runs").Integer(s.calcRuns);
  json.Key("messages").BeginArray();
  for (const MessageView& message : s.messages) {
    json.BeginObject();
    json.Key("caption").String(message.caption);
    json.Key("text").String(message.text);
    json.EndObject();
  }
  json.EndArray();
  WriteTexts(json, "opened", s.opened);
  WriteTexts(json, "started", s.started);
  json.Key("store").BeginObject();
  for (const StoredView& stored : s.store) {
    json.Key(stored.name);
    if (const auto* number = std::get_if<std::int32_t>(&stored.value.value)) {
      json.Integer(*number);
    } else {
      json.String(stored.value.AsText());
    }
  }
  json.EndObject();
  json.Key("title").BeginObject();
  WriteTitle(json, "main", s.main);
  WriteTitle(json, "about", s.about);
  json.EndObject();
  json.EndObject();
  return json.Text();
}

}  // namespace quillbit::scenario
