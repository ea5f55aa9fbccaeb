// Writes into a folder the files the acceptance scenarios drop on the window:
//   film.d2v         3:2 film honoring pulldown: 9000 pictures, 4500 repeat -> 11250 frames at
//                    29.97, "FINISHED  100.00% FILM"
//   film_forced.d2v  the same with FILM forced at 23.976 -> (4*9000 + 2*4500) / 5 = 9000 frames
//   video.d2v        NTSC video: 9000 pictures, none repeats -> 9000 frames, "... VIDEO" (no FILM
//   %) pal.d2v          PAL video at 25: 7500 pictures -> 7500 frames, no last line hybrid.d2v
//   19570 film pictures then 430 video ones: 20000 pictures, 9785 repeat ->
//                    20000 + 4892 = 24892 frames at 29.97, "FINISHED  97.85% FILM"
//   movie.avi, notes.txt, empty.d2v  no projects at all
//   truncated.d2v    film.d2v cut in the middle of its data
//   version99.d2v    a DGIndexProjectFile99
//   rate15.d2v       a project at 15 fps
//   nopictures.d2v   a project whose data ends before any picture
//   sample.m2v       an MPEG-2 video stream of 1500 pictures
//   track1.ac3, track2.ac3   123457 and 7654321 bytes
//   subs/            sub1.bmp, sub2.bmp, sub3.bmp of 11111, 22222, 33333 bytes (66666 in all),
//                    and subs/more/sub4.bmp of 44444 bytes, which a dropped subs/ does not count
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "tests/support/media_files.h"

namespace quillbit {
namespace {

D2vDescription Film() {
  D2vDescription film;
  film.flags = FilmFlags(9000);
  film.finished = "FINISHED  100.00% FILM";
  return film;
}

D2vDescription Video(std::int64_t pictures) {
  D2vDescription video;
  video.flags = VideoFlags(pictures);
  video.finished = "FINISHED  100.00% VIDEO";
  return video;
}

bool WriteAll(const std::filesystem::path& folder) {
  const auto write = [&](const std::string& name, std::string_view bytes) {
    return WriteBytes(folder / name, bytes);
  };
  D2vDescription forced = Film();
  forced.fieldOperation = 1;
  forced.frameRate = "23976 (24000/1001)";
  D2vDescription pal = Video(7500);
  pal.frameRate = "25000 (25/1)";
  pal.pictureSize = "720x576";
  pal.finished.reset();
  D2vDescription hybrid = Film();
  hybrid.flags = FilmFlags(19570);
  const std::vector<std::uint8_t> video = VideoFlags(430);
  hybrid.flags.insert(hybrid.flags.end(), video.begin(), video.end());
  hybrid.finished = "FINISHED  97.85% FILM";
  D2vDescription version99 = Film();
  version99.firstLine = "DGIndexProjectFile99";
  D2vDescription rate15 = Video(9000);
  rate15.frameRate = "15000 (15/1)";
  D2vDescription none;
  const std::string filmText = D2vProjectText(Film());

  std::error_code error;
  std::filesystem::create_directories(folder / "subs" / "more", error);
  return !error && write("film.d2v", filmText) &&
         write("film_forced.d2v", D2vProjectText(forced)) &&
         write("video.d2v", D2vProjectText(Video(9000))) && write("pal.d2v", D2vProjectText(pal)) &&
         write("hybrid.d2v", D2vProjectText(hybrid)) && write("movie.avi", AviLikeBytes(100000)) &&
         write("notes.txt", "Before the encode:\n- rip the disc\n- index it with DGIndex\n") &&
         write("empty.d2v", "") &&
         write("truncated.d2v", filmText.substr(0, filmText.size() / 2)) &&
         write("version99.d2v", D2vProjectText(version99)) &&
         write("rate15.d2v", D2vProjectText(rate15)) &&
         write("nopictures.d2v", D2vProjectText(none)) && write("sample.m2v", M2vStream(1500)) &&
         write("fields.m2v", M2vFieldStream(1500)) && write("track1.ac3", Ac3LikeBytes(123457)) &&
         write("track2.ac3", Ac3LikeBytes(7654321)) &&
         write("subs/sub1.bmp", BitmapLikeBytes(11111)) &&
         write("subs/sub2.bmp", BitmapLikeBytes(22222)) &&
         write("subs/sub3.bmp", BitmapLikeBytes(33333)) &&
         write("subs/more/sub4.bmp", BitmapLikeBytes(44444));
}

}  // namespace
}  // namespace quillbit

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quillbit-test-media FOLDER\n");
    return 2;
  }
  if (!quillbit::WriteAll(argv[1])) {
    std::fprintf(stderr, "quillbit-test-media: could not write the files into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
