#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace quillbit {

// A promise the code under test broke: aborting makes the fuzzer report the input that did it.
inline void Require(bool ok, const char* what, std::string_view detail = {}) {
  if (ok) return;
  std::fprintf(stderr, "broken: %s [%.*s]\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

}  // namespace quillbit
