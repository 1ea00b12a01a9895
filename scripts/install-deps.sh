#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the demo need; only what is missing.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ clang libclang-rt-14-dev lld pkg-config clang-format git
    # Qt
    qt6-base-dev libqt6opengl6-dev qt6-qpa-plugins qt6-multimedia-dev qt6-webengine-dev libgl-dev
    libqt6svg6 fonts-dejavu-core tzdata
    # translations: lupdate and lrelease at build time, Qt's own catalogues at run time
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    # desktop integration: link schemes, and the tests that launch through them under a window manager
    xdg-utils openbox xdotool x11-utils
    # tests and benchmarks
    googletest libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth dante-server microsocks
    # tests' small web servers (recordings over HTTP, the tour's pages)
    python3
    # screen readers: the accessibility bus and its registry, and the tests' view of it as a reader has it
    at-spi2-core python3-pyatspi
    # desktop notifications: the tests run a session bus of their own; saved chats read back
    dbus-daemon unrtf
    # the server's accounts: a SQLite database, passwords kept as Argon2id hashes
    libqt6sql6-sqlite libsodium-dev
    # SOCKS connections
    libcurl4-openssl-dev
    # encrypted connections: OpenSSL in the client and the server's checks, Qt's TLS backend on the server,
    # the openssl tool that makes the demo's and the tests' certificates
    libssl-dev openssl libqt6network6
    # remembered passwords in the desktop keyring, and the private keyring its tests start
    qtkeychain-qt6-dev gnome-keyring dbus-daemon
    # voice: codecs, echo cancellation and noise suppression, the mixer
    libgsm1-dev libspeex-dev libspeexdsp-dev libpulse-dev libasound2-dev
    # voice tests: speech made at test time, independent codecs, Ogg for speexdec, a sound server
    espeak-ng sox ffmpeg speex libogg-dev pulseaudio pulseaudio-utils
    # video: codecs by fourcc, picture conversion
    libavcodec-dev libavutil-dev libswscale-dev
    # recordings exported as video files: the containers, and the sound brought to the encoder's rate
    libavformat-dev libswresample-dev
    # board screen captures (X11), and the board export tests reading PDF pages back
    libx11-dev poppler-utils
    # presentations turned into slides: LibreOffice converts to PDF, poppler draws the pages
    libreoffice-impress libpoppler-qt6-dev
    # application sharing: PNG tiles, shared-memory screen reads, the pointer image, synthetic input
    libpng-dev libxext-dev libxfixes-dev libxtst-dev
    # the sharing benchmark's other PNG encoder
    libspng-dev
    # the push-to-talk key anywhere on the desktop (XInput2 raw key events)
    libxi-dev
    # Wayland desktops: Qt's Wayland platform, screen sharing through the desktop portal and PipeWire
    qt6-wayland libpipewire-0.3-dev
    # the tests' headless Wayland desktop: compositor and background, media server and session manager,
    # screenshots; setpriv runs the compositor unprivileged when the tests run as root (the desktop portal
    # is the tests' own)
    sway swaybg pipewire pipewire-bin wireplumber grim util-linux
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
