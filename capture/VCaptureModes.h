// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VVCapture.h"

#include <QCoreApplication>
#include <QString>

#include <array>

class QIcon;

// The four capture modes, one row each, in mode order: what the settings, the hotkeys, the
// tray and the mode buttons call them.
class VCaptureModes
{
    Q_DECLARE_TR_FUNCTIONS(VCaptureModes)

public:
    struct Row
    {
        VV::enumCaptureMode mode;
        // Of the mode's hotkey; "Use" before it switches the hotkey on.
        const char* settingsKey;
        // Untranslated; shortName() and trayText() translate them.
        const char* shortName;
        const char* trayText;
        // The region mode's is the rectangle's; regionIcon() follows the region type.
        const char* iconPath;
    };

    static const std::array<Row, 4>& rows();
    // nullptr for a number that is no mode.
    static const Row* find(int mode);

    // As a message names a mode: "Region", "Full Screen".
    static QString shortName(int mode);
    // A tray entry's text: "Capture Region".
    static QString trayText(int mode);
    // The mode's icon; the region mode's shows the region type.
    static QIcon icon(int mode, int regionType);
    // Null for a number that is no region type.
    static QIcon regionIcon(int regionType);
};
