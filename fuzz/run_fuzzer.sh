#!/usr/bin/env bash
# Builds one libFuzzer target with clang++ in a nested build of the project and fuzzes it from its
# seed corpus for a fixed time. Exits 77, which ctest reports as skipped, where clang++ or
# libFuzzer is missing; any other non-zero exit is a failure (a crash, a broken check, a build
# error).
#
#   run_fuzzer.sh --cmake CMAKE --generator GEN --source DIR --build DIR --target NAME
#                 --corpus DIR --seconds N
set -euo pipefail

cmake_bin=cmake generator=Ninja source_dir= build_dir= target= corpus= seconds=20
while [ $# -gt 0 ]; do
  case "$1" in
    --cmake) cmake_bin=$2 ;;
    --generator) generator=$2 ;;
    --source) source_dir=$2 ;;
    --build) build_dir=$2 ;;
    --target) target=$2 ;;
    --corpus) corpus=$2 ;;
    --seconds) seconds=$2 ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
  esac
  shift 2
done
for required in source_dir build_dir target corpus; do
  [ -n "${!required}" ] || { echo "missing --${required%_dir}" >&2; exit 2; }
done

skip() {
  echo "SKIPPED: $*"
  exit 77
}

# QUILLBIT_FUZZ_CXX picks another clang++; by default the one on the PATH.
clangxx=${QUILLBIT_FUZZ_CXX:-$(command -v clang++ || command -v clang++-14 || true)}
[ -n "$clangxx" ] && command -v "$clangxx" >/dev/null || skip "clang++ is not installed"

mkdir -p "$build_dir/probe"
probe="$build_dir/probe/probe"
printf '%s\n' '#include <cstddef>' '#include <cstdint>' \
  'extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }' \
  >"$probe.cpp"
if ! "$clangxx" -fsanitize=fuzzer,address,undefined "$probe.cpp" -o "$probe" \
  >"$probe.log" 2>&1; then
  cat "$probe.log"
  skip "clang++ cannot link libFuzzer with the sanitizers (Debian: libclang-rt-14-dev)"
fi

echo "== configuring $build_dir with $clangxx"
"$cmake_bin" -S "$source_dir" -B "$build_dir" -G "$generator" \
  -DCMAKE_CXX_COMPILER="$clangxx" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUILLBIT_SANITIZE=ON \
  -DQUILLBIT_WERROR=OFF \
  -DQUILLBIT_BUILD_GUI=OFF \
  -DQUILLBIT_BUILD_TESTS=OFF \
  -DQUILLBIT_BUILD_BENCH=OFF \
  -DQUILLBIT_BUILD_FUZZ=ON \
  -DQUILLBIT_FUZZ_ENGINE=ON >"$build_dir/configure.log" 2>&1 || {
  cat "$build_dir/configure.log"
  exit 1
}

echo "== building $target"
"$cmake_bin" --build "$build_dir" --target "$target" -j 2

# New inputs go to a working corpus in the build tree; the committed seeds are only read.
name=${target#quillbit_fuzz_}
work="$build_dir/corpus/$name"
artifacts="$build_dir/artifacts/$name"
mkdir -p "$work" "$artifacts"
echo "== fuzzing $target for ${seconds}s"
# libFuzzer's own exit code for a crash is 77, which ctest would report as skipped.
"$build_dir/fuzzers/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -error_exitcode=1 \
  -print_final_stats=1 -artifact_prefix="$artifacts/" "$work" "$corpus"
