#!/usr/bin/env bash
# Encryption for the demo, sourced by run-demo.sh and demo-client.sh: the demo server's self-signed
# certificate, made once and kept in build/demo/tls/, and a client settings file that trusts it (as if the
# user had answered the first-use question with Yes) and requires encryption for the demo server.

demo_tls=build/demo/tls

# Makes the certificate and its key unless they are there.
demo_certificate() {
    if [ -f "$demo_tls/server.crt" ] && [ -f "$demo_tls/server.key" ]; then
        return
    fi
    mkdir -p -m 700 "$demo_tls"
    openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 3650 \
        -subj "/CN=Orvane Live demo server" -addext "subjectAltName=IP:127.0.0.1,DNS:localhost" \
        -keyout "$demo_tls/server.key" -out "$demo_tls/server.crt" 2>/dev/null
}

# The certificate's SHA-256 fingerprint as the client keeps it: lower-case hex, no colons.
demo_fingerprint() {
    openssl x509 -in "$demo_tls/server.crt" -noout -fingerprint -sha256 | sed 's/^.*=//; s/://g' |
        tr 'A-F' 'a-f'
}

# demo_trust SETTINGS_FILE PORT: the settings file trusts the demo server on 127.0.0.1:PORT and requires
# encryption for it; every other value in the file stays.
demo_trust() {
    local settings=$1 port=$2 fingerprint
    fingerprint=$(demo_fingerprint)
    mkdir -p "$(dirname "$settings")"
    [ -f "$settings" ] || printf '[Browser]\n' >"$settings"
    grep -q '^\[Browser\]$' "$settings" || printf '[Browser]\n' >>"$settings"
    local server="127.0.0.1_$port" updated="$settings.new"
    awk -v cert="ServerCertificates\\\\$server=$fingerprint" -v mode="ServerEncryption\\\\$server=2" \
        -v certKey="ServerCertificates\\\\$server=" -v modeKey="ServerEncryption\\\\$server=" '
        index($0, certKey) == 1 || index($0, modeKey) == 1 { next }
        { print }
        $0 == "[Browser]" { print cert; print mode }' "$settings" >"$updated"
    mv "$updated" "$settings"
}
