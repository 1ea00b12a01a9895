#!/usr/bin/env bash
# Installs what is missing, builds, starts the local session server with the demo rooms and accounts, then the
# client pointed at it. The server stops when the client exits; its log is build/demo/server.log.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_TESTS=OFF -DORVANE_BENCH=OFF
cmake --build build -j "$(nproc)"

port=${ORVANE_DEMO_PORT:-9910}
demo=build/demo
mkdir -p "$demo"
log="$demo/server.log"

build/server/orvane-session-server server/demo.ini --port "$port" 2>"$log" &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null || true' EXIT

# Wait until the server listens, or says why it cannot.
for _ in $(seq 100); do
    if grep -q "listening on" "$log"; then
        break
    fi
    if ! kill -0 "$server" 2>/dev/null; then
        echo "The demo server could not start:" >&2
        sed 's/^/  /' "$log" >&2
        echo "Is port $port in use? Choose another with ORVANE_DEMO_PORT=9911 $0" >&2
        exit 1
    fi
    sleep 0.1
done
if ! grep -q "listening on" "$log"; then
    echo "The demo server did not start listening within 10 s; see $log" >&2
    exit 1
fi

# The demo keeps its own settings, with the help pages of this checkout.
settings="$demo/settings.ini"
if [ ! -f "$settings" ]; then
    printf '[Browser]\nHelpURL=file://%s/data/help/index.html\n' "$PWD" >"$settings"
fi

echo "Demo server on 127.0.0.1:$port (log: $log)."
echo "Sign in as teacher / teach (moderator) or alice / alice (participant)."
build/src/app/orvane-live --server "127.0.0.1:$port" --settings "$settings" "$@"
