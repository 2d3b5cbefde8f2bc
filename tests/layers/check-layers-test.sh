#!/usr/bin/env bash
# Runs scripts/check-layers on small trees, one case per row: a downward include passes; an
# upward one, one between sibling programs and a file outside every layer each fail, naming
# the file and line. Then the real tree must pass.
set -uo pipefail
check=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# A tree of four layers: core at the bottom, a GUI layer and two programs on top.
make_tree() {
  rm -rf "$work/src"
  mkdir -p "$work/src"/{core,gui,app,cli,stray}
  cat >"$work/src/layers" <<'LAYERS'
# layer folders | stands on
core   core     |
gui    gui      | core
app    app      | gui core
cli    cli      | core
LAYERS
  printf '// core\n#pragma once\n' >"$work/src/core/Core.h"
  printf '// gui\n#pragma once\n#include "core/Core.h"\n' >"$work/src/gui/Gui.h"
  printf '// app\n#include "gui/Gui.h"\n#include <vector>\n' >"$work/src/app/App.cpp"
  printf '// cli\n#include "core/Core.h"\n' >"$work/src/cli/Cli.cpp"
}

# expect NAME FILE LINE-TO-ADD WANTED-EXIT WANTED-MESSAGE
expect() {
  local name=$1 file=$2 add=$3 want=$4 message=$5 output status
  make_tree
  [ -n "$file" ] && printf '%s\n' "$add" >>"$work/src/$file"
  output=$("$check" "$work/src" 2>&1)
  status=$?
  if [ "$status" != "$want" ] || ! grep -qF -- "$message" <<<"$output"; then
    echo "FAIL $name: exit $status (wanted $want), output:"; echo "$output"
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

expect "downward includes pass" "" "" 0 "every include points down"
expect "core includes gui" core/Core.h '#include "gui/Gui.h"' 1 \
  "src/core/Core.h:3: includes gui/Gui.h (layer gui), which is not below layer core"
expect "cli includes app" cli/Cli.cpp '#include "app/App.h"' 1 \
  "src/cli/Cli.cpp:3: includes app/App.h (layer app), which is not below layer cli"
expect "cli includes gui" cli/Cli.cpp '  #  include "gui/Gui.h"' 1 "src/cli/Cli.cpp:3: includes gui/Gui.h"
expect "file outside every layer" stray/Stray.cpp '#include "core/Core.h"' 1 \
  "src/stray/Stray.cpp: its folder is in no layer of src/layers"
expect "system and local includes are not layers" core/Core.h '#include <gui/Gui.h>' 0 "every include points down"

if ! output=$("$check" "$src" 2>&1); then
  echo "FAIL the source tree has an upward include:"; echo "$output"
  failures=$((failures + 1))
else
  echo "ok   the source tree"
fi
exit $((failures > 0))
