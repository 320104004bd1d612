#!/usr/bin/env bash
# The mutation run: plants each mutant of tests/mutants/mutants.tsv, one at a
# time, in a scratch copy of the tree, runs the deterministic suites and says
# whether they killed it. Run on demand, not in CI.
#
#   scripts/mutants.sh                 every mutant
#   scripts/mutants.sh ID [ID...]      only these
#   scripts/mutants.sh --check         only tests that every mutant applies
#   scripts/mutants.sh --every-test [ID...]
#                                      runs every suite to its end for each mutant,
#                                      the Wine suite too for a file in the DLL, and
#                                      names every test that failed: the per-test
#                                      kill table of docs/testing.md
#
# The copy and its two builds live in $KOVRA_MUTANTS_DIR (default
# /tmp/kovra-mutants-$UID) and are kept, so a later run builds incrementally.
# Native suite (unit and tool tests, ASan + UBSan, and the sample replayed) first; the Wine suite only for
# a file that goes into KOVRA.dll and only when the native suite let it live.
# Wine runs honour KOVRA_WINEPREFIX and KOVRA_DISPLAY, as tests/host/wine-run.sh does.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
list=$repo/tests/mutants/mutants.tsv
work=${KOVRA_MUTANTS_DIR:-/tmp/kovra-mutants-$(id -u)}
src=$work/src
logs=$work/logs

mutant() {  # mutant apply|check ID: plants one mutant in $src, or only checks it would apply
  python3 - "$list" "$src" "$@" <<'EOF'
import sys
listing, root, action, wanted = sys.argv[1:5]
for line in open(listing, encoding="utf-8"):
    if line.startswith("#") or not line.strip():
        continue
    ident, path, original, replacement, _ = line.rstrip("\n").split("\t")
    if ident != wanted:
        continue
    text = open(f"{root}/{path}", encoding="utf-8").read()
    if text.count(original) != 1:
        sys.exit(f"{ident}: the original text occurs {text.count(original)} times in {path}")
    if action == "apply":
        open(f"{root}/{path}", "w", encoding="utf-8").write(text.replace(original, replacement))
    print(path)
    sys.exit(0)
sys.exit(f"{wanted}: no such mutant")
EOF
}

# Copies the work tree into $src, touching only files that differ, so the
# scratch builds stay incremental from one run to the next.
sync_tree() {
  mkdir -p "$src"
  git ls-files -z --cached --others --exclude-standard | python3 -c '
import os, shutil, sys
dest = sys.argv[1]
for name in sys.stdin.read().split("\0"):
    if not name or not os.path.isfile(name):
        continue
    target = os.path.join(dest, name)
    if os.path.exists(target) and open(target, "rb").read() == open(name, "rb").read():
        continue
    os.makedirs(os.path.dirname(target) or ".", exist_ok=True)
    shutil.copyfile(name, target)
    shutil.copymode(name, target)
' "$src"
}

ids=()
check_only=0 every_test=0
for arg in "$@"; do
  case $arg in
    --check) check_only=1 ;;
    --every-test) every_test=1 ;;
    *) ids+=("$arg") ;;
  esac
done
if [ ${#ids[@]} -eq 0 ]; then
  mapfile -t ids < <(grep -v '^#' "$list" | cut -f1)
fi

sync_tree
if [ $check_only = 1 ]; then
  for id in "${ids[@]}"; do mutant check "$id" >/dev/null; done
  echo "all ${#ids[@]} mutants apply"
  exit 0
fi

mkdir -p "$logs"
# The Wine suite runs on the build this machine can run (the x64 one where the
# kernel cannot run 32-bit programs), as in scripts/test.sh.
wine_ok=0
read -r wine_build toolchain < <(bash "$repo/scripts/wine-arch.sh")
if command -v wine >/dev/null && command -v "${toolchain#mingw-}-w64-mingw32-g++" >/dev/null; then
  wine_ok=1
else
  echo "Wine or the cross compiler is missing: the Wine suite is left out" >&2
fi

build_native() {
  cmake --build "$work/native" -j2 --target unit_tests tool_tests kovra-replay >"$logs/build.log" 2>&1
}
build_wine() {
  cmake --build "$work/$wine_build" -j2 --target KOVRA host_tests fake_tool kovra-replay kovra-check \
    >"$logs/build.log" 2>&1
}
# The native suite, each test program in one process (CTest's process per test
# costs ten times as much); prints the first failed test's name when one failed.
run_native() {
  local out=$1 program
  : >"$out"
  for program in unit/unit_tests tools/tool_tests; do
    if ! "$work/native/tests/$program" --gtest_fail_fast >>"$out" 2>&1; then
      grep -m1 -o '^\[  FAILED  \] [^ ,]*' "$out" | cut -c14- | grep . ||
        echo "$(grep '^\[ RUN' "$out" | tail -1 | cut -c14-) (crashed)"
      return 1
    fi
  done
  run_ctest "$work/native" "$out" -R replay_sample_native
}
# Prints the first failed test's name when one failed.
run_ctest() {
  local dir=$1 out=$2
  if ctest --test-dir "$dir" --stop-on-failure --timeout 300 "${@:3}" >>"$out" 2>&1; then return 0; fi
  sed -n '/tests FAILED:/{n;p;q}' "$out" | sed 's/^[[:space:]]*[0-9]* - //; s/ (.*//'
  return 1
}

# Every failed test of one gtest program, run in one process to its end; a test
# that crashes the process is named "(crashed)" and the rest run without it.
every_failure() {
  local out=$1 left="*" crashed=() last program=("${@:2}")
  while :; do
    if timeout 900 "${program[@]}" --gtest_filter="$left" >"$out" 2>&1 || grep -q '^\[==========\] .* ran\.' "$out"; then
      { tr -d '\r' <"$out" | grep -o '^\[  FAILED  \] [^ ,]*\.[^ ,]*' | cut -c14- | sort -u; } || true
      [ ${#crashed[@]} = 0 ] || printf '%s (crashed)\n' "${crashed[@]}"
      return 0
    fi
    last=$(tr -d '\r' <"$out" | { grep '^\[ RUN' || true; } | tail -1 | cut -c14-)
    if [ -z "$last" ] || [[ ":${left#-}:" == *":$last:"* ]]; then
      echo "${program[-1]##*/} (crashed)"
      return 0
    fi
    crashed+=("$last")
    left="-$(IFS=:; echo "${crashed[*]}")"
  done
}
# Every failed test of the native suite, then, for a file in the DLL, of the Wine suite.
every_kill() {
  local id=$1 program
  if [ $native = 1 ] && ! build_native; then
    echo "nothing: the native build fails (see $logs/build.log)"
  elif [ $native = 1 ]; then
    for program in unit/unit_tests tools/tool_tests; do
      every_failure "$logs/$id-${program#*/}.log" "$work/native/tests/$program"
    done | sed 's/$/ (native)/'
    ctest --test-dir "$work/native" -R replay_sample_native >"$logs/$id-replay.log" 2>&1 ||
      echo "replay_sample_native (native)"
  fi
  if [ $in_dll = 1 ] && [ $wine_ok = 1 ] && ! build_wine; then
    echo "nothing: the Windows build fails (see $logs/build.log)"
  elif [ $in_dll = 1 ] && [ $wine_ok = 1 ]; then
    every_failure "$logs/$id-wine.log" "$src/tests/host/wine-run.sh" \
      "$work/$wine_build/bin/host_tests.exe" | sed 's/$/ (Wine)/'
    ctest --test-dir "$work/$wine_build" -R replay_sample_wine >"$logs/$id-replay-wine.log" 2>&1 ||
      echo "replay_sample_wine (Wine)"
  fi
}

(cd "$src" && cmake --preset native -B "$work/native" >/dev/null)
build_native
if [ $wine_ok = 1 ]; then
  (cd "$src" && cmake --preset "$wine_build" -B "$work/$wine_build" >/dev/null)
  build_wine
  trap 'bash "$src/scripts/stop-wine.sh"' EXIT
fi

# The unmutated tree must pass, or every mutant would look killed.
run_native "$logs/baseline-native.log" >/dev/null || {
  echo "the native suite fails without a mutant: see $logs/baseline-native.log" >&2; exit 1; }
if [ $wine_ok = 1 ]; then
  : >"$logs/baseline-wine.log"
  run_ctest "$work/$wine_build" "$logs/baseline-wine.log" >/dev/null || {
    echo "the Wine suite fails without a mutant: see $logs/baseline-wine.log" >&2; exit 1; }
fi

killed=0 total=0 untried=0
start=$SECONDS
: >"$logs/verdicts.txt"
for id in "${ids[@]}"; do
  file=$(mutant check "$id")
  cp "$src/$file" "$work/original"
  mutant apply "$id" >/dev/null
  verdict="survived"
  in_dll=1 native=1
  case $file in
    *_posix.*|tools/*) in_dll=0 ;;
    *_win32.*|*.rc) native=0 ;;
  esac
  if [ $every_test = 1 ]; then
    mapfile -t kills < <(every_kill "$id")
    if printf '%s\n' "${kills[@]}" | grep -q '^nothing: '; then
      verdict="error: $(printf '%s\n' "${kills[@]}" | sed -n 's/^nothing: //p' | head -1)"
    elif [ ${#kills[@]} -gt 0 ]; then
      verdict="killed by $(IFS=,; echo "${kills[*]}" | sed 's/,/, /g')"
    fi
  elif [ $native = 1 ]; then
    if ! build_native; then
      verdict="error: does not build (see $logs/build.log)"
    elif failed=$(run_native "$logs/$id-native.log"); then
      :
    else
      verdict="killed by $failed (native)"
    fi
  fi
  if [ $every_test = 0 ] && [ "$verdict" = survived ] && [ $in_dll = 1 ]; then
    if [ $wine_ok = 0 ]; then
      verdict="not tried: no Wine"
    elif ! build_wine; then
      verdict="error: does not build (see $logs/build.log)"
    elif : >"$logs/$id-wine.log"; failed=$(run_ctest "$work/$wine_build" "$logs/$id-wine.log"); then
      :
    else
      verdict="killed by $failed (Wine)"
    fi
  fi
  # Restored with a new time stamp, so the next build compiles it again.
  cp "$work/original" "$src/$file"
  touch "$src/$file"
  case $verdict in
    killed*) killed=$((killed + 1)); total=$((total + 1)) ;;
    "not tried"*) untried=$((untried + 1)) ;;
    *) total=$((total + 1)) ;;
  esac
  echo "$id: $verdict" | tee -a "$logs/verdicts.txt"
done
echo "killed $killed of $total$([ $untried = 0 ] || echo " ($untried not tried: no Wine)") in $((SECONDS - start)) s"
if [ $every_test = 1 ]; then
  echo "each test and the mutants it kills:"
  python3 - "$logs/verdicts.txt" <<'EOF'
import sys
kills = {}
for line in open(sys.argv[1], encoding="utf-8"):
    ident, verdict = line.rstrip("\n").split(": ", 1)
    if verdict.startswith("killed by "):
        for test in verdict[len("killed by "):].split(", "):
            kills.setdefault(test.replace(" (crashed)", ""), []).append(ident)
for test in sorted(kills, key=lambda t: (t.endswith("(Wine)"), t)):
    print(f"{test}: {', '.join(kills[test])}")
EOF
fi
