#!/usr/bin/env bash
# Runs in an X session: starts the program given and checks that its window named Parvok shows
# with the class that the desktop entry names (StartupWMClass) and with its icon, and that Ctrl+Q
# sent to that window ends the program with exit code 0 within ten seconds.
set -euo pipefail

program=${1:?usage: quit_by_key.sh PROGRAM}
"$program" &
pid=$!

fail() {
    echo "FAIL: $*"
    kill "$pid" 2>/dev/null || true
    exit 1
}

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Parvok$' | head -1) || true
[[ -n $window ]] || fail "no window named Parvok showed"
properties=$(xprop -id "$window" WM_CLASS _NET_WM_ICON)
grep -q 'WM_CLASS(STRING) = "parvok", "Parvok"' <<<"$properties" ||
    fail "the window's class is not Parvok: $(head -1 <<<"$properties")"
for size in "16 x 16" "48 x 48"; do
    grep -q "Icon ($size)" <<<"$properties" || fail "the window carries no icon at $size"
done

xdotool windowfocus --sync "$window" key ctrl+q
timeout 10 tail --pid="$pid" -f /dev/null || fail "the program did not end within ten seconds of Ctrl+Q"
status=0
wait "$pid" || status=$?
[[ $status -eq 0 ]] || fail "after Ctrl+Q the program ended with $status"
echo "The window showed with its class and its icon, and Ctrl+Q ended the program with 0."
