#!/usr/bin/env bash
# The game's lettering read back by a machine: zonesim composes the title cards of both zones, the
# act-clear lines for both characters and the status bar's labels; each line is cut out, enlarged
# four times with nearest-neighbour and handed to tesseract, which must read exactly what the game
# wrote. A letter that reads as another (an M taken for an H) fails here.
#   letters_ocr.sh GAME_DIR ZONESIM
set -uo pipefail

game=$1
zonesim=$2
for tool in tesseract convert; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/deps.sh installs it)"; exit 1; }
done

work=$(mktemp -d /tmp/orvane-ocr.XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0

# a copy of the Data folder playing character $1 (0 Zinto, 1 Kubo)
for who in 0 1; do
  cp -a "$game/Data" "$work/data$who"
  printf "\x01\x0$who\x00" >"$work/data$who/Orvane.cfg"
done

compose() {  # compose NAME ZONE CHARACTER FRAMES [zonesim options]
  local name=$1 zone=$2 who=$3 frames=$4
  shift 4
  "$zonesim" --zone "$zone" --dir "$work/data$who" --frames "$frames" --final --print ActIndex \
    --png "$work/$name.png" "$@" >/dev/null || { echo "FAIL: zonesim could not compose $name"; failures=$((failures + 1)); }
}

# read_back PICTURE CROP PAGE-MODE EXPECTED OPERATIONS...: the crop is enlarged four times, turned
# by OPERATIONS into dark letters on white, and read as capitals
read_back() {
  local picture=$1 crop=$2 mode=$3 expected=$4 got
  shift 4
  convert "$work/$picture.png" -crop "$crop" +repage -filter point -resize 400% "$@" -bordercolor white -border 24 \
    "$work/line.png"
  got=$(tesseract "$work/line.png" - --psm "$mode" -c tessedit_char_whitelist=ABCDEFGHIJKLMNOPQRSTUVWXYZ 2>/dev/null |
    sed '/^[[:space:]]*$/d' | paste -sd'|')
  if [ "$got" = "$expected" ]; then
    echo "ok: $picture reads \"$expected\""
  else
    echo "FAIL: $picture $crop reads \"$got\", expected \"$expected\""
    failures=$((failures + 1))
  fi
}

# word WORD PICTURE FIRST-X Y: a word of letter plates (22 pixels apart) whose first letter the game
# draws at (FIRST-X, Y). The letters' rows of the plates are cut at 70 per cent of white (the plates
# are dark, the letters light), and the seams between plates (dark slivers under two screen pixels
# wide once cut) are closed.
word() {
  read_back "$2" "$((${#1} * 22 - 1))x16+$3+$(($4 + 2))" 8 "$1" \
    -colorspace gray -threshold 70% -negate -morphology Close Rectangle:7x1
}

playing=(--set ControlOn=1 --set TitleCardSlide=351)
compose card-plumvale plumvale 0 100
compose card-ashmoor ashmoor 0 100
compose clear-zinto plumvale 0 60 "${playing[@]}" --set ActDone=1
compose clear-kubo ashmoor 1 60 "${playing[@]}" --set ActDone=1

# the card's name from x 54 (its first entry blank in Plum Vale, two in Ash Moor), y 64
word PLUM card-plumvale 76 64
word VALE card-plumvale 186 64
word ASH card-ashmoor 98 64
word MOOR card-ashmoor 186 64
# the act-clear lines once they have stopped: from x 18 at y 64 (two blank entries first) and
# from x 40 at y 96 (one blank entry)
word ZINTO clear-zinto 62 64
word HAS clear-zinto 194 64
word KUBO clear-kubo 62 64
word HAS clear-kubo 172 64
word PASSED clear-zinto 62 96
word PASSED clear-kubo 62 96
# the status bar's labels block (drawn at 17, 9), left of the numbers: gold on a lavender sky, told
# apart by red outweighing blue
read_back clear-zinto 36x43+17+9 6 "SCORE|TIME|RINGS" -fx "r-b" -threshold 10% -negate

[ "$failures" -eq 0 ] && echo "all lines read back" && exit 0
exit 1
