#!/usr/bin/env bash
# Installs what is missing, builds, and starts the local session server with the demo rooms and accounts,
# then the client against it; the server stops when the client exits.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_TESTS=OFF -DORVANE_BENCH=OFF
cmake --build build -j "$(nproc)"

if [ ! -x build/server/orvane-session-server ]; then
    echo "The session server is not built yet." >&2
    exit 1
fi
build/server/orvane-session-server server/demo.ini --port 9910 &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null || true' EXIT

if [ -x build/src/app/orvane-live ]; then
    build/src/app/orvane-live --server 127.0.0.1:9910
else
    echo "The client is not built yet; the session server runs on 127.0.0.1:9910 until Ctrl+C."
    wait $server
fi
