# SPDX-FileCopyrightText: 2026 Talvik Capture contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by scripts/run and scripts/test: Debian packages, the build, a virtual X server.
# shellcheck shell=bash

TALVIK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
TALVIK_BUILD="${TALVIK_BUILD:-$TALVIK_ROOT/build}"
TALVIK_SANITIZE_BUILD="${TALVIK_SANITIZE_BUILD:-$TALVIK_ROOT/build-sanitize}"

# Everything the build, the tests and the run need, by Debian package name.
TALVIK_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    libgl-dev libprotobuf-dev protobuf-compiler zlib1g-dev libjpeg-dev
    libxcb1-dev libxcb-shape0-dev libxcb-xfixes0-dev libxcb-xtest0-dev libxcb-keysyms1-dev libxcb-shm0-dev
    libxcb-randr0-dev
    libbenchmark-dev
    xvfb xauth xdotool trayer procps openbox x11-apps x11-xserver-utils xclip
    g++-mingw-w64-x86-64-posix wine64 doctest-dev nsis
    sway grim pipewire xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk
    qt6-wayland dbus-daemon dbus-bin libglib2.0-bin fuse3
    scdoc desktop-file-utils appstream lintian dpkg-dev file man-db reuse
    clang-14 libclang-rt-14-dev llvm-14
    xterm fonts-dejavu-core fonts-wqy-zenhei mousepad featherpad chromium
    qt6-translations-l10n python3
)

talvik_log() { printf '==> %s\n' "$*" >&2; }

talvik_missing_packages() {
    local package status
    for package in "$@"; do
        status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
        [ "$status" = installed ] || printf '%s\n' "$package"
    done
}

# Installs what is missing: as root directly, else through sudo, else says how and stops.
talvik_ensure_packages() {
    local missing
    mapfile -t missing < <(talvik_missing_packages "${TALVIK_PACKAGES[@]}" "$@")
    [ "${#missing[@]}" -eq 0 ] && return 0

    local apt=(env DEBIAN_FRONTEND=noninteractive apt-get)
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
            apt=(sudo env DEBIAN_FRONTEND=noninteractive apt-get)
        else
            printf 'These Debian packages are missing. Install them with:\n' >&2
            printf '  sudo apt-get update && sudo apt-get install -y %s\n' "${missing[*]}" >&2
            exit 1
        fi
    fi
    talvik_log "installing ${missing[*]}"
    "${apt[@]}" update -qq
    "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
}

talvik_configure() {
    cmake -S "$TALVIK_ROOT" -B "$TALVIK_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTALVIK_WERROR=ON >/dev/null
}

talvik_build() {
    talvik_log "configuring and building in $TALVIK_BUILD"
    talvik_configure
    cmake --build "$TALVIK_BUILD" --parallel "$(nproc)"
}

# The sanitizer build of cmake/TalvikSanitize.cmake: clang, only the target talvik_sanitize.
talvik_build_sanitize() {
    talvik_log "configuring and building with the sanitizers in $TALVIK_SANITIZE_BUILD"
    cmake -S "$TALVIK_ROOT" -B "$TALVIK_SANITIZE_BUILD" -G Ninja -DCMAKE_BUILD_TYPE= \
        -DCMAKE_CXX_COMPILER=clang++-14 -DTALVIK_SANITIZE=ON \
        -DTALVIK_BUILD_BENCH=OFF -DTALVIK_BUILD_EXAMPLES=OFF >/dev/null
    cmake --build "$TALVIK_SANITIZE_BUILD" --target talvik_sanitize --parallel "$(nproc)"
}

# Runs the offscreen tests, the capture journeys and the fuzzers of the sanitizer build. Every
# report, also from a program a test starts, goes to a file; any file fails the run.
talvik_test_sanitize() {
    local logs="$TALVIK_SANITIZE_BUILD/sanitizer-reports"
    rm -rf "$logs"
    mkdir -p "$logs"
    local status=0
    ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:log_path=$logs/asan" \
    UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:log_path=$logs/ubsan" \
    LSAN_OPTIONS="suppressions=$TALVIK_ROOT/scripts/lib/lsan.supp:print_suppressions=0" \
    ASAN_SYMBOLIZER_PATH="$(command -v llvm-symbolizer-14)" \
        ctest --test-dir "$TALVIK_SANITIZE_BUILD" -L 'sanitize|fuzz' --output-on-failure \
        --parallel "$(nproc)" --timeout 600 || status=1
    local report
    for report in "$logs"/*; do
        [ -e "$report" ] || continue
        talvik_log "sanitizer report $report"
        cat "$report" >&2
        status=1
    done
    return "$status"
}

# The Windows installer and programs under Wine (tests/windows), on the running Xvfb. Without a
# Windows SDK they are left out, saying so, unless TALVIK_WINDOWS_SDK_BUILD=1 (as on CI) builds it.
talvik_test_windows() {
    local sdk
    sdk=$("$TALVIK_ROOT/scripts/windows-sdk" --path)
    if [ ! -e "$sdk/.complete" ] && [ "${TALVIK_WINDOWS_SDK_BUILD:-0}" != 1 ]; then
        talvik_log "Windows journeys LEFT OUT: there is no Windows SDK in $sdk yet. Build it once" \
            "with scripts/windows-sdk (some 25 minutes), or run TALVIK_WINDOWS_SDK_BUILD=1 ./scripts/test"
        return 0
    fi
    local installer
    installer=$("$TALVIK_ROOT/scripts/windows-build" | tail -n 1) || return 1
    # The same programs as a newer version, for the updater to find and install.
    local version next_version next_dir
    version=$(basename "$installer" | sed 's/^TalvikCapture-\(.*\)-win64\.exe$/\1/')
    next_version=$(awk -v v="$version" 'BEGIN { print v + 1 }')
    next_dir="$(dirname "$installer")/next-version"
    cpack -G NSIS --config "$(dirname "$installer")/CPackConfig.cmake" -B "$next_dir" \
        -D CPACK_PACKAGE_VERSION="$next_version" \
        -D CPACK_PACKAGE_FILE_NAME="TalvikCapture-$next_version-win64" >/dev/null || return 1
    talvik_log "running the Windows journeys under Wine"
    TALVIK_WINDOWS_INSTALLER="$installer" TALVIK_WINDOWS_VERSION="$version" \
    TALVIK_WINDOWS_NEXT_INSTALLER="$next_dir/TalvikCapture-$next_version-win64.exe" \
    TALVIK_WINDOWS_NEXT_VERSION="$next_version" \
        ctest --test-dir "$TALVIK_BUILD" -L windows --output-on-failure --timeout 900
}

# Starts a private Xvfb and exports DISPLAY; it is stopped when the calling script exits.
talvik_start_xvfb() {
    local displayfile
    displayfile=$(mktemp)
    Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$displayfile" >/dev/null 2>&1 &
    TALVIK_XVFB_PID=$!
    trap 'kill "$TALVIK_XVFB_PID" 2>/dev/null || true' EXIT
    local tries=0
    while [ ! -s "$displayfile" ]; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ] || ! kill -0 "$TALVIK_XVFB_PID" 2>/dev/null; then
            talvik_log "Xvfb did not start"
            exit 1
        fi
        sleep 0.1
    done
    export DISPLAY=":$(head -n1 "$displayfile")"
    rm -f "$displayfile"
    talvik_log "virtual X server on $DISPLAY"
}
