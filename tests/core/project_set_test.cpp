#include "core/project_set.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace quillbit {
namespace {

NamedProject Title(const char* name, bool pal, bool film, std::int64_t frames) {
  D2vProject project;
  project.pal = pal;
  project.forcedFilm = film;
  project.frames = frames;
  project.pictures = frames;
  project.filmPercent = 97.5;
  return {.fileName = name, .project = project};
}

TEST(ProjectSet, OneTitleComesBackAsItIs) {
  const std::vector<NamedProject> titles = {Title("movie.d2v", false, true, 1500)};
  const ProjectSetResult result = CombineProjects(titles);
  ASSERT_TRUE(result.project);
  EXPECT_EQ(result.project->frames, 1500);
  EXPECT_EQ(result.project->filmPercent, 97.5);
}

TEST(ProjectSet, TitlesOfOneKindSumTheirFrames) {
  const std::vector<NamedProject> titles = {Title("ep1.d2v", true, false, 1000),
                                            Title("ep2.d2v", true, false, 2000),
                                            Title("ep3.d2v", true, false, 3000)};
  const ProjectSetResult result = CombineProjects(titles);
  ASSERT_TRUE(result.project) << result.message;
  EXPECT_EQ(result.project->frames, 6000);
  EXPECT_EQ(result.project->pictures, 6000);
  EXPECT_TRUE(result.project->pal);
  EXPECT_FALSE(result.project->forcedFilm);
  EXPECT_EQ(ProjectListText(titles),
            "ep1.d2v: 1000 frames\nep2.d2v: 2000 frames\nep3.d2v: 3000 frames");
}

struct OddCase {
  const char* name;
  std::vector<NamedProject> titles;
  const char* message;
};

void PrintTo(const OddCase& c, std::ostream* os) {
  *os << c.name;
}

const OddCase kOdd[] = {
    {"SecondOfTwo",
     {Title("a.d2v", false, true, 10), Title("b.d2v", true, false, 10)},
     "b.d2v is PAL, unlike a.d2v, which is NTSC with Forced FILM: titles on one disc must share "
     "the TV format and Forced FILM."},
    {"FirstUnlikeTheRest",
     {Title("a.d2v", false, false, 10), Title("b.d2v", false, true, 10),
      Title("c.d2v", false, true, 10)},
     "a.d2v is NTSC, unlike b.d2v, which is NTSC with Forced FILM: titles on one disc must share "
     "the TV format and Forced FILM."},
    {"FilmAloneDiffers",
     {Title("a.d2v", true, false, 10), Title("b.d2v", true, false, 10),
      Title("c.d2v", true, true, 10)},
     "c.d2v is PAL with Forced FILM, unlike a.d2v, which is PAL: titles on one disc must share "
     "the TV format and Forced FILM."},
};

class OddOneOut : public testing::TestWithParam<OddCase> {};

TEST_P(OddOneOut, IsNamedAndNothingIsCombined) {
  const ProjectSetResult result = CombineProjects(GetParam().titles);
  EXPECT_FALSE(result.project);
  EXPECT_EQ(result.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(ProjectSet, OddOneOut, testing::ValuesIn(kOdd),
                         [](const testing::TestParamInfo<OddCase>& p) {
                           return std::string(p.param.name);
                         });

TEST(ProjectSet, FramesBeyondCountingAreRefused) {
  const std::int64_t most = std::numeric_limits<std::int64_t>::max();
  const std::vector<NamedProject> titles = {Title("a.d2v", true, false, most),
                                            Title("b.d2v", true, false, 1)};
  EXPECT_FALSE(CombineProjects(titles).project);
}

}  // namespace
}  // namespace quillbit
