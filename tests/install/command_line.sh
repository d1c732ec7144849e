#!/usr/bin/env bash
# command_line.sh GAME_DIR "NAME VERSION": the title, the zones and the demo answer --help and
# --version, and refuse an unknown option with the usage on standard error and status 2, all before
# they open a display (DISPLAY is unset here: a program that tried would fail with status 1).
set -uo pipefail
game=$1
version_line=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY
export SDL_VIDEODRIVER=x11
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for program in Orvane Data/Plumvale Data/Ashmoor Ringdepth/Ringdepth; do
  name=$(basename "$program")
  run() { "$game/$program" "$@" >"$work/out" 2>"$work/err"; echo $?; }

  status=$(run --help)
  [ "$status" = 0 ] || fail "$name --help: status $status: $(cat "$work/err")"
  grep -q "^Usage: $name \[--window | --fullscreen\] \[--verbose\]$" "$work/out" || fail "$name --help: no usage line"
  grep -q -- "--window" "$work/out" && grep -q "^Keys:$" "$work/out" && grep -q "Alt+Enter" "$work/out" ||
    fail "$name --help lacks the options or the keys: $(cat "$work/out")"
  [ -s "$work/err" ] && fail "$name --help wrote to standard error: $(cat "$work/err")"

  status=$(run --version)
  [ "$status" = 0 ] && [ "$(cat "$work/out")" = "$version_line" ] ||
    fail "$name --version: status $status, printed '$(cat "$work/out")', expected '$version_line'"

  for bad in --bogus -w window "--window --nonsense"; do
    # shellcheck disable=SC2086  # the last case is two words on purpose
    status=$(run $bad)
    [ "$status" = 2 ] || fail "$name $bad: status $status, expected 2"
    [ -s "$work/out" ] && fail "$name $bad wrote to standard output: $(cat "$work/out")"
    grep -q "unknown option" "$work/err" && grep -q "^Usage: $name " "$work/err" ||
      fail "$name $bad: no usage on standard error: $(cat "$work/err")"
  done
done
[ "$failures" = 0 ] && echo "ok: the title, both zones and the demo answer --help, --version and unknown options"
exit $((failures > 0))
