#!/usr/bin/env bash
# Runs a test program with a Secret Service of its own: a private session bus and an unlocked keyring in a
# temporary home, both gone afterwards. Where they are not installed, the program runs without and reports them missing.
set -u
program=$1
shift
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
export HOME=$home XDG_RUNTIME_DIR=$home/runtime XDG_DATA_HOME=$home/data

if ! command -v dbus-run-session >/dev/null || ! command -v gnome-keyring-daemon >/dev/null; then
    ORV_KEYRING=missing "$program" "$@"
    exit
fi
dbus-run-session -- bash -c '
    printf "test-password" | gnome-keyring-daemon --unlock --components=secrets >/dev/null 2>&1
    ORV_KEYRING=running exec "$0" "$@"' "$program" "$@"
