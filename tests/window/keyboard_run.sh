# shellcheck shell=bash disable=SC2154
# Shared by the keyboard-driven runs of the Qt and the Win32 window (sourced, not run): waiting
# for windows, typing the example part with its slip, and checking a write by its bytes and the
# host library's calls. Needs xdotool and an X display; the caller sets point (the decimal
# separator), slip (the seat value typed with the group separator), pushes (the fake host
# library's log) and grid (the installed grid file).

# Waits for the window with exactly this title to be on screen; fails after a minute.
wait_for_window() {
  local window
  window=$(timeout 60 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) || {
    echo "no window \"$1\" within a minute" >&2
    return 1
  }
  echo "$window"
}

# Waits until no window with exactly this title is on screen, for up to half a minute.
wait_until_gone() {
  for _ in $(seq 1 300); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
}

# Keys go to the window holding the keyboard focus when the wizard reads them, in order, so no
# waiting is needed between them.
type_field() {
  printf "%s" "$1" | xdotool type --delay 20 --file -
  xdotool key Tab
}
number() {
  echo "${1//./$point}"
}

# File > New (Ctrl+N), the part name, the probe diameter and the eighteen seat fields with Tab
# between them, the last one as the slip; then Enter, which runs Check Pattern.
type_part_with_slip() {
  xdotool key ctrl+n
  type_field "Bracket, A"
  type_field "$(number 6.35)"
  for value in 0 0 0 0 0 5 100.00049 0 0 0 1 1 30 80 -0.00001 0 0; do
    type_field "$(number "$value")"
  done
  printf "%s" "$slip" | xdotool type --delay 20 --file -
  xdotool key Return
}

# Waits until the host library has been called $1 times, then checks that the grid file holds
# the bytes of the file $2 and that no further call comes.
expect_write() {
  local calls=0
  for _ in $(seq 1 600); do
    calls=$(grep -c QDL_SaveArmspecs "$pushes" 2>/dev/null || true)
    [ "${calls:-0}" -ge "$1" ] && break
    sleep 0.1
  done
  if [ "${calls:-0}" -lt "$1" ]; then
    echo "the host library was not called a ${1}. time within a minute; windows on screen:" >&2
    for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
      echo "  $(xdotool getwindowname "$w")" >&2
    done
    exit 1
  fi
  # The write is complete before the push; wait a moment for a push that must not come.
  sleep 1
  if ! cmp "$grid" "$2"; then
    echo "--- written:" >&2
    od -c "$grid" >&2 || true
    exit 1
  fi
  calls=$(grep -c QDL_SaveArmspecs "$pushes")
  if [ "$calls" -ne "$1" ]; then
    echo "the host library was called $calls times, not $1" >&2
    exit 1
  fi
}
