// The encode's own files handed to the main window: what each sets, in which order, and that a
// file the window cannot take changes nothing.
#include <string>
#include <vector>

#include "tests/main_window/form1_fixture.h"
#include "tests/support/media_files.h"
#include "tests/support/temp_folder.h"

namespace quillbit::testing_support {
namespace {

class Form1FilesTest : public Form1Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteBytes(path, bytes));
    return path;
  }
  std::string Project(const std::string& name, D2vDescription project) {
    return Write(name, D2vProjectText(project));
  }

  TempFolder folder;
};

D2vDescription Film(std::int64_t pictures) {
  D2vDescription film;
  film.flags = FilmFlags(pictures);
  return film;
}

TEST_F(Form1FilesTest, ProjectSetsTheFormatThenForcedFilmThenTheFrameCount) {
  Form1& form = Loaded();
  D2vDescription pal;
  pal.flags = VideoFlags(7500);
  pal.frameRate = "25000 (25/1)";
  const std::string palPath = Project("pal.d2v", pal);
  D2vDescription forced = Film(9000);
  forced.fieldOperation = 1;
  forced.frameRate = "23976 (24000/1001)";
  const std::string forcedPath = Project("forced.d2v", forced);
  form.chkFF.SetValue(0);
  ClearLogs();
  Watch({"optFormat(0)", "optFormat(1)", "chkFF", "txtFrames"});

  form.OpenProject(forcedPath);
  form.OpenProject(palPath);

  // Each change runs its handlers as a person's would: the PAL note of the single-pass method
  // comes with the option, before the frame count.
  const std::vector<std::string> expected = {
      "chkFF.Value=1", "calc", "txtFrames.Text=9000", "calc",
      // PAL clears the box once, by its own handler, and shows its note.
      "optFormat(0).Value=0", "optFormat(1).Value=1", "chkFF.Value=0", "note", "calc",
      "txtFrames.Text=7500", "calc"};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(form.txtFPS.Text(), "25");
}

TEST_F(Form1FilesTest, FilmShareOfTheProjectIsTheForcedFilmTip) {
  Form1& form = Loaded();
  D2vDescription hybrid = Film(9000);
  hybrid.finished = "FINISHED  97.85% FILM";
  D2vDescription video;
  video.flags = VideoFlags(100);
  video.finished = "FINISHED  100.00% VIDEO";

  form.OpenProject(Project("hybrid.d2v", hybrid));
  EXPECT_EQ(form.chkFF.ToolTip(), "Project: 97.85% FILM");
  form.OpenProject(Project("video.d2v", video));
  EXPECT_EQ(form.chkFF.ToolTip(), "");
}

TEST_F(Form1FilesTest, FileThatIsNoProjectGetsOneMessageAndChangesNothing) {
  struct Case {
    const char* name;
    std::string bytes;
    const char* message;
  };
  D2vDescription version99 = Film(100);
  version99.firstLine = "DGIndexProjectFile99";
  D2vDescription rate15 = Film(100);
  rate15.frameRate = "15000 (15/1)";
  const std::string film = D2vProjectText(Film(900));
  const std::vector<Case> cases = {
      {"movie.avi", AviLikeBytes(5000), "movie.avi is not a DGIndex project file."},
      {"empty.d2v", "", "empty.d2v is not a DGIndex project file."},
      {"cut.d2v", film.substr(0, film.size() / 2),
       "cut.d2v is not a complete DGIndex project file."},
      {"new.d2v", D2vProjectText(version99),
       "new.d2v is a DGIndex project file of a version Quillbit does not know."},
      {"slow.d2v", D2vProjectText(rate15),
       "slow.d2v is not a DVD project: its frame rate is neither NTSC nor PAL."},
      {"none.d2v", D2vProjectText(D2vDescription{}),
       "none.d2v is a DGIndex project file without pictures."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form1& form = Loaded();
    form.txtFrames.SetText("1234");
    ClearLogs();
    form.FilesDropped(&form.txtFrames, {Write(c.name, c.bytes)});
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, c.message);
    EXPECT_EQ(messages.shown[0].caption, form.App().title);
    EXPECT_TRUE(calcs.empty());
    EXPECT_EQ(form.txtFrames.Text(), "1234");
  }
  Form1& form = Loaded();
  form.FilesDropped(nullptr, {folder.File("gone.d2v")});
  ASSERT_EQ(messages.shown.size(), 1U);
  EXPECT_EQ(messages.shown[0].text, "gone.d2v could not be read.");
}

TEST_F(Form1FilesTest, FilesOnASizeRowSetItsBytesAndRecalculateOnce) {
  const std::vector<std::string> files = {Write("a.ac3", Ac3LikeBytes(123457)),
                                          Write("b.ac3", Ac3LikeBytes(7654321))};
  // A row is its caption, its box and its unit list.
  struct Row {
    const char* control;
    double Form1State::*bytes;
  };
  const Row rows[] = {
      {"Label9", &Form1State::bytes_aud},
      {"txtSub", &Form1State::bytes_sub},
      {"cmbCush", &Form1State::bytes_cush},
      {"Label20", &Form1State::bytes_dest},
      {"lblSampleSize", &Form1State::bytes_sampsize},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.control);
    Form1& form = Loaded();
    ClearLogs();
    form.FilesDropped(&form.Get(row.control), files);
    EXPECT_EQ(form.State().*row.bytes, 123457.0 + 7654321.0);
    EXPECT_EQ(calcs.size(), 1U);
    EXPECT_TRUE(messages.shown.empty());
  }
  // Shown in the row's unit as a conversion shows it.
  Form1& form = Loaded();
  form.cmbAudio.SetText("KB");
  form.FilesDropped(&form.txtAudio, files);
  EXPECT_EQ(form.txtAudio.Text(), "7595.4863");
}

TEST_F(Form1FilesTest, SampleStreamSetsTheSampleSizeThenItsFrameCount) {
  const std::string stream = M2vStream(1500);
  const std::string path = Write("sample.m2v", stream);
  for (const char* row : {"lblSampleFrame", "txtSampleFrame", "txtSampleSize", "cmbSampleSize"}) {
    SCOPED_TRACE(row);
    Form1& form = Loaded();
    Watch({"txtSampleSize", "txtSampleFrame"});
    form.FilesDropped(&form.Get(row), {path});
    EXPECT_EQ(form.State().bytes_sampsize, static_cast<double>(stream.size()));
    ASSERT_EQ(log.size(), 4U);
    EXPECT_EQ(log[0].rfind("txtSampleSize.Text=", 0), 0U);
    EXPECT_EQ(log[1], "calc");
    EXPECT_EQ(log[2], "txtSampleFrame.Text=1500");
    EXPECT_EQ(log[3], "calc");
  }
  // Anything else on the sample's rows is a size; a stream that is no video says so.
  Form1& form = Loaded();
  form.FilesDropped(&form.txtSampleFrame, {Write("fake.m2v", AviLikeBytes(100))});
  ASSERT_EQ(messages.shown.size(), 1U);
  EXPECT_EQ(messages.shown[0].text, "fake.m2v is not an MPEG-2 video stream.");
}

TEST_F(Form1FilesTest, OpenProjectAsksForAProjectAndACancelChangesNothing) {
  Form1& form = Loaded();
  form.mnuOpen.Click();
  EXPECT_EQ(fileDialog.asked, std::vector<std::string>{"Open Project|DGIndex project files|*.d2v"});
  EXPECT_TRUE(log.empty());
  fileDialog.answers = {{Project("film.d2v", Film(9000))}};
  form.mnuOpen.Click();
  EXPECT_EQ(form.txtFrames.Text(), "11250");
}

}  // namespace
}  // namespace quillbit::testing_support
