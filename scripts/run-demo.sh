#!/usr/bin/env bash
# Installs what is missing, builds, starts the local session server with the demo rooms and accounts, then the
# client pointed at it. The server stops when the client exits.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_TESTS=OFF -DORVANE_BENCH=OFF
cmake --build build -j "$(nproc)"

port=${ORVANE_DEMO_PORT:-9910}
build/server/orvane-session-server server/demo.ini --port "$port" &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null || true' EXIT
sleep 0.5

echo "Sign in as teacher / teach (moderator) or alice / alice (participant)."
build/src/app/orvane-live --server "127.0.0.1:$port" "$@"
