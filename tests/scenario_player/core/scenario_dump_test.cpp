#include "scenario_player/core/scenario_dump.h"

#include <gtest/gtest.h>

#include "core/audio_track_text.h"

namespace quillbit::scenario {
namespace {

TEST(ScenarioDump, BeforeTheStartEverythingIsNullOrEmpty) {
  EXPECT_EQ(DumpLine(Snapshot{}),
            R"({"main": null, "about": null, "audio_tracks": null, "state": null, "calc_runs": 0, )"
            R"("messages": [], "opened": [], "started": [], "store": {}, )"
            R"("title": {"main": null, "about": null, "audio_tracks": null}, "focus": null})");
}

TEST(ScenarioDump, ControlsCarryTheFieldsOfTheirKind) {
  Snapshot s;
  s.main = WindowView{
      .title = "Quillbit (Version 1.1.1)",
      .controls = {
          {.name = "txtFPS",
           .text = "23.9759",
           .visible = true,
           .enabled = true,
           .color = "#000000",
           .readOnly = true},
          {.name = "chkFF", .text = "Forced FILM", .visible = true, .color = "#000000", .value = 1},
          {.name = "optFormat(1)",
           .text = "PAL",
           .color = "#0000ff",
           .bold = true,
           .selected = false},
          {.name = "cmbSub", .text = "MB", .color = "#000000", .items = {{"KB", "MB"}}},
      }};
  s.state = Form1State{.bytes_cush = 125829120,
                       .bytes_m2v = 4273073230.7692308,
                       .palNoteShown = true,
                       .filmAutoCleared = 1,
                       .audioTracks = {*ReadTrack("ac3:448:6").track, *ReadTrack("mp2:224").track}};
  s.calcRuns = 12;
  s.messages = {{"Quillbit", "Note: \"Single Pass VBR\" does not work well with PAL"}};
  s.opened = {"mailto:quillbit@example.org"};
  s.store = {{"chkFF", SettingValue::Text("ch")}, {"n", SettingValue::Integer(-1)}};
  s.focus = "txtFPS";
  EXPECT_EQ(
      DumpLine(s),
      R"({"main": {"txtFPS": {"text": "23.9759", "visible": true, "enabled": true, )"
      R"("color": "#000000", "bold": false, "readonly": true}, )"
      R"("chkFF": {"text": "Forced FILM", "visible": true, "enabled": false, "color": "#000000", )"
      R"("bold": false, "value": 1}, )"
      R"json("optFormat(1)": {"text": "PAL", "visible": false, "enabled": false, "color": "#0000ff", )json"
      R"("bold": true, "selected": false}, )"
      R"("cmbSub": {"text": "MB", "visible": false, "enabled": false, "color": "#000000", )"
      R"("bold": false, "items": ["KB", "MB"]}}, )"
      R"("about": null, "audio_tracks": null, )"
      R"("state": {"bytes_aud": 0, "bytes_sub": 0, "bytes_cush": 125829120, "bytes_dest": 0, )"
      R"("bytes_sampsize": 0, "bytes_m2v": 4273073230.7692308, "shiftHeld": false, )"
      R"("palNoteShown": true, "filmAutoCleared": 1, "audioTracks": "ac3:448:6,mp2:224:2"}, )"
      R"("calc_runs": 12, )"
      R"("messages": [{"caption": "Quillbit", )"
      R"("text": "Note: \"Single Pass VBR\" does not work well with PAL"}], )"
      R"("opened": ["mailto:quillbit@example.org"], "started": [], )"
      R"("store": {"chkFF": "ch", "n": -1}, )"
      R"json("title": {"main": "Quillbit (Version 1.1.1)", "about": null, "audio_tracks": null}, )json"
      R"("focus": "txtFPS"})");
}

}  // namespace
}  // namespace quillbit::scenario
