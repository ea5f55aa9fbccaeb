#include "core/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillbit {
namespace {

TEST(CommandLine, ProjectsAreTheArgumentsThatAreNoOptions) {
  struct Case {
    std::vector<std::string> arguments;
    std::vector<std::string> projects;
  };
  const std::vector<Case> cases = {
      {{"quillbit"}, {}},
      {{"quillbit", "movie.d2v"}, {"movie.d2v"}},
      {{"quillbit", "--quit-when-shown"}, {}},
      {{"quillbit", "--quit-when-shown", "C:\\DVD\\Film ü.d2v", "b.d2v"},
       {"C:\\DVD\\Film ü.d2v", "b.d2v"}},
      {{"quillbit", "", "movie.d2v", "--quit-when-shown"}, {"movie.d2v"}},
      // The program's own name is never a project, whatever it is called.
      {{"movie.d2v"}, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProjectArguments(c.arguments), c.projects) << c.arguments.size();
  }
}

}  // namespace
}  // namespace quillbit
