#!/usr/bin/env bash
# Opens one more client of the running demo, signed in as a demo account and entered into a room, so one
# machine can show a class:
#
#   scripts/demo-client.sh USER [ROOM]     ROOM defaults to 100 ("Physics 101")
#
# The password comes from server/demo.ini. Each account gets its own settings file and data folder under
# $ORVANE_DEMO_HOME (default /tmp/orvane-demo-<uid>), so several clients run side by side without sharing
# their files. Closing the client's window takes the participant out of the room. The client joins through an
# encrypted orvjoins:// link and trusts the demo server's certificate (see demo-tls.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

user=${1:?"usage: $0 USER [ROOM]"}
room=${2:-100}
port=${ORVANE_DEMO_PORT:-9910}
client=${ORVANE_DEMO_CLIENT:-build/src/app/orvane-live}

password=$(awk -F= -v section="[account.$user]" '
    $0 == section { inside = 1; next }
    /^\[/ { inside = 0 }
    inside && $1 == "password" { print $2 }' server/demo.ini)
if [ -z "$password" ]; then
    echo "no demo account \"$user\" in server/demo.ini" >&2
    exit 1
fi

base=${ORVANE_DEMO_HOME:-/tmp/orvane-demo-$(id -u)}
mkdir -p -m 700 "$base"
if [ ! -O "$base" ]; then
    echo "$base belongs to somebody else" >&2
    exit 1
fi
home="$base/$user"
mkdir -p "$home/config" "$home/data"
# shellcheck source=scripts/demo-tls.sh
source scripts/demo-tls.sh
demo_trust "$home/settings.ini" "$port"

exec env XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
    "$client" --settings "$home/settings.ini" "orvjoins://127.0.0.1,$port,$user,$password,$room"
