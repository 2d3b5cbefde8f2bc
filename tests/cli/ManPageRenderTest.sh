#!/usr/bin/env bash
# The generated manual pages render without a single groff warning.
# usage: ManPageRenderTest.sh GROFF PAGE...
set -uo pipefail
groff=$1
shift
warnings=$("$groff" -man -ww -z "$@" 2>&1) || exit 1
[[ -z $warnings ]] || { echo "$warnings"; exit 1; }
echo "the manual pages render cleanly"
