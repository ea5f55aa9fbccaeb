#include <benchmark/benchmark.h>

#include <string>

#include "core/number_text.h"

namespace quillbit {
namespace {

const NumberLocale kLocales[] = {NumberLocale::EnglishUS(), NumberLocale::GermanDE(),
                                 NumberLocale::FrenchFR()};

void BM_ParseNumber(benchmark::State& state, const char* text, int locale) {
  const std::string input = text;
  for (auto _ : state) {
    auto v = ParseNumber(input, kLocales[locale]);
    benchmark::DoNotOptimize(v);
  }
}

void BM_NumOrZero(benchmark::State& state, const char* text, int locale) {
  const std::string input = text;
  for (auto _ : state) {
    double v = NumOrZero(input, kLocales[locale]);
    benchmark::DoNotOptimize(v);
  }
}

void BM_PlainText(benchmark::State& state, double value, int locale) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    std::string s = PlainText(value, kLocales[locale]);
    benchmark::DoNotOptimize(s);
  }
}

void BM_StandardNumber(benchmark::State& state, double value, int locale) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    std::string s = StandardNumber(value, kLocales[locale]);
    benchmark::DoNotOptimize(s);
  }
}

BENCHMARK_CAPTURE(BM_ParseNumber, frames_en, "150000", 0);
BENCHMARK_CAPTURE(BM_ParseNumber, fps_en, "29.97", 0);
BENCHMARK_CAPTURE(BM_ParseNumber, bytes_en, "4300000000", 0);
BENCHMARK_CAPTURE(BM_ParseNumber, grouped_en, "1,234,567.25", 0);
BENCHMARK_CAPTURE(BM_ParseNumber, grouped_de, "1.234.567,25", 1);
BENCHMARK_CAPTURE(BM_ParseNumber, grouped_fr,
                  "1\xE2\x80\xAF"
                  "234\xE2\x80\xAF"
                  "567,25",
                  2);
BENCHMARK_CAPTURE(BM_ParseNumber, exponent_en, "1.23456789012346E+18", 0);
BENCHMARK_CAPTURE(BM_NumOrZero, number_en, "4489.25", 0);
BENCHMARK_CAPTURE(BM_NumOrZero, letters_en, "12abc", 0);
BENCHMARK_CAPTURE(BM_NumOrZero, empty_en, "", 0);

BENCHMARK_CAPTURE(BM_PlainText, integer, 9556.0, 0);
BENCHMARK_CAPTURE(BM_PlainText, negative_integer, -2059.0, 0);
BENCHMARK_CAPTURE(BM_PlainText, fraction, 4.384, 0);
BENCHMARK_CAPTURE(BM_PlainText, long_fraction_de, 4273073230.7692304, 1);
BENCHMARK_CAPTURE(BM_PlainText, exponent, 1.5e20, 0);

BENCHMARK_CAPTURE(BM_StandardNumber, bytes_en, 4300200000.0, 0);
BENCHMARK_CAPTURE(BM_StandardNumber, megabytes_en, 4100.9903, 0);
BENCHMARK_CAPTURE(BM_StandardNumber, bytes_fr, 4300200000.0, 2);

}  // namespace
}  // namespace quillbit
