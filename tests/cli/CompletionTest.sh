#!/usr/bin/env bash
# The generated shell completions on a table of command lines: the bash file sourced with
# COMP_WORDS and COMP_CWORD set as bash sets them; the zsh file parsed, and run with compadd
# standing in for zsh's, when zsh is installed.
# usage: CompletionTest.sh BASH_FILE ZSH_FILE TARVIKCTL
set -uo pipefail
bash_file=$1 zsh_file=$2 tarvikctl=$3
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
printf '[Fast fire]\nItemCount=2\nItem0=A   Dn\nItem1=A   Up\n[Reload]\nItemCount=0\n' >"$data/record.ini"

# shellcheck source=/dev/null
source "$bash_file"
failures=0

# expect is|has|lacks WORD... -- COMMAND-LINE-WORDS..., the last one being completed.
expect() {
    local mode=$1 want=() words=()
    shift
    while [[ $1 != -- ]]; do want+=("$1"); shift; done
    shift
    words=("$@")
    COMP_WORDS=("${words[@]}") COMP_CWORD=$((${#words[@]} - 1)) COMPREPLY=()
    if [[ ${words[0]} == tarvik ]]; then _tarvik; else _tarvikctl; fi
    local got=" $(printf '%s ' "${COMPREPLY[@]}")" w ok=1
    case $mode in
        is) [[ $got == " $(printf '%s ' "${want[@]}")" ]] || ok= ;;
        has) for w in "${want[@]}"; do [[ $got == *" $w "* ]] || ok=; done ;;
        lacks) for w in "${want[@]}"; do [[ $got != *" $w "* ]] || ok=; done ;;
    esac
    if [[ -z $ok ]]; then
        echo "FAIL: '${words[*]}' $mode [${want[*]}], got [${got# }]"
        failures=$((failures + 1))
    fi
}

expect is set -- "$tarvikctl" se
expect has status apply show set default export import press emulate help -- "$tarvikctl" ''
expect lacks complete -- "$tarvikctl" ''
expect is --data-dir -- "$tarvikctl" --da
expect is 0 1 2 3 -- "$tarvikctl" --simulate = ''
expect is report-rate dpi button key-mode lighting -- "$tarvikctl" set ''
expect is 125 250 500 1000 -- "$tarvikctl" set report-rate ''
expect has --apply --mode --data-dir -- "$tarvikctl" --simulate set --
expect is --apply -- "$tarvikctl" set dpi 1 --ap
expect is on off -- "$tarvikctl" set dpi 2 ''
expect is A B -- "$tarvikctl" set key-mode ''
expect is A B -- "$tarvikctl" set button --mode ''
# Labels with spaces are escaped, or left bare inside a quote the user opened; any case matches.
expect has 'Left\ Click' 'DPI\ Switch' 'RGB\ On/Off' 'Key\ Off' Shift -- "$tarvikctl" set button 3 ''
expect is 'Left\ Click' -- "$tarvikctl" set button 3 le
expect is 'Left Click' -- "$tarvikctl" set button 3 '"Left C'
expect is 'Fire\ Key' -- "$tarvikctl" set button --mode B 3 fi
expect has 'Num\ 1' 'Caps\ Lock' 'Right\ Windows' "\\'" -- "$tarvikctl" set button 3 'Single\ Key' ''
expect has 'Left\ Ctrl' 'Right\ Win' A -- "$tarvikctl" set button 3 '"combo key"' ''
expect has A 'Num\ Enter' -- "$tarvikctl" set button 3 'Combo\ Key' 'Left\ Ctrl' ''
expect lacks 'Left\ Ctrl' -- "$tarvikctl" set button 3 'Combo\ Key' 'Left\ Ctrl' ''
expect has 'DPI\ +' 'DPI\ Loop' -- "$tarvikctl" set button 6 DPI\ Switch ''
expect has Play/Pause Vol+ -- "$tarvikctl" set button 6 Multimedia ''
expect is -- "$tarvikctl" set button 6 Left\ Click ''
# Macro names are the user's: asked of tarvikctl, in the data folder the line names.
expect is 'Fast\ fire' Reload -- "$tarvikctl" --data-dir "$data" set button 4 Macro\ Key ''
expect is Reload -- "$tarvikctl" set button 4 --data-dir = "$data" Macro\ Key re
expect is 1 2 3 -- "$tarvikctl" set button 4 Macro\ Key Reload ''
expect is 1 2 3 4 5 6 7 -- "$tarvikctl" set button ''
expect is 'RGB\ Flash' 'RGB\ Fixed\ On' -- "$tarvikctl" set lighting neon 1S ''
expect has 5% 100% -- "$tarvikctl" set lighting Standard ''
expect is buttons -- "$tarvikctl" default ''
expect is dpi rate matrix macro -- "$tarvikctl" press ''
expect is split composite -- "$tarvikctl" emulate --layout ''
expect is --sensor -- "$tarvikctl" emulate --se
expect has status set -- "$tarvikctl" help ''
expect is --simulate --data-dir --wire-log --help -- tarvik --
expect is 0 1 2 3 -- tarvik --simulate = ''

if command -v zsh >/dev/null; then
    zsh -n "$zsh_file" || { echo "FAIL: zsh -n $zsh_file"; failures=$((failures + 1)); }
    # compadd prints what it is given, one word a line; the script's own matching is zsh's.
    got=$(zsh -f -c '
        compadd() { print -l -- "${(@P)${@[-1]}}" }
        _files() { print files }
        compset() { PREFIX=${PREFIX#*=} }
        service=tarvikctl words=("$2" --data-dir="$3" set button 3 "Macro\\ Key" "") CURRENT=7 PREFIX=
        source "$1"
        words=("$2" --simulate=) CURRENT=2 PREFIX=--simulate=
        source "$1"
        words=("$2" --data-dir "$3" import "") CURRENT=5 PREFIX=
        source "$1"
    ' zsh "$zsh_file" "$tarvikctl" "$data" 2>&1)
    want=$'Fast fire\nReload\n0\n1\n2\n3\nfiles'
    [[ $got == "$want" ]] || { echo "FAIL: zsh completions: [$got]"; failures=$((failures + 1)); }
fi

((failures == 0)) || exit 1
echo "all completion cases pass"
