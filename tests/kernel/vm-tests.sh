#!/bin/sh
# The kernel tests, run by the test VM's init (busybox sh) on the layout named in
# /etc/tarvik-layout: the virtual mouse through /dev/uhid, found and driven by tarvikctl through
# hidraw and udev. One "KTEST ok|FAIL|info" line per check on the serial console.
layout=$(cat /etc/tarvik-layout)
pass=0 fail=0
ok() { echo "KTEST ok [$layout] $1"; pass=$((pass + 1)); }
bad() { echo "KTEST FAIL [$layout] $1: $2"; fail=$((fail + 1)); }
info() { echo "KTEST info [$layout] $*" > /dev/console; }  # also from inside a check
# check NAME COMMAND...: passes when the command succeeds; shows its output when it fails.
check() {
  local name=$1; shift
  if "$@" > /tmp/check.out 2>&1; then ok "$name"; else bad "$name" "$(tail -n 8 /tmp/check.out | tr '\n' '|')"; fi
}

case $layout in split) nodes=2 ;; composite) nodes=3 ;; *) bad layout "unknown layout $layout"; nodes=0 ;; esac

# The hidraw nodes of the virtual mouse (HID id 0003:04D9:A09F).
mouse_nodes() {
  local d
  for d in /sys/class/hidraw/hidraw*; do
    [ -e "$d" ] || continue
    grep -q '^HID_ID=0003:000004D9:0000A09F$' "$d/device/uevent" 2>/dev/null && echo "/dev/${d##*/}"
  done
}
# wait_nodes COUNT: until that many mouse nodes exist and udev has handled their events.
# (Helpers keep their variables local: the tests' loops use the same short names.)
wait_nodes() {
  local i=0 node
  while [ "$(mouse_nodes | wc -l)" -ne "$1" ]; do
    i=$((i + 1)); [ $i -gt 300 ] && return 1
    usleep 100000
  done
  for node in $(mouse_nodes); do
    i=0
    while [ ! -c "$node" ]; do i=$((i + 1)); [ $i -gt 300 ] && return 1; usleep 100000; done
  done
  udevadm settle --timeout=30
}

EMU=
# start_emulate SENSOR [WIRELOG]
start_emulate() {
  wire=; [ -n "$2" ] && wire="--wire-log $2"
  tarvikctl $wire emulate --sensor "$1" --layout "$layout" > /tmp/emulate.out 2>&1 &
  EMU=$!
  wait_nodes $nodes || { bad emulate "the virtual mouse's nodes did not appear: $(cat /tmp/emulate.out)"; return 1; }
}
stop_emulate() {
  kill -TERM "$EMU"; wait "$EMU"; rc=$?
  EMU=
  [ $rc -eq 0 ] || bad emulate-exit "emulate ended with $rc: $(tail -n 3 /tmp/emulate.out | tr '\n' '|')"
  wait_nodes 0 || bad emulate-exit "nodes left after emulate ended: $(mouse_nodes)"
}

# Discovery and status on every sensor type; the composite layout's decoys are skipped.
status_on_sensor() {
  out=$(timeout 60 tarvikctl status 2>&1) || { echo "$out"; return 1; }
  echo "$out" | grep -q "sensor type:     $1" && echo "$out" | grep -q 'command channel: scrambled' &&
    echo "$out" | grep -q 'report lengths:  feature 9, input 33, output 33, event 5' || { echo "$out"; return 1; }
}
for sensor in 0 1 2 3; do
  start_emulate $sensor || continue
  check "status on sensor type $sensor" status_on_sensor $sensor
  stop_emulate
done

# apply: the wire the virtual firmware saw equals what the in-process simulator sees for the
# same record, transfer for transfer, and both end holding the same settings.
apply_record() {  # RECORD SENSOR
  rm -rf /tmp/data; mkdir -p /tmp/data; cp "$1" /tmp/data/config.bin
  start_emulate "$2" /tmp/firmware.log || return 1
  timeout 120 tarvikctl --data-dir /tmp/data --wire-log /tmp/host.log apply > /tmp/apply.out 2>&1
  rc=$?
  stop_emulate
  [ $rc -eq 0 ] || { cat /tmp/apply.out; return 1; }
  kernel_probe reference "$1" "$2" > /tmp/reference.log || { echo "reference run failed"; return 1; }
  cmp /tmp/firmware.log /tmp/reference.log || { diff /tmp/firmware.log /tmp/reference.log | head -n 6; return 1; }
  # The host saw every transfer with the same bytes (report id first) as the firmware.
  grep -v -e '^PAUSE' -e '^KEY' /tmp/host.log > /tmp/host.transfers
  grep -v '^STATE' /tmp/reference.log > /tmp/reference.transfers
  cmp /tmp/host.transfers /tmp/reference.transfers || { diff /tmp/host.transfers /tmp/reference.transfers | head -n 6; return 1; }
  info "$(basename "$1") on sensor type $2: $(wc -l < /tmp/reference.transfers) transfers"
}
sensor=0
for record in /records/*.bin; do
  check "apply $(basename "$record") on sensor type $sensor" apply_record "$record" $sensor
  sensor=$(((sensor + 1) % 4))
done

# listen: the event collection's reports arrive as notices.
listen_notices() {
  : > /tmp/listen.out  # emptied here: the background command's own redirection may come late
  timeout 60 tarvikctl --data-dir /tmp/data listen > /tmp/listen.out 2>&1 &
  l=$!
  i=0; until grep -q 'listening' /tmp/listen.out; do i=$((i + 1)); [ $i -gt 200 ] && break; usleep 100000; done
  usleep 300000
  tarvikctl press dpi 2 && tarvikctl press rate 2 && tarvikctl press matrix 2 && tarvikctl press macro 3
  sleep 2
  kill -INT $l; wait $l
  for text in 'Switch DPI into the second stage' 'Switch report rate into 500HZ' 'Switch to key matrix 2' 'Switch to macro key3'; do
    grep -q "$text" /tmp/listen.out || { echo "no \"$text\" in:"; cat /tmp/listen.out; return 1; }
  done
}
start_emulate 0 && { check "listen shows DPI, rate, matrix and macro events" listen_notices; stop_emulate; }

# The window on the virtual mouse, under Xvfb with no session bus (so no tray: notices go to the
# desktop notifier): it finds the mouse through hidraw and reads the sensor for the Basic page,
# logs the DPI notice of a press, and a click on Apply sends the record. The firmware then saw
# exactly the transfers a tarvikctl apply of that record makes: start-up plus Apply, nothing else.
# wait_for SECONDS FILE PATTERN: until the file holds a line matching the pattern.
wait_for() {
  local i=0
  until grep -q "$3" "$2" 2>/dev/null; do i=$((i + 1)); [ $i -gt $(($1 * 10)) ] && return 1; usleep 100000; done
}
window_on_mouse() {
  local g=/tmp/gui x t w rc
  rm -rf $g; mkdir -p $g/data $g/run; chmod 700 $g/run; cp /records/factory.bin $g/data/config.bin
  /usr/bin/Xvfb :5 -screen 0 1024x768x24 -nolisten tcp > $g/xvfb.log 2>&1 &
  x=$!
  wait_for 30 /proc/net/unix '/tmp/.X11-unix/X5' || { echo "Xvfb did not start:"; cat $g/xvfb.log; kill $x; return 1; }
  DISPLAY=:5 QT_QPA_PLATFORM=xcb HOME=$g XDG_RUNTIME_DIR=$g/run XDG_CACHE_HOME=$g/cache \
    DBUS_SESSION_BUS_ADDRESS=unix:path=$g/no-bus timeout 180 /opt/tarvik/bin/tarvik --data-dir $g/data > $g/out 2> $g/err &
  t=$!
  # The reason last: the check shows the output's last lines.
  gui_fail() { tail -n 4 $g/err; tail -n 2 $g/xvfb.log; echo "$1"; kill $t $x 2>/dev/null; wait $t $x; return 1; }
  wait_for 90 $g/err 'UsagePage:0xff00' || { gui_fail "the window found no command collection"; return 1; }
  wait_for 60 $g/err 'Sensor Type:00' || { gui_fail "the Basic page read no sensor settings"; return 1; }
  info "window: found the mouse and read the sensor $(cut -d' ' -f1 /proc/uptime)"
  tarvikctl press dpi 2 || { gui_fail "tarvikctl press failed"; return 1; }
  wait_for 30 $g/err 'balloon code=7 value=2 .*text="Switch DPI into the second stage' ||
    { gui_fail "no DPI notice"; return 1; }
  w=$(DISPLAY=:5 timeout 30 /usr/bin/xdotool search --sync --onlyvisible --class '^tarvik$' 2> $g/xdotool.err | head -n 1)
  [ -n "$w" ] || { DISPLAY=:5 timeout 10 /usr/bin/xdotool search --class . >> $g/xdotool.err 2>&1
    gui_fail "no window of class tarvik on the X server: $(tr '\n' ' ' < $g/xdotool.err)"; return 1; }
  # The middle of the title bar's Apply button (666,623 to 771,644 in the window).
  DISPLAY=:5 timeout 30 /usr/bin/xdotool mousemove --window "$w" 718 633 click 1 || { gui_fail "xdotool failed"; return 1; }
  # The record is saved after the mouse took it.
  wait_for 60 $g/err 'Struct size:1985' || { gui_fail "Apply did not finish"; return 1; }
  info "window: applied $(cut -d' ' -f1 /proc/uptime)"
  kill -TERM $t; wait $t; rc=$?
  kill $x; wait $x
  [ $rc -eq 0 ] || { echo "the window ended with $rc:"; tail -n 8 $g/err; return 1; }
}
window_applies_record() {
  window_on_mouse || return 1
  stop_emulate
  kernel_probe reference /records/factory.bin 0 > /tmp/reference.log || { echo "reference run failed"; return 1; }
  cmp /tmp/firmware.log /tmp/reference.log || { diff /tmp/firmware.log /tmp/reference.log | head -n 6; return 1; }
}
if [ -x /opt/tarvik/bin/tarvik ] && start_emulate 0 /tmp/firmware.log; then
  check "tarvik window: Basic page, DPI notice and Apply on the virtual mouse" window_applies_record
  [ -z "$EMU" ] || stop_emulate
fi

# Hotplug: unplug in the middle of an apply, replug, apply again; replugs leak no descriptor.
unplug_mid_apply() {
  rm -rf /tmp/data; mkdir -p /tmp/data; cp /records/factory.bin /tmp/data/config.bin
  : > /tmp/firmware.log
  timeout 120 tarvikctl --data-dir /tmp/data apply > /tmp/apply.out 2>&1 &
  a=$!
  i=0; until [ "$(wc -l < /tmp/firmware.log)" -gt 40 ]; do i=$((i + 1)); [ $i -gt 600 ] && break; usleep 20000; done
  kill -USR1 "$EMU"
  wait $a; rc=$?
  [ $rc -lt 124 ] || { echo "apply ended with $rc (crash or hang)"; cat /tmp/apply.out; return 1; }
  # The apply that lost its mouse says so and fails rather than reporting success.
  [ $rc -eq 1 ] && grep -q 'stopped answering after' /tmp/apply.out || { echo "exit code $rc:"; cat /tmp/apply.out; return 1; }
  info "apply unplugged after $(wc -l < /tmp/firmware.log) transfers ended with exit code $rc"
  wait_nodes 0
}
replug_and_apply() {
  kill -USR2 "$EMU"; wait_nodes $nodes || return 1
  rm -rf /tmp/data; mkdir -p /tmp/data; cp /records/factory.bin /tmp/data/config.bin
  timeout 120 tarvikctl --data-dir /tmp/data apply
}
count_fds() { ls "/proc/$1/fd" | wc -l; }
replugs_leak_nothing() {
  : > /tmp/listen.out  # else the earlier listen's "listening" passes for this one's
  timeout 900 tarvikctl --data-dir /tmp/data listen > /tmp/listen.out 2>&1 &
  l=$!
  i=0; until grep -q 'listening' /tmp/listen.out; do i=$((i + 1)); [ $i -gt 200 ] && break; usleep 100000; done
  before=$(count_fds $l) emu_before=$(count_fds "$EMU")
  n=0
  while [ $n -lt 100 ]; do
    kill -USR1 "$EMU"; wait_nodes 0 || { echo "unplug $n: nodes stayed"; return 1; }
    kill -USR2 "$EMU"; wait_nodes $nodes || { echo "replug $n: nodes did not come back"; return 1; }
    n=$((n + 1))
  done
  sleep 2
  after=$(count_fds $l) emu_after=$(count_fds "$EMU")
  tarvikctl press dpi 3; sleep 2
  kill -INT $l; wait $l
  info "descriptors of listen: $before before and $after after 100 replugs; of emulate: $emu_before and $emu_after"
  [ "$before" -eq "$after" ] && [ "$emu_before" -eq "$emu_after" ] || { ls -l /proc/$l/fd 2>/dev/null; return 1; }
  grep -q 'Switch DPI into the third stage' /tmp/listen.out || { echo "no notice after the replugs:"; tail -n 5 /tmp/listen.out; return 1; }
}
if start_emulate 0 /tmp/firmware.log; then
  check "unplug in the middle of apply ends the sequence" unplug_mid_apply
  check "replug and apply again" replug_and_apply
  check "100 replugs leave no descriptor open" replugs_leak_nothing
  stop_emulate
fi

# Permissions: without access the mouse is there but cannot be opened; the rule tags the nodes
# uaccess and does nothing else; with the ACL the rule would grant, status and apply work.
as_gamer() { su -s /bin/sh -c "$*" gamer; }
mkdir -p /tmp/gamer; cp /records/factory.bin /tmp/gamer/config.bin; chown -R 1000:1000 /tmp/gamer
status_without_access() {
  as_gamer tarvikctl --data-dir /tmp/gamer status > /tmp/perm.out 2>&1; rc=$?
  cat /tmp/perm.out
  [ $rc -eq 4 ] || { echo "exit code $rc, expected 4"; return 1; }
  grep -q '70-tarvik.rules' /tmp/perm.out || { echo "the udev rule is not named"; return 1; }
}
rule_tags_uaccess_only() {
  # The installed rule: one line, matches and the uaccess tag, no other assignment.
  rule=$(grep -v -e '^#' -e '^$' /usr/lib/udev/rules.d/70-tarvik.rules)
  [ "$(echo "$rule" | wc -l)" -eq 1 ] || { echo "more than one rule line: $rule"; return 1; }
  rest=$(echo "$rule" | sed 's/[A-Z{}a-z]*=="[^"]*", *//g')
  [ "$rest" = 'TAG+="uaccess"' ] || { echo "the rule assigns more than the uaccess tag: $rest"; return 1; }
  for n in $(mouse_nodes); do
    udevadm test "/sys/class/hidraw/${n##*/}" > /tmp/udevtest.out 2>&1
    grep -q '^CURRENT_TAGS=.*:uaccess:' /tmp/udevtest.out || { echo "$n: no uaccess tag"; tail -n 12 /tmp/udevtest.out; return 1; }
    # Owner, group and mode stay the kernel's: access comes from the seat's ACL only.
    grep -q 'Preserve permissions of .*uid=0, gid=0, mode=0600' /tmp/udevtest.out ||
      { echo "$n: permissions changed"; grep -i -e perm -e mode /tmp/udevtest.out; return 1; }
  done
}
with_acl() {
  for n in $(mouse_nodes); do setfacl -m u:gamer:rw "$n" || return 1; done
  as_gamer tarvikctl --data-dir /tmp/gamer status && as_gamer tarvikctl --data-dir /tmp/gamer apply
}
if start_emulate 0; then
  check "status without access: exit 4, names the udev rule" status_without_access
  check "udevadm test: 70-tarvik.rules gives the nodes uaccess and nothing else" rule_tags_uaccess_only
  check "status and apply with the user's ACL" with_acl
  check "ApplySettings timing through the kernel" sh -c 'kernel_probe apply-ratio 5 > /tmp/ratio.out'
  info "$(cat /tmp/ratio.out)"
  stop_emulate
fi

echo "KTEST done pass=$pass fail=$fail"
