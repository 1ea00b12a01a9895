#!/usr/bin/env bash
# Installs what is missing, builds, starts the local session server with the demo rooms and accounts, then the
# client pointed at it. The server stops when the client exits; its log is build/demo/server.log. Every
# connection is encrypted: the server's self-signed certificate is made on the first run (build/demo/tls/),
# and the demo clients' settings trust it as if the user had said Yes to the first-use question.
#
#   scripts/run-demo.sh [--with USER[,USER...]] [--room N] [CLIENT ARGUMENTS...]
#   scripts/run-demo.sh --check
#
# --check stops once the server listens and takes an encrypted connection, without a client: what CI runs to
# show the demo comes up.
# --with opens one more client for each demo account named once the first client has entered a room, a few
# seconds apart, into that room (or room N), so the first one sees them join; step out and back in, or close
# their windows, and the first one sees that too. scripts/demo-client.sh USER [ROOM] opens another at any time.
set -euo pipefail
cd "$(dirname "$0")/.."

others=()
room=""
check=false
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
    --check)
        check=true
        shift
        ;;
    *)
        client_args+=("$1")
        shift
        ;;
    esac
done

bash scripts/build-demo.sh
# shellcheck source=scripts/demo-tls.sh
source scripts/demo-tls.sh

port=${ORVANE_DEMO_PORT:-9910}
demo=build/demo
mkdir -p "$demo"
log="$demo/server.log"
: >"$log"

# A fresh copy of the demo's shared files each time, so uploads never change the checked-in ones.
rm -rf "$demo/store"
cp -r server/demo-store "$demo/store"
# A recorded session to play back, made once with the server's own recorder (about ten seconds).
if [ ! -f "$demo/recordings/1.orvane" ]; then
    echo "Recording the demo session..."
    rm -rf "$demo/recording-store"
    cp -r server/demo-store "$demo/recording-store"
    build/tools/demo-recording/orvane-demo-recording server/demo.ini "$demo/recording-store" >/dev/null
    rm -rf "$demo/recordings"
    cp -r "$demo/recording-store/recordings" "$demo/recordings"
    rm -rf "$demo/recording-store"
fi
cp -r "$demo/recordings" "$demo/store/recordings"
demo_certificate

# Accounts and rooms live in a database, as on a school's server; the demo's own are put back each time
# (build/server/orvane-admin --database build/demo/accounts.sqlite adds more while the demo runs).
build/server/orvane-session-server server/demo.ini --database "$demo/accounts.sqlite" --import server/demo.ini \
    --port "$port" --bulk-port "$((port + 2))" --voice-port "$((port + 1))" --video-port "$((port + 3))" \
    --store "$demo/store" --tls-cert "$demo_tls/server.crt" --tls-key "$demo_tls/server.key" 2>"$log" &
server=$!
others_pid=""
cleanup() {
    if [ -n "$others_pid" ]; then
        kill "$others_pid" 2>/dev/null || true
        wait "$others_pid" 2>/dev/null || true
    fi
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
}
trap cleanup EXIT

# Wait until the server listens, or says why it cannot (a minute is only there for a server that hangs).
for _ in $(seq 600); do
    if grep -q "transfers on" "$log"; then
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
if ! grep -q "transfers on" "$log"; then
    echo "The demo server did not start listening within a minute; see $log" >&2
    exit 1
fi

if $check; then
    if ! timeout 20 openssl s_client -connect "127.0.0.1:$port" -brief </dev/null >"$demo/tls-check.log" 2>&1; then
        echo "The demo server took no encrypted connection:" >&2
        sed 's/^/  /' "$demo/tls-check.log" >&2
        exit 1
    fi
    echo "The demo server came up on 127.0.0.1:$port with its recorded session, encrypted."
    exit 0
fi

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

# The demo keeps its own settings, with the help pages of this checkout.
settings="$demo/settings.ini"
if [ ! -f "$settings" ]; then
    printf '[Browser]\nHelpURL=file://%s/data/help/index.html\n' "$PWD" >"$settings"
    # Two favourite polls for the teacher's poll button: Yes / No, and A to D.
    for poll in "Are%20you%20ready%20to%20start 50331648" "Which%20answer%20is%20right 960"; do
        read -r question mask <<<"$poll"
        for value in "AnswerMask=$mask" FromId=0 Id=0 MultipleAns=0 MustReply=0 PingType=2 ToId=0; do
            printf 'StoredPolls\\%s\\%s\n' "$question" "$value" >>"$settings"
        done
    done
fi
demo_trust "$settings" "$port"

echo "Demo server on 127.0.0.1:$port (log: $log)."
echo "Sign in as teacher / teach (moderator) or alice / alice (participant)."
build/src/app/orvane-live --server "127.0.0.1:$port" --settings "$settings" ${client_args[@]+"${client_args[@]}"}
