#pragma once

#include <optional>
#include <string_view>

namespace quillbit::scenario {

// The windows of the program a scenario can see, in the order they are searched for a control.
enum class WindowId { Main, About, AudioTracks };

struct WindowName {
  WindowId id;
  std::string_view word;    // how a scenario and a dump name it: "main", "about", ...
  std::string_view called;  // how a message names it: "the About window"
};

inline constexpr WindowName kWindows[] = {
    {WindowId::Main, "main", "the main window"},
    {WindowId::About, "about", "the About window"},
    {WindowId::AudioTracks, "audio_tracks", "the Audio Tracks window"},
};

// The window a scenario names with `word`; none for a word that names none.
std::optional<WindowId> WindowByWord(std::string_view word);
const WindowName& NameOf(WindowId window);

}  // namespace quillbit::scenario
