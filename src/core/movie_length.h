#pragma once

#include <cstdint>
#include <optional>

namespace quillbit {

// Frames per second as a fraction, so that a length in frames converts to time without error.
struct FrameRate {
  std::uint32_t num = 30000;
  std::uint32_t den = 1001;
  friend bool operator==(const FrameRate&, const FrameRate&) = default;
};

// The rate the movie plays at on a DVD: 30000/1001 for NTSC, 25 for PAL, and with Forced FILM
// four fifths of either (24000/1001, 20), as the window's frame-rate box has it. The box shows
// 29.969875 for NTSC; the audio that comes out of the encoder lasts as long as the video plays,
// so audio is sized by the true rate.
FrameRate PlayingRate(bool pal, bool forcedFilm);

// A movie's length: a whole number of frames at a rate.
struct MovieLength {
  std::uint64_t frames = 0;
  FrameRate rate;
};

// More frames than this (a year of NTSC video) are no movie; the limit keeps every size exact in
// 64-bit arithmetic.
inline constexpr std::uint64_t kMaxMovieFrames = 1'000'000'000;

// A frame count as the window holds it (a double from a text box) as a length. A fractional
// count is rounded up: its last, partial frame still plays. None for a negative, non-finite or
// too large count.
std::optional<MovieLength> MovieLengthOf(double frames, FrameRate rate);

}  // namespace quillbit
