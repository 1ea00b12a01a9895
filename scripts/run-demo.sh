#!/usr/bin/env bash
# Installs what is missing, builds, starts the local session server with the demo rooms and accounts, then the
# client pointed at it. The server stops when the client exits.
#
#   scripts/run-demo.sh [--with USER[,USER...]] [--room N] [CLIENT ARGUMENTS...]
#
# --with opens one more client for each demo account named once the first client has entered a room, a few
# seconds apart, into that room (or room N), so the first one sees them join; step out and back in, or close
# their windows, and the first one sees that too. scripts/demo-client.sh USER [ROOM] opens another at any time.
set -euo pipefail
cd "$(dirname "$0")/.."

others=()
room=""
client_args=()
while [ $# -gt 0 ]; do
    case "$1" in
    --with)
        IFS=, read -r -a others <<<"${2:?--with needs demo account names}"
        shift 2
        ;;
    --room)
        room=${2:?--room needs a room number}
        shift 2
        ;;
    *)
        client_args+=("$1")
        shift
        ;;
    esac
done

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_TESTS=OFF -DORVANE_BENCH=OFF
cmake --build build -j "$(nproc)"

port=${ORVANE_DEMO_PORT:-9910}
log=$(mktemp)
build/server/orvane-session-server server/demo.ini --port "$port" 2> >(tee "$log" >&2) &
server=$!
others_pid=""
cleanup() {
    if [ -n "$others_pid" ]; then
        kill "$others_pid" 2>/dev/null || true
        wait "$others_pid" 2>/dev/null || true
    fi
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
    rm -f "$log"
}
trap cleanup EXIT
sleep 0.5

if [ ${#others[@]} -gt 0 ]; then
    (
        trap 'kill $(jobs -p) 2>/dev/null; exit 0' TERM
        until entered=$(grep -m 1 -o ' entered room [0-9-]*' "$log"); do
            sleep 1
        done
        for user in "${others[@]}"; do
            sleep 3
            ORVANE_DEMO_PORT=$port scripts/demo-client.sh "$user" "${room:-${entered##* }}" &
        done
        wait
    ) &
    others_pid=$!
    echo "Once you are in a room, ${others[*]} will join it."
fi

echo "Sign in as teacher / teach (moderator) or alice / alice (participant)."
build/src/app/orvane-live --server "127.0.0.1:$port" ${client_args[@]+"${client_args[@]}"}
