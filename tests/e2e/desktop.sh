# What the end-to-end scripts that drive the programs' windows share, sourced after they define
# `fail` and set `ui_log` (the file ORVANE_UI_LOG names, where the launcher and the mode tool report
# their buttons' places).

# the bytes of a file as decimal numbers, "1 0 1"
bytes() { od -An -tu1 -v "$1" 2>/dev/null | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }
# waits up to $2 seconds for a window named exactly $1; prints its id
window() {
  local i
  for ((i = 0; i < $2 * 10; i++)); do
    local id
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
# waits up to $2 seconds for the window named $1 to go
gone() {
  local i
  for ((i = 0; i < $2 * 10; i++)); do
    xdotool search --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
# clicks the centre of a button whose place the window reported
click() {
  local place
  place=$(grep "^place $2 " "$ui_log" | tail -1 | cut -d' ' -f3-)
  [ -n "$place" ] || { fail "no place reported for button $2"; return; }
  read -r x y w h <<<"$place"
  xdotool mousemove --window "$1" $((x + w / 2)) $((y + h / 2)) click 1
}
