#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Talvik Capture contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Windows program under Wine on $DISPLAY: runUnderWine.sh WINE PREFIX PROGRAM [ARGS...]
# The prefix is made on first use and kept.
set -euo pipefail
wine=$1
export WINEPREFIX=$2
shift 2
export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
if [ ! -f "$WINEPREFIX/.talvik-ready" ]; then
    echo "making the Wine prefix $WINEPREFIX" >&2
    # Unmanaged windows: with no window manager on the tests' X server, Wine would otherwise wait
    # two seconds for one at every window it destroys.
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    touch "$WINEPREFIX/.talvik-ready"
fi
exec "$wine" "$@"
