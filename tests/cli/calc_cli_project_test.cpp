// --project: the frame count, format and Forced FILM as the window reads them from a project.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/cli_json.h"
#include "tests/support/media_files.h"
#include "tests/support/temp_folder.h"

namespace quillbit {
namespace {

using Args = std::vector<std::string>;

D2vDescription Project(std::vector<std::uint8_t> flags, int fieldOperation, std::string frameRate) {
  D2vDescription project;
  project.flags = std::move(flags);
  project.fieldOperation = fieldOperation;
  project.frameRate = std::move(frameRate);
  return project;
}

struct ProjectCase {
  const char* name;
  D2vDescription project;
  Args more;
  double fps;
  double frames;
};

void PrintTo(const ProjectCase& c, std::ostream* os) {
  *os << c.name;
}

const ProjectCase kProjects[] = {
    // 1200 film pictures, every other repeating a field: 1500 frames with the pulldown honoured.
    {"NtscHonoringPulldown",
     Project(FilmFlags(1200), 0, "29970 (30000/1001)"),
     {},
     29.969875,
     1500},
    {"ForcedFilm", Project(FilmFlags(1200), 1, "23976 (24000/1001)"), {}, 23.9759, 1200},
    {"Pal", Project(VideoFlags(750), 0, "25000 (25/1)"), {}, 25, 750},
    {"FramesOverride", Project(FilmFlags(1200), 1, "23976"), {"--frames", "90000"}, 23.9759, 90000},
    {"FormatOverride", Project(VideoFlags(750), 0, "25000"), {"--format", "ntsc"}, 29.969875, 750},
    {"FilmOverride", Project(FilmFlags(1200), 1, "23976"), {"--no-film"}, 29.969875, 1200},
    {"FilmOnPal", Project(VideoFlags(750), 0, "25000"), {"--film"}, 20, 750},
    // The window's first switch to PAL clears the project's Forced FILM.
    {"PalClearsProjectFilm", Project(FilmFlags(1200), 1, "23976"), {"--format", "pal"}, 25, 1200},
    {"PalKeepsFilmWhenAsked",
     Project(FilmFlags(1200), 1, "23976"),
     {"--format", "pal", "--film"},
     20,
     1200},
    {"NtscKeepsProjectFilm",
     Project(FilmFlags(1200), 1, "23976"),
     {"--format", "ntsc"},
     23.9759,
     1200},
};

class FromProject : public testing::TestWithParam<ProjectCase> {};

TEST_P(FromProject, TakesRateAndFramesUnlessOverridden) {
  const TempFolder folder;
  const std::string path = folder.File("movie.d2v");
  ASSERT_TRUE(WriteBytes(path, D2vProjectText(GetParam().project)));
  Args args = {"--json", "--project", path};
  args.insert(args.end(), GetParam().more.begin(), GetParam().more.end());
  const nlohmann::json json = JsonOf(RunCli(args));
  EXPECT_EQ(json.value("fps", 0.0), GetParam().fps);
  EXPECT_EQ(json.value("frames", 0.0), GetParam().frames);
}

INSTANTIATE_TEST_SUITE_P(Cli, FromProject, testing::ValuesIn(kProjects),
                         [](const testing::TestParamInfo<ProjectCase>& p) {
                           return std::string(p.param.name);
                         });

TEST(CliProject, BadProjectGivesTheWindowsMessage) {
  const TempFolder folder;
  const std::string path = folder.File("notes.d2v");
  ASSERT_TRUE(WriteBytes(path, "shopping list\n"));
  const CliRun run = RunCli({"--project", path, "--frames", "90000"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "quillbit-calc: --project: notes.d2v is not a DGIndex project file.\n");
  EXPECT_EQ(run.out, "");
}

TEST(CliProject, MissingProjectCannotBeRead) {
  const TempFolder folder;
  const CliRun run = RunCli({"--project=" + folder.File("gone.d2v")});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "quillbit-calc: --project: gone.d2v could not be read.\n");
}

TEST(CliProject, ProjectWithoutPicturesIsRefused) {
  const TempFolder folder;
  const std::string path = folder.File("empty.d2v");
  ASSERT_TRUE(WriteBytes(path, D2vProjectText(Project({}, 0, "25000"))));
  const CliRun run = RunCli({"--project", path});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, testing::StartsWith("quillbit-calc: --project: empty.d2v "));
}

// Titles for one disc, each written to the folder under its name.
struct Titles {
  TempFolder folder;
  Args args;
  void Add(const char* name, const D2vDescription& project) {
    const std::string path = folder.File(name);
    ASSERT_TRUE(WriteBytes(path, D2vProjectText(project)));
    args.insert(args.end(), {"--project", path});
  }
};

TEST(CliProjects, TitlesOfOneKindAddUpTheirFrames) {
  Titles titles;
  titles.Add("ep1.d2v", Project(FilmFlags(1200), 1, "23976"));
  titles.Add("ep2.d2v", Project(FilmFlags(800), 1, "23976"));
  titles.Add("ep3.d2v", Project(FilmFlags(400), 1, "23976"));
  titles.args.push_back("--json");
  const nlohmann::json json = JsonOf(RunCli(titles.args));
  EXPECT_EQ(json.value("frames", 0.0), 2400);
  EXPECT_EQ(json.value("fps", 0.0), 23.9759);
}

TEST(CliProjects, OverridesApplyToTheSum) {
  Titles titles;
  titles.Add("ep1.d2v", Project(FilmFlags(1200), 1, "23976"));
  titles.Add("ep2.d2v", Project(FilmFlags(1200), 1, "23976"));
  titles.args.insert(titles.args.end(), {"--format", "pal", "--json"});
  const nlohmann::json json = JsonOf(RunCli(titles.args));
  EXPECT_EQ(json.value("frames", 0.0), 2400);
  EXPECT_EQ(json.value("fps", 0.0), 25);
}

TEST(CliProjects, OddOneOutIsNamed) {
  Titles titles;
  titles.Add("ep1.d2v", Project(VideoFlags(750), 0, "25000"));
  titles.Add("film.d2v", Project(FilmFlags(1200), 1, "23976"));
  titles.Add("ep2.d2v", Project(VideoFlags(750), 0, "25000"));
  const CliRun run = RunCli(titles.args);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "quillbit-calc: --project: film.d2v is NTSC with Forced FILM, unlike ep1.d2v, which "
            "is PAL: titles on one disc must share the TV format and Forced FILM.\n");
  EXPECT_EQ(run.out, "");
}

TEST(CliProjects, UnreadableTitleNamesItself) {
  Titles titles;
  titles.Add("ep1.d2v", Project(VideoFlags(750), 0, "25000"));
  titles.args.insert(titles.args.end(), {"--project", titles.folder.File("ep2.d2v")});
  const CliRun run = RunCli(titles.args);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "quillbit-calc: --project: ep2.d2v could not be read.\n");
}

}  // namespace
}  // namespace quillbit
