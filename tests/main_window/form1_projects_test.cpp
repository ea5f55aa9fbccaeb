// Several titles for one disc: their frames summed when they share the TV format and Forced
// FILM, one message and no change otherwise, and the frame count's tooltip listing them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/main_window/form1_fixture.h"
#include "tests/support/media_files.h"
#include "tests/support/temp_folder.h"

namespace quillbit {
namespace {

using namespace testing_support;

class Projects : public Form1Test {
 protected:
  std::string Project(const std::string& name, std::int64_t pictures, bool pal = false) {
    D2vDescription project;
    project.flags = VideoFlags(pictures);
    if (pal) project.frameRate = "25000 (25/1)";
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteBytes(path, D2vProjectText(project)));
    return path;
  }
  // The window as a person left it, which a refused set of titles must not change.
  Form1& Before() {
    Form1& form = Loaded();
    form.txtFrames.SetText("1234");
    ClearLogs();
    return form;
  }
  void ExpectUnchanged(Form1& form) {
    EXPECT_TRUE(calcs.empty());
    EXPECT_EQ(form.txtFrames.Text(), "1234");
    EXPECT_EQ(form.optFormat[0]->Value(), 1);
    EXPECT_EQ(form.txtFrames.ToolTip(), "");
  }

  TempFolder folder;
};

TEST_F(Projects, SeveralTitlesSumTheirFramesAndListThemInTheTip) {
  Form1& form = Before();
  form.OpenProjects({Project("ep1.d2v", 1500), Project("ep2.d2v", 2500), Project("ep3.d2v", 10)});
  EXPECT_EQ(form.txtFrames.Text(), "4010");
  EXPECT_EQ(calcs.size(), 2U);  // Forced FILM cleared, then the frame count
  EXPECT_EQ(form.chkFF.Value(), 0);
  EXPECT_EQ(form.txtFrames.ToolTip(),
            "ep1.d2v: 1500 frames\nep2.d2v: 2500 frames\nep3.d2v: 10 frames");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Projects, RefusedSetGetsOneMessageNamingTheFileAndChangesNothing) {
  struct Case {
    const char* name;
    std::vector<std::string> paths;
    const char* named;  // the file the message begins with
  };
  const std::string garbled = folder.File("garbled.d2v");
  ASSERT_TRUE(WriteBytes(garbled, "not a project\r\n"));
  const Case cases[] = {
      {"unlike the others",
       {Project("a.d2v", 100), Project("pal.d2v", 100, true), Project("c.d2v", 100)},
       "pal.d2v"},
      {"missing", {Project("a.d2v", 100), folder.File("missing.d2v")}, "missing.d2v"},
      {"not a project", {garbled, Project("a.d2v", 100)}, "garbled.d2v"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form1& form = Before();
    form.OpenProjects(c.paths);
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text.find(c.named), 0U) << messages.shown[0].text;
    ExpectUnchanged(form);
  }
}

TEST_F(Projects, TipGoesBackWhenTheFrameCountChangesOrOneProjectIsOpened) {
  const std::vector<std::string> titles = {Project("ep1.d2v", 1500), Project("ep2.d2v", 2500)};
  const std::string single = Project("movie.d2v", 4000);
  Form1& form = Before();
  form.OpenProjects(titles);
  Type(form.txtAudio, "1");  // other inputs leave it
  ASSERT_NE(form.txtFrames.ToolTip(), "");
  form.txtFrames.SetText("4001");
  EXPECT_EQ(form.txtFrames.ToolTip(), "");

  form.OpenProjects(titles);
  form.OpenProjects({single});  // the same 4000 frames, from one title
  EXPECT_EQ(form.txtFrames.ToolTip(), "");
}

TEST_F(Projects, OneProjectOpensAsItAlwaysHas) {
  const std::string path = Project("movie.d2v", 4000);
  Form1& form = Before();
  Watch({"optFormat(0)", "chkFF", "txtFrames"});
  form.OpenProjects({path});
  const std::vector<std::string> viaList = log;
  Form1& again = Before();
  Watch({"optFormat(0)", "chkFF", "txtFrames"});
  again.OpenProject(path);
  EXPECT_EQ(log, viaList);
  EXPECT_EQ(again.txtFrames.Text(), "4000");
}

TEST_F(Projects, SeveralProjectsDroppedAnywhereAreOpenedTogether) {
  const std::vector<std::string> titles = {Project("ep1.d2v", 1500), Project("ep2.d2v", 2500)};
  for (const char* row : {"txtFrames", "Label9", "txtDiskSpace"}) {
    SCOPED_TRACE(row);
    Form1& form = Before();
    form.FilesDropped(&form.Get(row), titles);
    EXPECT_EQ(form.txtFrames.Text(), "4000");
    EXPECT_EQ(form.State().bytes_aud, 0);
  }
  Form1& form = Before();
  form.FilesDropped(nullptr, titles);
  EXPECT_EQ(form.txtFrames.Text(), "4000");
}

TEST_F(Projects, OpenMenuTakesEveryChosenFile) {
  Form1& form = Before();
  fileDialog.answers = {{Project("ep1.d2v", 1500), Project("ep2.d2v", 2500)}};
  form.mnuOpen.Click();
  EXPECT_EQ(form.txtFrames.Text(), "4000");
}

}  // namespace
}  // namespace quillbit
