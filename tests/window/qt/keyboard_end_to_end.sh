#!/usr/bin/env bash
# Drives the real zarvek-wizard (the Qt window, on X) with the keyboard alone, as an operator
# would: File > New (Ctrl+N), the part name, the probe diameter and the eighteen seat fields typed
# with Tab between them, the last one first with the digit-group separator for the decimal one
# ("12,5" in English): Enter runs Check Pattern, which refuses it in a message box and puts the
# focus back on the field with its text selected, so the value typed next replaces it. Enter
# checks again, then Make is pressed from the keyboard. Then checks the installed grid file's
# bytes against the expected file, that the host library was called exactly once, and that the
# status line names the part and the file (read from outside over the accessibility bus by
# READER, read_status_line.py). Last, File > Exit from the keyboard must end the program.
# The host is installed as on Linux, in a temporary folder: a registry file (ZARVEK_REGISTRY)
# naming the host folder, which holds the fake host library as libQuadrel.so and Armdata/.
# Needs an X display and a D-Bus session (run it under xvfb-run and dbus-run-session), xdotool
# and the accessibility bus launcher (at-spi2-core).
#   keyboard_end_to_end.sh EXE HOST_LIBRARY EXPECTED_FILE english|german READER
set -euo pipefail
exe=$1 library=$2 expected=$3 language=$4 reader=$5
# shellcheck source=tests/window/keyboard_run.sh
source "$(dirname "$0")/../keyboard_run.sh"

# slip: a seat value with the digit-group separator for the decimal one; refused: the title of
# the box that refuses it, as a pattern. The window takes its language from LANGUAGE, LC_ALL,
# LC_MESSAGES or LANG, the first one set, and its numbers from the locale: here both from LANG.
case "$language" in
  english)
    export LANG=C.UTF-8 point=. slip=12,5 title="Zarvek File Wizard" refused="Invalid Number"
    menu=alt+f exit=x
    ;;
  german)
    export LANG=de_DE.UTF-8 point=, slip=12.5 title="Zarvek Assistent" refused="Ung.+ltige Zahl"
    menu=alt+d exit=b
    ;;
  *) echo "language must be english or german" >&2; exit 2 ;;
esac
unset LC_ALL LC_MESSAGES LC_NUMERIC LANGUAGE

# A fresh installed host: no grid file, so Make asks no replace question.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
host=$work/host
mkdir -p "$host/Armdata"
cp "$library" "$host/libQuadrel.so"
printf 'Windows Registry Editor Version 5.00\r\n\r\n%s\r\n"Directory"="%s"\r\n' \
  '[HKEY_LOCAL_MACHINE\Software\Altreon\Quadrel\2.2\General]' "$host" >"$work/registry.reg"
pushes=$work/pushes
# The fake host library appends a line per call to this file.
export ZARVEK_REGISTRY=$work/registry.reg ZARVEK_TEST_PUSH_LOG=$pushes

# Qt shows its widgets on the accessibility bus when it finds the bus at start: this call has
# the session bus start the bus's launcher first.
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
  >/dev/null

started=$(date +%s.%N)
"$exe" &
wizard=$!
finish() {
  kill "$wizard" 2>/dev/null || true
  wait "$wizard" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

# Waits until the window $1 holds the keyboard focus, which the wizard gives its message box.
wait_for_focus() {
  for _ in $(seq 1 300); do
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return 0
    sleep 0.1
  done
  echo "window \"$(xdotool getwindowname "$1" 2>/dev/null)\" did not get the keyboard focus" >&2
  return 1
}

window=$(wait_for_window "$title")
shown=$(date +%s.%N)
LC_ALL=C awk -v a="$started" -v b="$shown" 'BEGIN { printf "window shown after %.2f s\n", b - a }'
xdotool windowfocus --sync "$window"

type_part_with_slip
box=$(wait_for_window "$refused")
wait_for_focus "$box"
xdotool key Return
wait_until_gone "$refused"
echo "\"$slip\" refused"
# A window manager gives the focus back to the window when its box closes; none runs here.
xdotool windowfocus --sync "$window"
# The refused field has the focus, its text selected: the value replaces it, and Enter checks
# again, leaving the field for Check Pattern. Once it passed, Make is two back (Make, Add, Check
# Pattern).
xdotool type --delay 20 1
xdotool key Return
xdotool key shift+Tab shift+Tab space

grid=$host/Armdata/Gridfile.dat
expect_write 1 "$expected"

# The status line names the part and the file as the wizard knows it.
line=$(/usr/bin/python3 "$reader" "$title") || true
case "$line" in
  '"Bracket, A" '*"$grid"*) echo "status line: $line" ;;
  *) echo "the status line after Make is \"$line\", not about \"Bracket, A\" in $grid" >&2
     exit 1 ;;
esac

# File > Exit from the keyboard ends the program without asking. (No window manager runs, so
# Alt+F4 would reach the window as an ordinary key.)
xdotool key "$menu" "$exit"
for _ in $(seq 1 300); do
  kill -0 "$wizard" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$wizard" 2>/dev/null; then
  echo "the wizard did not end on File > Exit" >&2
  exit 1
fi
status=0
wait "$wizard" || status=$?
if [ "$status" -ne 0 ]; then
  echo "the wizard ended with exit status $status" >&2
  exit 1
fi
echo "written bytes as expected, one push, status line read ($language)"
