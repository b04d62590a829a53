// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCaptureModes.h"

#include <QIcon>

namespace {
const std::array<VCaptureModes::Row, 4> kRows = {{
    {VV::CaptureRegion, "HotkeyRegion", QT_TRANSLATE_NOOP("VCaptureModes", "Region"),
     QT_TRANSLATE_NOOP("VCaptureModes", "Capture Region"), ":/images/profile-region-rectangle.png"},
    {VV::CaptureWindow, "HotkeyWindow", QT_TRANSLATE_NOOP("VCaptureModes", "Window"),
     QT_TRANSLATE_NOOP("VCaptureModes", "Capture Window"), ":/images/profile-window.png"},
    {VV::CaptureScrolling, "HotkeyScrolling", QT_TRANSLATE_NOOP("VCaptureModes", "Scrolling"),
     QT_TRANSLATE_NOOP("VCaptureModes", "Scrolling Window"), ":/images/profile-scrolling.png"},
    {VV::CaptureFullScreen, "HotkeyFullScreen", QT_TRANSLATE_NOOP("VCaptureModes", "Full Screen"),
     QT_TRANSLATE_NOOP("VCaptureModes", "Capture Full Screen"), ":/images/profile-fullscreen.png"},
}};
} // namespace

const std::array<VCaptureModes::Row, 4>& VCaptureModes::rows()
{
    return kRows;
}

const VCaptureModes::Row* VCaptureModes::find(int mode)
{
    for (const Row& row : kRows) {
        if (row.mode == mode)
            return &row;
    }
    return nullptr;
}

QString VCaptureModes::shortName(int mode)
{
    const Row* pRow = find(mode);
    return pRow ? tr(pRow->shortName) : QString();
}

QString VCaptureModes::trayText(int mode)
{
    const Row* pRow = find(mode);
    return pRow ? tr(pRow->trayText) : QString();
}

QIcon VCaptureModes::icon(int mode, int regionType)
{
    if (mode == VV::CaptureRegion)
        return regionIcon(regionType);
    const Row* pRow = find(mode);
    return pRow ? QIcon(QLatin1String(pRow->iconPath)) : QIcon();
}

QIcon VCaptureModes::regionIcon(int regionType)
{
    switch (regionType) {
    case VV::RegionRectangle:
        return QIcon(QLatin1String(kRows[VV::CaptureRegion].iconPath));
    case VV::RegionPolygon:
        return QIcon(QStringLiteral(":/images/profile-region-polygon.png"));
    default:
        return QIcon();
    }
}
