#include "settings/registry_location.h"

#include <gtest/gtest.h>

namespace quillbit {
namespace {

TEST(RegistryLocation, FollowsTheXdgRules) {
  const struct {
    const char* xdg;
    const char* home;
    std::string expected;
  } cases[] = {
      {"/cfg", "/home/a", "/cfg/quillbit/registry.reg"},
      {"/cfg//", "/home/a", "/cfg/quillbit/registry.reg"},
      {nullptr, "/home/a", "/home/a/.config/quillbit/registry.reg"},
      {"", "/home/a/", "/home/a/.config/quillbit/registry.reg"},
      {"relative/cfg", "/home/a", "/home/a/.config/quillbit/registry.reg"},
      {nullptr, "/", "/.config/quillbit/registry.reg"},
      {nullptr, nullptr, ""},
      {"", "relative", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DefaultRegistryPath(c.xdg, c.home), c.expected)
        << (c.xdg ? c.xdg : "(unset)") << " " << (c.home ? c.home : "(unset)");
  }
}

}  // namespace
}  // namespace quillbit
