#include "core/movie_length.h"

#include <cmath>

namespace quillbit {

FrameRate PlayingRate(bool pal, bool forcedFilm) {
  if (pal) return forcedFilm ? FrameRate{20, 1} : FrameRate{25, 1};
  return forcedFilm ? FrameRate{24000, 1001} : FrameRate{30000, 1001};
}

std::optional<MovieLength> MovieLengthOf(double frames, FrameRate rate) {
  if (!std::isfinite(frames) || frames < 0) return std::nullopt;
  const double whole = std::ceil(frames);
  if (whole > static_cast<double>(kMaxMovieFrames)) return std::nullopt;
  return MovieLength{.frames = static_cast<std::uint64_t>(whole), .rate = rate};
}

}  // namespace quillbit
