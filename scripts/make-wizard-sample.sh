#!/usr/bin/env bash
# Makes the audio wizard's speech sample (src/voice/sounds/sample.wav): espeak-ng speaks it, sox turns it
# into 8 kHz GSM 6.10, the room's default codec, so it stays small. Run again after changing the words.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
espeak-ng -v en-us -s 150 -w "$tmp/speech.wav" \
    "Welcome to the audio setup wizard. If you can hear this voice clearly, your speakers work. \
Adjust the speaker level until it sounds comfortable, then go on to the microphone test."
sox "$tmp/speech.wav" -r 8000 -c 1 -e gsm-full-rate "$here/src/voice/sounds/sample.wav"
