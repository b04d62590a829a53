// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VGripConstraint.h"

// Only the part of a drag along one direction counts.
class TALVIKCORE_EXPORT VGripConstraintLine : public VGripConstraint
{
public:
    explicit VGripConstraintLine(const QVector3D& direction)
        : m_direction(QVector2D(direction.x(), direction.y()).normalized())
    {
    }

    const QVector2D& direction() const { return m_direction; }
    QVector2D filtered(const QVector3D& offset) const override
    {
        const float k = offset.x() * m_direction.x() + offset.y() * m_direction.y();
        return m_direction * k;
    }

private:
    QVector2D m_direction;
};
