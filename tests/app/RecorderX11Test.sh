#!/usr/bin/env bash
# The macro recorder of the real `tarvik` on a virtual X11 screen (no window manager, no tray),
# driven by real key and pointer events through XTest (xdotool): a key held past the
# auto-repeat delay, with the "Start Recording" and "Stop Recording" boxes closed by Enter,
# records exactly one press and one release line, and that macro compiles into its slot.
# Usage: RecorderX11Test.sh TARVIK TARVIKCTL
set -euo pipefail
tarvik=$1 tarvikctl=$2
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/bootstrap installs it)"; exit 77; }
done

tmp=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number once it takes connections.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
pids+=($!)
for _ in $(seq 300); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || { echo "Xvfb did not start"; cat "$tmp/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$tmp/display")" XDG_RUNTIME_DIR="$tmp"

data="$tmp/data"
"$tarvik" --simulate --data-dir "$data" >"$tmp/tarvik.log" 2>&1 &
tarvik_pid=$!
pids+=("$tarvik_pid")

windows() { xdotool search --onlyvisible --pid "$tarvik_pid" 2>/dev/null | wc -l; }
# Waits until the program shows `count` windows (the main window, plus a message box).
wait_windows() {
  for _ in $(seq 100); do [ "$(windows)" -eq "$1" ] && return 0; sleep 0.1; done
  echo "expected $1 visible windows of tarvik, found $(windows)"; cat "$tmp/tarvik.log"; exit 1
}
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }
# A message box opened by the last click, closed with the Enter key.
close_box_with_enter() {
  wait_windows 2
  sleep 0.3
  xdotool key Return
  wait_windows 1
  sleep 0.3
}

# Start-up notes (a first run's "Config file is not exist.") are closed as a user would.
for _ in $(seq 100); do
  main=$(xdotool search --onlyvisible --pid "$tarvik_pid" 2>/dev/null | while read -r w; do
    xdotool getwindowgeometry "$w" | grep -q 'Geometry: 890x660' && echo "$w"; done || true)
  [ -n "$main" ] && [ "$(windows)" -eq 1 ] && break
  [ "$(windows)" -ge 1 ] && [ -z "$main" ] && xdotool key Return
  sleep 0.2
done
[ -n "$main" ] || { echo "the main window did not show"; cat "$tmp/tarvik.log"; exit 1; }
sleep 0.5
# The window sits at the screen's top-left corner: its client coordinates are the screen's.
click 80 74        # the Advanced tab
click 767 329      # the macro name field
xdotool type --delay 50 m1
click 565 538      # New
click 749 243      # Start Recording
close_box_with_enter
xdotool keydown a
sleep 1.2          # well past the auto-repeat delay: the server repeats the key
xdotool keyup a
sleep 0.3
click 749 279      # Stop Recording
close_box_with_enter
click 773 538      # Confirm: saves record.ini and compiles the slots

expected=$'[m1]\nItemCount=3\nItem0=A   Dn\nItem1=50 ms\nItem2=A   Up'
actual=$(tr -d '\r' <"$data/record.ini")
if [ "$actual" != "$expected" ]; then
  echo "record.ini differs; expected:"; echo "$expected"; echo "found:"; echo "$actual"; exit 1
fi

# The slot: A pressed, 50 ms, A released, then nothing (128 bytes in all).
"$tarvikctl" --data-dir "$data" compile >"$tmp/compile.txt"
expected_slot="slot 1: 00 00 05 04 80 04$(printf ' 00%.0s' $(seq 122))"
actual_slot=$(grep -m1 '^slot 1:' "$tmp/compile.txt" || true)
if [ "$actual_slot" != "$expected_slot" ]; then
  echo "slot 1 is not A down, 50 ms, A up:"; cat "$tmp/compile.txt"; exit 1
fi
echo "recorded and compiled as expected"
