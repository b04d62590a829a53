// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QVector3D>

class TALVIKCORE_EXPORT VConstants
{
public:
    static const QVector3D X_AXIS;
    static const QVector3D Y_AXIS;
    static const QVector3D Z_AXIS;
};
