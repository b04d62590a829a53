#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Talvik Capture contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Usage: wayland-session.sh [--x11 | --stage FILE]... COMMAND [ARGUMENT]...
#
# Runs a command inside a real, private Wayland session: sway on a headless output, PipeWire
# and the desktop portals (xdg-desktop-portal with its wlr and gtk back ends) on a D-Bus
# session bus of its own. The command gets WAYLAND_DISPLAY, SWAYSOCK, DBUS_SESSION_BUS_ADDRESS,
# QT_QPA_PLATFORM=wayland and a HOME of its own; its exit code is the script's. Exit code 77:
# the session's programs are missing.
#
# --x11: sway runs as a window at the top left of the X display DISPLAY names, which gives it
# the pointer and keyboard a headless output lacks; X clients such as xdotool drive them there.
# The command finds that display in TALVIK_WAYLAND_X11_DISPLAY (DISPLAY itself is not passed on).
#
# sway refuses to run as root: started as root, the script switches to an unprivileged user
# (nobody unless TALVIK_WAYLAND_USER names another uid) and runs the command as that user.
# That user may not reach the caller's files: each staged FILE is copied into a folder of the
# session that comes first in PATH and LD_LIBRARY_PATH.
#
# xdg-desktop-portal-wlr writes every screenshot to /tmp/out.png: run one session at a time.
set -euo pipefail

script="$(readlink -f "$0")"
portals=/usr/libexec

if [ "${1:-}" != --inside ]; then
    x11=
    stage=()
    while [ "${1:-}" = --stage ] || [ "${1:-}" = --x11 ]; do
        if [ "$1" = --x11 ]; then
            x11="${DISPLAY:-}"
            if [ -z "$x11" ] || ! command -v xdotool >/dev/null 2>&1; then
                echo "wayland-session: --x11 needs DISPLAY and xdotool" >&2
                exit 77
            fi
        else
            stage+=("$2")
            shift
        fi
        shift
    done
    for program in sway swaymsg grim pipewire dbus-run-session dbus-update-activation-environment \
        dbus-send gdbus "$portals/xdg-desktop-portal" "$portals/xdg-desktop-portal-wlr" \
        "$portals/xdg-desktop-portal-gtk"; do
        if ! command -v "$program" >/dev/null 2>&1; then
            echo "wayland-session: $program is missing" >&2
            exit 77
        fi
    done
    if [ -e /tmp/out.png ]; then
        echo "wayland-session: /tmp/out.png is in the way of the wlr portal's screenshots" >&2
        exit 1
    fi
    runtime="$(mktemp -d /tmp/talvik-wayland.XXXXXX)"
    # The document portal mounts a FUSE file system in the runtime folder where it can; the
    # folder only goes once that is unmounted.
    trap 'fusermount3 -u "$runtime/doc" 2>/dev/null || umount -l "$runtime/doc" 2>/dev/null || true
          rm -rf "$runtime"' EXIT
    mkdir -p "$runtime/home" "$runtime/bin"
    for file in "${stage[@]}"; do cp -L "$file" "$runtime/bin/"; done
    # The session's half of this script, too, runs where that user can read it.
    cp "$script" "$runtime/bin/wayland-session.sh"
    cd "$runtime"
    as=()
    if [ "$(id -u)" -eq 0 ]; then
        user="${TALVIK_WAYLAND_USER:-65534}"
        chown -R "$user:$user" "$runtime"
        as=(setpriv --reuid="$user" --regid="$user" --clear-groups)
    fi
    chmod 700 "$runtime"
    # A clean environment: nothing of the caller's desktop may leak into the session.
    status=0
    "${as[@]}" env -i PATH="$runtime/bin:$PATH" LD_LIBRARY_PATH="$runtime/bin" LANG=C.UTF-8 \
        HOME="$runtime/home" XDG_RUNTIME_DIR="$runtime" \
        TMPDIR="$runtime" TALVIK_WAYLAND_WIDTH="${TALVIK_WAYLAND_WIDTH:-1280}" \
        TALVIK_WAYLAND_HEIGHT="${TALVIK_WAYLAND_HEIGHT:-800}" \
        TALVIK_WAYLAND_SCALE="${TALVIK_WAYLAND_SCALE:-1}" TALVIK_WAYLAND_X11_DISPLAY="$x11" \
        dbus-run-session -- "$runtime/bin/wayland-session.sh" --inside "$@" || status=$?
    exit "$status"
fi
shift

log="$XDG_RUNTIME_DIR/log"
mkdir -p "$log"
pids=()
finish() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap finish EXIT

fail() {
    echo "wayland-session: $*" >&2
    local file
    for file in "$log"/*; do
        echo "--- $(basename "$file")" >&2
        tail -n 20 "$file" >&2
    done
    exit 1
}

# Waits up to five seconds for a test to pass.
await() {
    local tries
    for tries in $(seq 50); do
        if eval "$1"; then return 0; fi
        sleep 0.1
    done
    return 1
}

export XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland QT_QPA_PLATFORM=wayland
cat >"$XDG_RUNTIME_DIR/sway.conf" <<CONFIG
output * resolution ${TALVIK_WAYLAND_WIDTH}x${TALVIK_WAYLAND_HEIGHT} scale ${TALVIK_WAYLAND_SCALE} bg #203040 solid_color
default_border none
default_floating_border none
focus_follows_mouse no
CONFIG
backend=(WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1)
[ -z "$TALVIK_WAYLAND_X11_DISPLAY" ] ||
    backend=(WLR_BACKENDS=x11 WLR_X11_OUTPUTS=1 DISPLAY="$TALVIK_WAYLAND_X11_DISPLAY")
env "${backend[@]}" WLR_RENDERER=pixman sway -c "$XDG_RUNTIME_DIR/sway.conf" >"$log/sway" 2>&1 &
pids+=($!)
await 'ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock >/dev/null 2>&1 && [ -S "$XDG_RUNTIME_DIR/wayland-1" ]' ||
    fail "sway did not start"
export WAYLAND_DISPLAY=wayland-1
SWAYSOCK="$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock)"
export SWAYSOCK
await 'swaymsg -t get_outputs >/dev/null 2>&1' || fail "sway does not answer"

# Services the bus starts on demand must see the session too.
dbus-update-activation-environment WAYLAND_DISPLAY XDG_RUNTIME_DIR XDG_CURRENT_DESKTOP \
    XDG_SESSION_TYPE HOME SWAYSOCK PATH

# The wlr portal gives up for good when PipeWire is not there yet.
pipewire >"$log/pipewire" 2>&1 &
pids+=($!)
await '[ -S "$XDG_RUNTIME_DIR/pipewire-0" ]' || fail "pipewire did not start"
"$portals/xdg-desktop-portal-wlr" >"$log/portal-wlr" 2>&1 &
pids+=($!)
# Started on demand by the bus: xdg-desktop-portal, and through it the gtk back end, whose
# Access implementation the Screenshot portal needs to be offered at all.
await 'gdbus introspect --session --dest org.freedesktop.portal.Desktop --object-path /org/freedesktop/portal/desktop 2>/dev/null | grep -q org.freedesktop.portal.Screenshot' ||
    fail "the Screenshot portal did not appear"

status=0
"$@" || status=$?
[ "$status" -eq 0 ] || fail "the command failed with exit code $status"
