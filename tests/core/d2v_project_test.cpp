#include "core/d2v_project.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "core/file_sizes.h"
#include "tests/support/media_files.h"
#include "tests/support/temp_folder.h"

namespace quillbit {
namespace {

D2vReadResult Read(const std::string& text) {
  std::istringstream in(text);
  return ReadD2vProject(in);
}

D2vDescription Project(std::vector<std::uint8_t> flags, int fieldOperation = 0,
                       std::string frameRate = "29970 (30000/1001)") {
  D2vDescription project;
  project.flags = std::move(flags);
  project.fieldOperation = fieldOperation;
  project.frameRate = std::move(frameRate);
  return project;
}

D2vDescription Hybrid(std::int64_t film, std::int64_t video, std::string finished) {
  D2vDescription project = Project(FilmFlags(film));
  const std::vector<std::uint8_t> rest = VideoFlags(video);
  project.flags.insert(project.flags.end(), rest.begin(), rest.end());
  project.finished = std::move(finished);
  return project;
}

D2vDescription With(D2vDescription project, std::optional<std::string> finished,
                    std::string lineBreak = "\r\n") {
  project.finished = std::move(finished);
  project.lineBreak = std::move(lineBreak);
  return project;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

std::string WithoutLastByte(std::string text) {
  text.pop_back();
  return text;
}

struct GoodCase {
  const char* name;
  std::string text;
  std::int64_t pictures, repeats, frames;
  double frameRate;
  bool pal, forcedFilm;
  std::optional<double> filmPercent;
};

void PrintTo(const GoodCase& c, std::ostream* os) {
  *os << c.name;
}

class GoodProject : public testing::TestWithParam<GoodCase> {};

TEST_P(GoodProject, GivesItsPicturesAndTheFramesItsFieldOperationServes) {
  const GoodCase& c = GetParam();
  const D2vReadResult result = Read(c.text);
  ASSERT_EQ(result.problem, D2vProblem::None);
  ASSERT_TRUE(result.project.has_value());
  const D2vProject& p = *result.project;
  EXPECT_EQ(p.version, 16);
  EXPECT_EQ(p.pictures, c.pictures);
  EXPECT_EQ(p.repeats, c.repeats);
  EXPECT_EQ(p.frames, c.frames);
  EXPECT_DOUBLE_EQ(p.frameRate, c.frameRate);
  EXPECT_EQ(p.pal, c.pal);
  EXPECT_EQ(p.forcedFilm, c.forcedFilm);
  EXPECT_EQ(p.filmPercent.has_value(), c.filmPercent.has_value());
  if (p.filmPercent && c.filmPercent) {
    EXPECT_DOUBLE_EQ(*p.filmPercent, *c.filmPercent);
  }
}

constexpr double kNtsc = 30000.0 / 1001;
constexpr double kFilm = 24000.0 / 1001;
const std::string kFilmDone = "FINISHED  100.00% FILM";

INSTANTIATE_TEST_SUITE_P(
    D2vProject, GoodProject,
    testing::Values(
        GoodCase{"FilmHonoringPulldown", D2vProjectText(With(Project(FilmFlags(1200)), kFilmDone)),
                 1200, 600, 1500, kNtsc, false, false, 100.0},
        GoodCase{"FilmForced", D2vProjectText(Project(FilmFlags(1200), 1, "23976 (24000/1001)")),
                 1200, 600, 1200, kFilm, false, true, std::nullopt},
        GoodCase{"FilmIgnoringPulldown", D2vProjectText(Project(FilmFlags(1200), 2)), 1200, 600,
                 1200, kNtsc, false, false, std::nullopt},
        // Odd repeats round down: 7 + 4 / 2 honoring; (4 * 7 + 2 * 4) / 5 = 7.2 forced.
        GoodCase{"OddRepeats", D2vProjectText(Project(FilmFlags(7))), 7, 4, 9, kNtsc, false, false,
                 std::nullopt},
        GoodCase{"OddRepeatsForced", D2vProjectText(Project(FilmFlags(7), 1, "23976")), 7, 4, 7,
                 kFilm, false, true, std::nullopt},
        // Forcing FILM on video drops a frame in five: 4 * 12 / 5 = 9.6.
        GoodCase{"VideoForced", D2vProjectText(Project(VideoFlags(12), 1, "23976")), 12, 0, 9,
                 kFilm, false, true, std::nullopt},
        GoodCase{"NtscVideo",
                 D2vProjectText(With(Project(VideoFlags(1200)), "FINISHED  100.00% VIDEO", "\n")),
                 1200, 0, 1200, kNtsc, false, false, std::nullopt},
        GoodCase{"Pal", D2vProjectText(Project(VideoFlags(750), 0, "25000 (25/1)")), 750, 0, 750,
                 25.0, true, false, std::nullopt},
        // PAL has no pulldown to undo: forcing FILM serves every picture.
        GoodCase{"PalForced", D2vProjectText(Project(VideoFlags(750), 1, "25000")), 750, 0, 750,
                 25.0, true, false, std::nullopt},
        // 19570 film pictures repeat 9785 times: 20000 + 4892 frames. Lines cross read chunks.
        GoodCase{"Hybrid", D2vProjectText(Hybrid(19570, 430, "FINISHED  97.85% FILM")), 20000, 9785,
                 24892, kNtsc, false, false, 97.85},
        GoodCase{"FilmPercentWithOneDecimal", D2vProjectText(Hybrid(4, 4, "FINISHED 88.4% FILM")),
                 8, 2, 9, kNtsc, false, false, 88.4},
        GoodCase{"RateAsThousandthsOnly", D2vProjectText(Project(VideoFlags(3), 0, "29970")), 3, 0,
                 3, kNtsc, false, false, std::nullopt},
        GoodCase{"ByteOrderMarkAndNoLastLineBreak",
                 "\xEF\xBB\xBF" + WithoutLastByte(D2vProjectText(With(Project(FilmFlags(4)),
                                                                      "FINISHED 50% FILM", "\n"))),
                 4, 2, 5, kNtsc, false, false, 50.0}),
    [](const auto& test) { return std::string(test.param.name); });

struct BadCase {
  const char* name;
  std::string text;
  D2vProblem problem;
};

void PrintTo(const BadCase& c, std::ostream* os) {
  *os << c.name;
}

class BadProject : public testing::TestWithParam<BadCase> {};

TEST_P(BadProject, IsRefusedForItsProblem) {
  const D2vReadResult result = Read(GetParam().text);
  EXPECT_EQ(result.problem, GetParam().problem);
  EXPECT_FALSE(result.project.has_value());
}

const std::string kFilmText = D2vProjectText(With(Project(FilmFlags(120)), kFilmDone));
const std::string kFirstDataFields = "d00 6 0 0 0 1 1 ";

INSTANTIATE_TEST_SUITE_P(
    D2vProject, BadProject,
    testing::Values(
        BadCase{"Empty", "", D2vProblem::NotProject},
        BadCase{"Text", "Before the encode:\n- rip the disc\n", D2vProblem::NotProject},
        BadCase{"Avi", AviLikeBytes(100000), D2vProblem::NotProject},
        BadCase{"GarbageWithoutLineBreaks", std::string(3 << 20, '\x7f'), D2vProblem::NotProject},
        BadCase{"VersionNotANumber", Replaced(kFilmText, "File16", "FileXY"),
                D2vProblem::NotProject},
        BadCase{"Version99", Replaced(kFilmText, "File16", "File99"), D2vProblem::UnknownVersion},
        BadCase{"Version05", Replaced(kFilmText, "File16", "File05"), D2vProblem::UnknownVersion},
        BadCase{"Dvd2Avi", Replaced(kFilmText, "DGIndexProjectFile16", "DVD2AVIProjectFile"),
                D2vProblem::UnknownVersion},
        BadCase{"CutInTheData", kFilmText.substr(0, kFilmText.size() / 2), D2vProblem::Incomplete},
        BadCase{"NoDataSection", kFilmText.substr(0, kFilmText.find("d00")),
                D2vProblem::Incomplete},
        BadCase{"NoEndMarker", Replaced(kFilmText, " ff", ""), D2vProblem::Incomplete},
        BadCase{"FlagNotHex", Replaced(kFilmText, " d3", " zz"), D2vProblem::Incomplete},
        BadCase{"FlagOfThreeDigits", Replaced(kFilmText, " d3", " 1d3"), D2vProblem::Incomplete},
        BadCase{"FlagAfterTheEnd", Replaced(kFilmText, " ff", " ff 40"), D2vProblem::Incomplete},
        BadCase{"InfoWithoutItsBit", Replaced(kFilmText, "d00", "500"), D2vProblem::Incomplete},
        BadCase{"FileNumberPastTheList", Replaced(kFilmText, "d00 6 0", "d00 6 1"),
                D2vProblem::Incomplete},
        BadCase{"FieldMissing", Replaced(kFilmText, kFirstDataFields, "d00 6 0 0 1 1 "),
                D2vProblem::Incomplete},
        BadCase{"OverlongDataLine",
                Replaced(kFilmText, kFirstDataFields, kFirstDataFields + std::string(70000, '4')),
                D2vProblem::Incomplete},
        BadCase{"OverlongSetting",
                Replaced(kFilmText, "Location=", "Location=" + std::string(1 << 20, '0')),
                D2vProblem::Incomplete},
        BadCase{"FileListShort", Replaced(kFilmText, "\r\n1\r\n", "\r\n2\r\n"),
                D2vProblem::Incomplete},
        BadCase{"FieldOperationUnknown",
                Replaced(kFilmText, "Field_Operation=0", "Field_Operation=3"),
                D2vProblem::Incomplete},
        BadCase{"FieldOperationMissing", Replaced(kFilmText, "Field_Operation=0\r\n", ""),
                D2vProblem::Incomplete},
        BadCase{"SettingWithoutValue", Replaced(kFilmText, "Location=", "Location"),
                D2vProblem::Incomplete},
        BadCase{"Rate15", D2vProjectText(Project(VideoFlags(12), 0, "15000 (15/1)")),
                D2vProblem::NotDvdRate},
        BadCase{"RateMissing", Replaced(kFilmText, "Frame_Rate=29970 (30000/1001)\r\n", ""),
                D2vProblem::NotDvdRate},
        BadCase{"NoPictures", D2vProjectText(D2vDescription{}), D2vProblem::NoPictures}),
    [](const auto& test) { return std::string(test.param.name); });

// Gives some bytes of a project, then fails as a disk does.
class FailingBuffer : public std::streambuf {
 public:
  explicit FailingBuffer(std::string text) : text_(std::move(text)) {
    setg(text_.data(), text_.data(), text_.data() + text_.size());
  }

 protected:
  int_type underflow() override { throw std::ios_base::failure("read error"); }

 private:
  std::string text_;
};

TEST(D2vProject, ReadErrorIsCannotRead) {
  FailingBuffer buffer(kFilmText.substr(0, 300));
  std::istream in(&buffer);
  EXPECT_EQ(ReadD2vProject(in).problem, D2vProblem::CannotRead);
}

TEST(D2vProjectFile, ReadsANonAsciiNameAndRefusesWhatCannotBeRead) {
  TempFolder folder;
  const std::string name = folder.Path() + "/Am\xC3\xA9lie.d2v";
  ASSERT_TRUE(
      WriteBytes(std::filesystem::path(std::u8string(name.begin(), name.end())), kFilmText));
  EXPECT_EQ(ReadD2vProjectFile(name).problem, D2vProblem::None);
  EXPECT_EQ(ReadD2vProjectFile(folder.File("missing.d2v")).problem, D2vProblem::CannotRead);
  EXPECT_EQ(ReadD2vProjectFile(folder.Path()).problem, D2vProblem::CannotRead);
}

TEST(D2vProjectFile, ReadsAProjectFromAPathPastTheOldLimitOf260Characters) {
  TempFolder folder;
  std::string deep = folder.Path();
  while (deep.size() < 300) deep += "/" + std::string(40, 'd');
  std::error_code error;
  ASSERT_TRUE(std::filesystem::create_directories(PathFromUtf8(deep), error)) << error.message();
  const std::string name = deep + "/film.d2v";
  ASSERT_TRUE(WriteBytes(PathFromUtf8(name), kFilmText));
  EXPECT_EQ(ReadD2vProjectFile(name).problem, D2vProblem::None);
  // Removed from the deepest up: the folder's own removal could not reach this deep.
  std::filesystem::remove(PathFromUtf8(name), error);
  for (; deep.size() > folder.Path().size(); deep.resize(deep.rfind('/')))
    std::filesystem::remove(PathFromUtf8(deep), error);
}

TEST(D2vProblemText, NamesTheFile) {
  const std::pair<D2vProblem, std::string> texts[] = {
      {D2vProblem::None, ""},
      {D2vProblem::NotProject, "a.d2v is not a DGIndex project file."},
      {D2vProblem::CannotRead, "a.d2v could not be read."},
      {D2vProblem::UnknownVersion,
       "a.d2v is a DGIndex project file of a version Quillbit does not know."},
      {D2vProblem::Incomplete, "a.d2v is not a complete DGIndex project file."},
      {D2vProblem::NotDvdRate,
       "a.d2v is not a DVD project: its frame rate is neither NTSC nor PAL."},
      {D2vProblem::NoPictures, "a.d2v is a DGIndex project file without pictures."},
  };
  for (const auto& [problem, text] : texts) EXPECT_EQ(D2vProblemText(problem, "a.d2v"), text);
}

}  // namespace
}  // namespace quillbit
