#include "core/command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace quillbit {
namespace {

TEST(CommandLine, ProjectIsTheFirstArgumentThatIsNoOption) {
  struct Case {
    std::vector<std::string> arguments;
    std::optional<std::string> project;
  };
  const std::vector<Case> cases = {
      {{"quillbit"}, std::nullopt},
      {{"quillbit", "movie.d2v"}, "movie.d2v"},
      {{"quillbit", "--quit-when-shown"}, std::nullopt},
      {{"quillbit", "--quit-when-shown", "C:\\DVD\\Film ü.d2v", "b.d2v"}, "C:\\DVD\\Film ü.d2v"},
      {{"quillbit", "", "movie.d2v"}, "movie.d2v"},
      // The program's own name is never the project, whatever it is called.
      {{"movie.d2v"}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProjectArgument(c.arguments), c.project) << c.arguments.size();
  }
}

}  // namespace
}  // namespace quillbit
