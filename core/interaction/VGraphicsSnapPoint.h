// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QList>

class VGraphicsItem;

// One scene coordinate (an x or a y) and the items that offer it.
class TALVIKCORE_EXPORT VGraphicsSnapPoint
{
public:
    VGraphicsSnapPoint(double value, const VGraphicsItem* item) : m_value(value), m_items{item} {}

    double value() const { return m_value; }
    const QList<const VGraphicsItem*>& items() const { return m_items; }
    QList<const VGraphicsItem*>& items() { return m_items; }

private:
    double m_value;
    QList<const VGraphicsItem*> m_items;
};
