#include <benchmark/benchmark.h>

#include <string>

#include "core/calc.h"

namespace quillbit {
namespace {

CalcInputs Movie(std::string fps, std::string frames, std::string method, bool ntsc = true) {
  return CalcInputs{.txtFPS = std::move(fps),
                    .txtFrames = std::move(frames),
                    .cmbCCESet = std::move(method),
                    .ntsc = ntsc,
                    .txtCCEMax = "8000",
                    .txtSampleFrame = "1500",
                    .txtSampleQ = "40",
                    .bytes_dest = 4700000000,
                    .bytes_aud = 400000000,
                    .bytes_sampsize = 41943040};
}

void Run(benchmark::State& state, const CalcInputs& in) {
  const NumberLocale locale = NumberLocale::EnglishUS();
  for (auto _ : state) {
    CalcResult r = calc(in, locale);
    benchmark::DoNotOptimize(r);
  }
}

void BM_CalcMultiPass(benchmark::State& state) {
  Run(state, Movie("25", "90000", kMethodMultiPass));
}
void BM_CalcSinglePassNtsc(benchmark::State& state) {
  Run(state, Movie("30", "108000", kMethodSinglePass));
}
void BM_CalcSinglePassPal(benchmark::State& state) {
  Run(state, Movie("25", "150000", kMethodSinglePass, false));
}
void BM_CalcBach(benchmark::State& state) {
  Run(state, Movie("25", "150000", kMethodBach));
}
void BM_CalcBachShortClip(benchmark::State& state) {
  CalcInputs in = Movie("25", "1000", kMethodBach);
  in.txtSampleFrame = "10";
  Run(state, in);
}
void BM_CalcFailureNoFrameRate(benchmark::State& state) {
  Run(state, Movie("", "90000", kMethodMultiPass));
}

BENCHMARK(BM_CalcMultiPass);
BENCHMARK(BM_CalcSinglePassNtsc);
BENCHMARK(BM_CalcSinglePassPal);
BENCHMARK(BM_CalcBach);
BENCHMARK(BM_CalcBachShortClip);
BENCHMARK(BM_CalcFailureNoFrameRate);

}  // namespace
}  // namespace quillbit
