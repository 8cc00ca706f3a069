#!/usr/bin/env bash
# Builds the whole test suite, window and drawing tests included, with
# AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer, and runs it
# through CTest on Qt's offscreen platform. Any finding fails the test it
# happens in, and so this script.
#
# GCC, the compiler the program itself is built with; the fuzzers already run
# the calculation under clang's sanitizers. Benchmarks are left out.
#
# LeakSanitizer does not see a widget left without a parent: Qt keeps every
# widget it has made reachable until the process ends. The window and drawing
# tests count the widgets each test leaves alive instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh sanitize
build_dir=build-asan  # the preset's
suppressions=$PWD/tests/lsan.supp

# LeakSanitizer matches an entry against every frame of the allocating stack,
# and in the window every stack runs through Qt's event loop: an entry for a
# whole Qt library, or one that names our code, would hide our own leaks.
while IFS= read -r entry; do
  case $entry in
    '' | '#'*) ;;
    *[Ss]tereona* | *window/* | *drawings/* | *core/* | *solvers/* | *tests/* | *libQt6* | 'leak:*' | leak:)
      echo "$suppressions: '$entry' would hide leaks of ours" >&2
      exit 1
      ;;
  esac
done <"$suppressions"

cmake --preset asan
cmake --build "$build_dir" --parallel "$(nproc)"

# fast_unwind_on_malloc=0: Qt's libraries have no frame pointers, and without
# the slow unwinder a leak's stack stops inside Qt, before reaching our frames.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:fast_unwind_on_malloc=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$suppressions:print_suppressions=0
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error --parallel "$(nproc)" \
  -E '^accessibility[.]'

# The screen-reader test runs the program on X. There libxkbcommon-x11 copies
# the keyboard map's names with strndup(), passing a length that reaches past
# the end of X's reply; strndup stops at the name's NUL before that, but the
# strict string check counts the whole length. That one check is off for this
# test only.
ASAN_OPTIONS=${ASAN_OPTIONS/strict_string_checks=1/strict_string_checks=0} \
  ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -R '^accessibility[.]'

