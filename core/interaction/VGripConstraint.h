// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QVector2D>
#include <QVector3D>

// Restricts how far a grip's drag counts in which direction.
class TALVIKCORE_EXPORT VGripConstraint
{
public:
    VGripConstraint() = default;
    VGripConstraint(const VGripConstraint&) = default;
    VGripConstraint& operator=(const VGripConstraint&) = default;
    virtual ~VGripConstraint() = default;

    // The part of the offset that is allowed.
    virtual QVector2D filtered(const QVector3D& offset) const = 0;
};
