#!/usr/bin/env bash
# Runs a test program on an X display of its own. Xvfb picks a free display number itself and writes it
# once it accepts clients, so nothing waits a fixed time and two of these never race for one number.
# A display that never comes is reported with Xvfb's own output.
set -u
dir=$(mktemp -d)
mkfifo "$dir/display"
Xvfb -displayfd 3 -screen 0 "${ORV_XVFB_SCREEN:-1280x1024x24}" -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$dir"' EXIT
# The read ends with the number, or at end of file when Xvfb exits without one.
if ! read -r number <"$dir/display" || [ -z "$number" ]; then
    echo "Xvfb did not start (scripts/install-deps.sh installs xvfb); its output:" >&2
    sed 's/^/  /' "$dir/xvfb.log" >&2
    exit 1
fi
DISPLAY=":$number" "$@"
