#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each for SECONDS seconds (default 5).
#   tests/fuzz/run.sh [SECONDS] [TARGET...]
# Each target keeps its corpus in build-fuzz/corpus/TARGET, so a later run goes on from it; a crash
# leaves its input in build-fuzz/crashes/ and makes the script exit 1.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-5}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_tiles fuzz_backmap fuzz_blockmap fuzz_items fuzz_curve fuzz_config fuzz_bitmap fuzz_wave fuzz_floormap fuzz_settings)

if [ ! -f build-fuzz/CMakeCache.txt ]; then
  CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_FUZZ=ON >/dev/null
fi
cmake --build build-fuzz -j "${FUZZ_JOBS:-2}" --target "${targets[@]}"

# Seeds, so the fuzzers start from files of the right shape: small hand-made headers, and the
# generated game's own files where a build has made them.
seed() {  # seed TARGET NAME PRINTF-FORMAT
  mkdir -p "build-fuzz/corpus/$1"
  [ -f "build-fuzz/corpus/$1/$2" ] || printf "$3" >"build-fuzz/corpus/$1/$2"
}
seed fuzz_wave pcm16 'RIFF\x2c\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x02\x00\x44\xac\x00\x00\x10\xb1\x02\x00\x04\x00\x10\x00data\x08\x00\x00\x00\x01\x02\x03\x04\x05\x06\x07\x08'
seed fuzz_bitmap rgb24 'BM\x46\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00\x02\x00\x00\x00\x02\x00\x00\x00\x01\x00\x18\x00\x00\x00\x00\x00\x10\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xff\x00\x00\x00\xff\x00\x00\x00\x00\x00\xff\xff\xff\xff\x00\x00'
seed fuzz_wave extensible16 'RIFF\x44\x00\x00\x00WAVEfmt \x28\x00\x00\x00\xfe\xff\x02\x00\x44\xac\x00\x00\x10\xb1\x02\x00\x04\x00\x10\x00\x16\x00\x10\x00\x03\x00\x00\x00\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xaa\x00\x38\x9b\x71data\x04\x00\x00\x00\x01\x02\x03\x04'
seed fuzz_bitmap bitfields32 'BM\x4a\x00\x00\x00\x00\x00\x00\x00\x42\x00\x00\x00\x28\x00\x00\x00\x02\x00\x00\x00\x01\x00\x00\x00\x01\x00\x20\x00\x03\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xff\x00\x00\xff\x00\x00\xff\x00\x00\x00\x08\x80\xff\x00\xf8\x40\x00\x00'
seed fuzz_config link '\x02\x00\x01\x02\x01\x00'
seed fuzz_config four '\x00\x01\x02\x01\x01\x00\x00'
seed fuzz_settings keys '[keys]\njump = Space, Left Ctrl\nleft = Right\nright = Left\n[audio]\nmusic = 0\n[video]\nfullscreen = no\n[controller]\ndead_zone = 30\njump = x\n'
game=build/game
copy_seed() {  # copy_seed TARGET FILE [first byte]
  [ -f "$2" ] || return 0
  mkdir -p "build-fuzz/corpus/$1"
  local out="build-fuzz/corpus/$1/game-$(basename "$2")"
  [ -f "$out" ] || { printf "${3:-}" >"$out"; cat "$2" >>"$out"; }
}
copy_seed fuzz_tiles $game/Data/Data/R1/PVT.til '\x00'
copy_seed fuzz_backmap $game/Data/Data/R1/PVB.map '\x00'
copy_seed fuzz_blockmap $game/Data/Data/R1/PVZ1.map '\x00'
copy_seed fuzz_blockmap $game/Data/Data/R2/AMZ2.map '\x03'
copy_seed fuzz_items $game/Data/Data/R1/PVZ1.itm '\x00'
copy_seed fuzz_items $game/Data/Data/R2/AMZ3.itm '\x05'
copy_seed fuzz_curve $game/Data/Data/Qloop.crv '\x00'
copy_seed fuzz_floormap $game/Ringdepth/Level.map

mkdir -p build-fuzz/crashes
status=0
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t"
  log="build-fuzz/$t.log"
  if SDL_VIDEODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 "build-fuzz/tests/fuzz/$t" "build-fuzz/corpus/$t" \
       -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="build-fuzz/crashes/$t-" >"$log" 2>&1; then
    echo "$t: $(grep -Eo 'Done [0-9]+ runs' "$log" | tail -1 | sed 's/Done //') in ${seconds} s, no crash"
  else
    echo "$t: CRASH (see $log and build-fuzz/crashes/)"
    grep -E 'ERROR|fuzz:|SUMMARY' "$log" | head -5
    status=1
  fi
done
exit $status
