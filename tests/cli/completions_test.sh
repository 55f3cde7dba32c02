#!/usr/bin/env bash
# The installed completion scripts, run by bash, zsh and fish as they run them when the user
# presses Tab. Usage: completions_test.sh PROGRAM COMPLETIONS_FOLDER
set -uo pipefail
program=$(realpath "$1") scripts=$(realpath "$2")
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/My Card" "$work/Other"
ln -s "$program" "$work/bin/vantorelle"
export PATH="$work/bin:$PATH"
cd "$work" || exit 1

in_bash() {
    bash --norc -c 'source "$1/vantorelle"; COMP_LINE=$2; COMP_POINT=${#2}; _vantorelle vantorelle
                    printf "%s\n" "${COMPREPLY[@]}"' _ "$scripts" "$1"
}
in_zsh() {
    # The completion system's builtins, replaced by ones that print what they would offer.
    zsh -f -c 'compadd() { print -rl -- "${@[${@[(i)--]}+1,-1]}" }
               _files() { print -rl -- $words[CURRENT]*(NM) }; _path_files() { _files }
               fpath=("$1" $fpath); autoload -Uz _vantorelle
               words=(${(z)2}); [[ $2 == *" " ]] && words+=(""); CURRENT=$#words; _vantorelle' \
        _ "$scripts" "$1"
}
in_fish() {
    fish --no-config -c 'source $argv[1]/vantorelle.fish; complete -C $argv[2]' "$scripts" "$1" |
        cut -f1
}

failures=0
# What is typed | what bash offers | what zsh and fish offer (whole words, folders with their
# slash), where it differs.
while IFS='|' read -r typed offered whole; do
    for shell in bash zsh fish; do
        if ! command -v "$shell" >/dev/null; then
            echo "SKIP $shell: not installed, its script is not tested"
            continue
        fi
        expected=$offered
        [[ $shell != bash && -n $whole ]] && expected=$whole
        got=$("in_$shell" "$typed" | sort | paste -sd,)
        if [[ $got != "$(tr , '\n' <<<"$expected" | sort | paste -sd,)" ]]; then
            echo "FAIL $shell: '$typed' offers '$got', not '$expected'"
            failures=$((failures + 1))
        fi
    done
done <<'TABLE'
vantorelle s|set,sync-clock|
vantorelle -|--help,--version,--volume|
vantorelle list -|--json|
vantorelle get --|--json,--volume|
vantorelle set --volume . --|--volume,--all|
vantorelle set tv.system=PAL --volume . photo.|photo.resolution=,photo.mode=,photo.interval=|
vantorelle set photo.mode=single photo.m||
vantorelle set tv.system=|PAL,NTSC|tv.system=PAL,tv.system=NTSC
vantorelle set camera.|camera.clock=|
vantorelle --volume M|My Card|My Card/
vantorelle apply M|My Card|My Card/
vantorelle apply - |
TABLE
[[ $failures == 0 ]] && echo "completions: every case passed"
exit "$failures"
