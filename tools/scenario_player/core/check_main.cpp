// quillbit-scenario-check EXPECTED ACTUAL: compares the dumps a scenario printed (ACTUAL, one
// JSON line per dump) with the values expected of them (EXPECTED, one JSON value per dump, each
// naming only the fields that matter). Exit 0 when every dump holds what is expected.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "scenario_player/core/dump_check.h"

namespace {

using quillbit::scenario::JsonValues;

bool ReadValues(const char* path, JsonValues& parse) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "cannot read %s\n", path);
    return false;
  }
  std::ostringstream text;
  text << file.rdbuf();
  parse = quillbit::scenario::ParseJsonValues(text.str());
  if (!parse.error.empty()) {
    std::fprintf(stderr, "%s: %s\n", path, parse.error.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: quillbit-scenario-check EXPECTED ACTUAL\n", stderr);
    return 2;
  }
  JsonValues expected;
  JsonValues actual;
  if (!ReadValues(argv[1], expected) || !ReadValues(argv[2], actual)) return 2;
  if (expected.values.size() != actual.values.size()) {
    std::fprintf(stderr, "expected %zu dumps, the scenario printed %zu\n", expected.values.size(),
                 actual.values.size());
    return 1;
  }
  int failures = 0;
  for (size_t i = 0; i < expected.values.size(); ++i) {
    for (const std::string& mismatch :
         quillbit::scenario::SubsetMismatches(expected.values[i], actual.values[i])) {
      std::fprintf(stderr, "dump %zu: %s\n", i + 1, mismatch.c_str());
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
