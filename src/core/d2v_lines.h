#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quillbit {

// The frame rates a DVD's video is served at.
enum class DvdRate { Ntsc, Film, Pal };

// The value of a Frame_Rate setting: thousandths of a frame per second, then the exact rate in
// parentheses ("29970 (30000/1001)"). The exact rate decides when it is there.
std::optional<DvdRate> DvdRateOf(std::string_view value);

// What one data line holds: its pictures, those of them that repeat their first field, and
// whether it ends the stream.
struct D2vDataLine {
  std::int64_t pictures = 0;
  std::int64_t repeats = 0;
  bool endOfStream = false;
};

// A data line ("info matrix file position skip vob cell flags..."), or none when it is damaged:
// a field missing or not a number, an info field without its data-line bit, a file number past the
// `files` of the project, a flag that is not a hex byte, anything after the end-of-stream flag, or
// no flag at all.
std::optional<D2vDataLine> ParseD2vDataLine(std::string_view line, std::int64_t files);

// The percentage of FILM from the last line ("FINISHED  97.85% FILM"), when it gives one.
std::optional<double> FilmPercentOf(std::string_view line);

}  // namespace quillbit
