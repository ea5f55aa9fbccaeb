#pragma once

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/calc_cli.h"

namespace quillbit {

// One run of the program's library: its exit status and both streams.
struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline CliRun RunCli(const std::vector<std::string>& arguments) {
  CliRun run;
  run.status = RunCalcCli(arguments, run.out, run.err);
  return run;
}

// The printed JSON object of a run that succeeded; an empty object (and a failure) otherwise.
inline nlohmann::json JsonOf(const CliRun& run) {
  EXPECT_EQ(run.status, 0) << run.err;
  nlohmann::json json = nlohmann::json::parse(run.out, nullptr, false);
  EXPECT_FALSE(json.is_discarded()) << run.out;
  return json.is_discarded() ? nlohmann::json::object() : json;
}

}  // namespace quillbit
