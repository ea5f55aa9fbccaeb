// Arbitrary bytes through the project reader and the picture counter, as a dropped file of any
// kind would come. Any broken promise aborts, which the fuzzer reports with the input that did it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "core/d2v_project.h"
#include "core/mpeg_pictures.h"
#include "fuzz/fuzz_require.h"

namespace quillbit {
namespace {

void CheckProject(const std::string& bytes) {
  std::istringstream in(bytes);
  const D2vReadResult result = ReadD2vProject(in);
  Require(result.project.has_value() == (result.problem == D2vProblem::None),
          "a project comes exactly without a problem");
  const std::string text = D2vProblemText(result.problem, "x.d2v");
  Require(text.empty() == (result.problem == D2vProblem::None), "a problem has a text");
  Require(result.problem != D2vProblem::CannotRead, "a string stream cannot fail to read");
  if (!result.project) return;

  const D2vProject& p = *result.project;
  Require(p.version == 16, "only version 16 is read");
  Require(p.pictures > 0 && p.repeats >= 0 && p.repeats <= p.pictures, "pictures and repeats");
  // Three bytes a picture at least: two hex digits and a space.
  Require(p.pictures <= static_cast<std::int64_t>(bytes.size() / 2), "more pictures than bytes");
  // Served frames lie between four fifths of the pictures (FILM forced) and one and a half times
  // them (every picture repeating a field).
  Require(5 * p.frames >= 4 * p.pictures - 5 && 2 * p.frames <= 3 * p.pictures, "frames served");
  Require(p.pal + p.forcedFilm <= 1, "PAL or FILM, not both");
  const double rate = p.pal ? 25.0 : p.forcedFilm ? 24000.0 / 1001 : 30000.0 / 1001;
  Require(p.frameRate == rate, "the rate matches its format");
  if (p.filmPercent) Require(*p.filmPercent >= 0 && *p.filmPercent <= 100, "FILM percentage");
}

void CheckPictures(const std::string& bytes) {
  std::istringstream in(bytes);
  const MpegPictureCount count = CountMpegPictures(in);
  Require(count.readable, "a string stream is readable");
  if (count.frames) {
    Require(*count.frames >= 0 && *count.frames <= static_cast<std::int64_t>(bytes.size() / 4),
            "a picture takes four bytes at least");
  }
}

}  // namespace
}  // namespace quillbit

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  quillbit::CheckProject(bytes);
  quillbit::CheckPictures(bytes);
  return 0;
}
