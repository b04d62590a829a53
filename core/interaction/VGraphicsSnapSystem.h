// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"
#include "VGraphicsSnapPoint.h"

#include <QList>
#include <QObject>

class VGraphicsItem;
class VGraphicsScene;

// Pulls the x and the y of every scene mouse event, independently, to the nearest coordinate
// an item offers within three screen pixels, and shows a guide line where it did.
class TALVIKCORE_EXPORT VGraphicsSnapSystem : public QObject
{
    Q_OBJECT

public:
    explicit VGraphicsSnapSystem(VGraphicsScene* scene);

    void add(const VGraphicsItem* item);
    void remove(const VGraphicsItem* item);

    // Always false: the event goes on, snapped.
    bool eventFilter(QObject* watched, QEvent* event) override;

    const QList<VGraphicsSnapPoint>& xPoints() const { return m_xPoints; }
    const QList<VGraphicsSnapPoint>& yPoints() const { return m_yPoints; }

    // The coordinate of list within tolerance of value that is nearest, found by bisection.
    static bool snap(const QList<VGraphicsSnapPoint>& list, double value, double tolerance,
                     double& result);

private:
    bool snap(const QList<VGraphicsSnapPoint>& list, double value, double& result) const;
    static void add(QList<VGraphicsSnapPoint>& list, double value, const VGraphicsItem* item);
    static void remove(QList<VGraphicsSnapPoint>& list, const VGraphicsItem* item);

    QList<VGraphicsSnapPoint> m_xPoints;
    QList<VGraphicsSnapPoint> m_yPoints;
    VGraphicsScene* m_pScene;
};
