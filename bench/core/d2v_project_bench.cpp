// Reading a 3-hour NTSC film's project: 259000 film pictures with the 3:2 pattern, 323750 frames
// at 29.97 fps (about 1.4 MB of text), from memory and from a file; the picture count of a 96 MiB
// stream. Run with --benchmark_repetitions=10 --benchmark_report_aggregates_only=true for the
// median. peak_heap_KiB is the most heap memory a read held at once beyond what it started with.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <streambuf>
#include <string>

#include "core/d2v_project.h"
#include "core/mpeg_pictures.h"
#include "tests/support/media_files.h"

namespace {

// Heap bytes in use and their peak, kept by this binary's operator new and delete below: the only
// way to see the peak inside a call. Single benchmarks run one at a time, so one pair will do.
std::atomic<std::size_t> heapInUse{0};
std::atomic<std::size_t> heapPeak{0};

}  // namespace

void* operator new(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) throw std::bad_alloc();
  const std::size_t now = heapInUse += malloc_usable_size(p);
  std::size_t peak = heapPeak.load(std::memory_order_relaxed);
  while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
  }
  return p;
}
void operator delete(void* p) noexcept {
  if (p == nullptr) return;
  heapInUse -= malloc_usable_size(p);
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  operator delete(p);
}

namespace quillbit {
namespace {

// Bytes in memory read as a stream, without a copy.
class MemoryBuffer : public std::streambuf {
 public:
  explicit MemoryBuffer(const std::string& bytes) {
    char* begin = const_cast<char*>(bytes.data());
    setg(begin, begin, begin + bytes.size());
  }
};

const std::string& ThreeHourFilm() {
  static const std::string text = [] {
    D2vDescription film;
    film.flags = FilmFlags(259000);
    film.finished = "FINISHED  100.00% FILM";
    return D2vProjectText(film);
  }();
  return text;
}

// Runs `read` once outside the timing to see its peak heap, then times it.
template <typename Read>
void Measure(benchmark::State& state, Read read) {
  const std::size_t before = heapInUse;
  heapPeak = before;
  benchmark::DoNotOptimize(read());
  state.counters["peak_heap_KiB"] = static_cast<double>(heapPeak - before) / 1024;
  for (auto _ : state) benchmark::DoNotOptimize(read());
}

void BM_ReadThreeHourProjectFromMemory(benchmark::State& state) {
  const std::string& text = ThreeHourFilm();
  Measure(state, [&] {
    MemoryBuffer buffer(text);
    std::istream in(&buffer);
    const D2vReadResult result = ReadD2vProject(in);
    if (!result.project || result.project->frames != 323750) std::abort();
    return result.project->frames;
  });
  state.SetBytesProcessed(static_cast<std::int64_t>(text.size()) * state.iterations());
}

void BM_ReadThreeHourProjectFromFile(benchmark::State& state) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "quillbit-bench-three-hours.d2v";
  if (!WriteBytes(path, ThreeHourFilm())) {
    state.SkipWithError("cannot write the project");
    return;
  }
  const std::u8string utf8 = path.u8string();
  const std::string utf8Path(utf8.begin(), utf8.end());
  Measure(state, [&] {
    const D2vReadResult result = ReadD2vProjectFile(utf8Path);
    if (!result.project || result.project->frames != 323750) std::abort();
    return result.project->frames;
  });
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

// Pictures of 8000 bytes that look coded: any byte values, zeros too, but no start code.
std::string CodedLikeStream(std::size_t pictures) {
  std::string out = M2vStream(0);
  out.resize(out.size() - 4);  // without its end code
  std::uint32_t state = 1;
  for (std::size_t i = 0; i < pictures; ++i) {
    out += std::string("\0\0\1\0", 4);
    for (int k = 0; k < 8000; ++k) {
      state = state * 1664525 + 1013904223;
      auto byte = static_cast<char>(state >> 24);
      if (byte == 1 && out[out.size() - 1] == 0 && out[out.size() - 2] == 0) byte = 2;
      out += byte;
    }
  }
  return out;
}

void BM_CountPicturesOf96MiBStream(benchmark::State& state) {
  static const std::string stream = CodedLikeStream(96 * 1024 * 1024 / 8000);
  Measure(state, [&] {
    MemoryBuffer buffer(stream);
    std::istream in(&buffer);
    const std::int64_t pictures = CountMpegPictures(in).frames.value_or(-1);
    if (pictures != 96 * 1024 * 1024 / 8000) std::abort();
    return pictures;
  });
  state.SetBytesProcessed(static_cast<std::int64_t>(stream.size()) * state.iterations());
}

BENCHMARK(BM_ReadThreeHourProjectFromMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadThreeHourProjectFromFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountPicturesOf96MiBStream)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillbit
