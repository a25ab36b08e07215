#!/usr/bin/env bash
# Drives the real zarvek-wizard.exe under wine with the keyboard alone, as an operator would:
# File > New (Ctrl+N), the part name, the probe diameter and the eighteen seat fields typed with
# Tab between them, the last one first with the digit-group separator for the decimal one ("12,5"
# in English): Enter runs Check Pattern, which refuses it in a message box and puts the focus back
# on the field with its text selected, so the value typed next replaces it. Enter checks again,
# then Make is pressed from the keyboard. Then checks the installed grid file's bytes against the
# expected file, that the host library was called exactly once, and that the status line names the
# part and the file (read with READER, read_status_line.exe).
# Then corrects it: File > Open Installed File, the Parts tab, the part selected and removed with
# the Delete key (a file of no parts), and File > Restore Previous Grid File (the made file
# again), each confirmed in its question and followed by one more call of the host library.
# Needs an X display (run it under xvfb-run), xdotool and the installed host (CTest's fixture
# installed_host: the registry entry and Quadrel.dll in the host folder).
#   keyboard_end_to_end.sh WINE EXE HOST_FOLDER EXPECTED_FILE english|german READER
set -euo pipefail
wine=$1 exe=$2 host=$3 expected=$4 language=$5 reader=$6
# shellcheck source=tests/window/keyboard_run.sh
source "$(dirname "$0")/../keyboard_run.sh"

# slip: a seat value with the digit-group separator for the decimal one; refused: the title of
# the box that refuses it, as a pattern.
case "$language" in
  english)
    export LANG=C.UTF-8 point=. slip=12,5 title="Zarvek File Wizard" refused="Invalid Number"
    menu=alt+f restore=r yes=y
    remove_title="Remove Part" restore_title="Restore Previous Grid File"
    ;;
  german)
    export LANG=de_DE.UTF-8 point=, slip=12.5 title="Zarvek Assistent" refused="Ung.+ltige Zahl"
    menu=alt+d restore=w yes=j
    remove_title="Werkstück entfernen" restore_title="Vorherige Zarvek Datei wiederherstellen"
    ;;
  *) echo "language must be english or german" >&2; exit 2 ;;
esac
unset LC_ALL LC_MESSAGES LANGUAGE

# A fresh installed folder: no grid file, so Make asks no replace question.
armdata=$host/Armdata
rm -rf "$armdata"
mkdir -p "$armdata"
pushes=$(mktemp)
trap 'rm -f "$pushes"' EXIT
# The fake host library appends a line per call to this file; wine maps drive Z: to the root.
export ZARVEK_TEST_PUSH_LOG="Z:${pushes//\//\\}"

started=$(date +%s.%N)
"$wine" "$exe" &
wizard=$!
finish() {
  kill "$wizard" 2>/dev/null || true
  wait "$wizard" 2>/dev/null || true
  rm -f "$pushes"
}
trap finish EXIT

window=$(wait_for_window "$title")
shown=$(date +%s.%N)
LC_ALL=C awk -v a="$started" -v b="$shown" 'BEGIN { printf "window shown after %.2f s\n", b - a }'
xdotool windowfocus --sync "$window"

type_part_with_slip
wait_for_window "$refused" >/dev/null
xdotool key Return
wait_until_gone "$refused"
echo "\"$slip\" refused"
# The refused field has the focus, its text selected: the value replaces it, and Enter checks
# again, leaving the field for Check Pattern. Once it passed, Make is two back (Make, Add, Check
# Pattern).
xdotool type --delay 20 1
xdotool key Return
xdotool key shift+Tab shift+Tab space

grid=$armdata/Gridfile.dat
expect_write 1 "$expected"

# The status line names the part and the file as the wizard knows it (wine's drive Z: is the root).
windows_grid="Z:${grid//\//\\}"
line=$("$wine" "$reader" "$title" 2>/dev/null | tr -d '\r') || true
case "$line" in
  '"Bracket, A" '*"$windows_grid"*) echo "status line: $line" ;;
  *) echo "the status line after Make is \"$line\", not about \"Bracket, A\" in $windows_grid" >&2
     exit 1 ;;
esac
xdotool windowfocus --sync "$window"

# File > Open Installed File (the third item); the viewer's tabs take the focus: Right shows the
# Parts tab, Tab goes to the list of parts, Home selects the part, Delete asks to remove it.
xdotool key "$menu" Down Down Return
xdotool key Right Tab Home Delete
question=$(wait_for_window "$remove_title")
xdotool windowfocus --sync "$question" key "$yes"
empty=$(mktemp)
printf '$$\r\n0 3 1.500000 6.350000 4' >"$empty"
expect_write 2 "$empty"
rm -f "$empty"

# File > Restore Previous Grid File, by its access key: the made file comes back.
xdotool key "$menu" "$restore"
question=$(wait_for_window "$restore_title")
xdotool windowfocus --sync "$question" key "$yes"
expect_write 3 "$expected"

# File > Exit from the keyboard ends the program without asking.
xdotool key alt+F4
for _ in $(seq 1 300); do
  kill -0 "$wizard" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$wizard" 2>/dev/null; then
  echo "the wizard did not end on Alt+F4" >&2
  exit 1
fi
echo "written bytes as expected, one push for each of make, remove and restore ($language)"
