// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsSnapSystem.h"

#include "graphics/VGraphicsItem.h"
#include "graphics/VGraphicsScene.h"
#include "VSnapLine.h"

#include <QGraphicsSceneMouseEvent>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kSameCoordinate = 0.01;
}

VGraphicsSnapSystem::VGraphicsSnapSystem(VGraphicsScene* scene) : m_pScene(scene) {}

void VGraphicsSnapSystem::add(const VGraphicsItem* item)
{
    auto* pItem = const_cast<VGraphicsItem*>(item);
    const QVector<QVector3D> points = pItem->snapPoints();
    for (const QVector3D& local : points) {
        const QVector3D p = item->ecs().map(local);
        add(m_xPoints, p.x(), item);
        add(m_yPoints, p.y(), item);
    }
}

void VGraphicsSnapSystem::remove(const VGraphicsItem* item)
{
    remove(m_xPoints, item);
    remove(m_yPoints, item);
}

void VGraphicsSnapSystem::add(QList<VGraphicsSnapPoint>& list, double value,
                              const VGraphicsItem* item)
{
    // Points stand at least kSameCoordinate apart, so the first one above value - kSameCoordinate
    // is the only one that can be the same coordinate.
    const auto at = std::upper_bound(
        list.begin(), list.end(), value - kSameCoordinate,
        [](double v, const VGraphicsSnapPoint& point) { return v < point.value(); });
    if (at != list.end() && std::abs(value - at->value()) < kSameCoordinate) {
        if (!at->items().contains(item))
            at->items().append(item);
        return;
    }
    list.insert(at, VGraphicsSnapPoint(value, item));
}

void VGraphicsSnapSystem::remove(QList<VGraphicsSnapPoint>& list, const VGraphicsItem* item)
{
    for (VGraphicsSnapPoint& point : list)
        point.items().removeAll(item);
    list.removeIf([](const VGraphicsSnapPoint& point) { return point.items().isEmpty(); });
}

bool VGraphicsSnapSystem::snap(const QList<VGraphicsSnapPoint>& list, double value,
                               double tolerance, double& result)
{
    qsizetype lo = 0;
    qsizetype hi = list.size();
    while (lo < hi) {
        const qsizetype mid = (lo + hi) / 2;
        const double e = list.at(mid).value();
        if (std::abs(e - value) <= tolerance) {
            // The search may land on either side of value; the neighbour may be nearer.
            double chosen = e;
            if (e < value && mid + 1 < list.size()) {
                const double n = list.at(mid + 1).value();
                if (std::abs(value - n) < value - e)
                    chosen = n;
            } else if (e > value && mid > 0) {
                const double n = list.at(mid - 1).value();
                if (std::abs(value - n) < e - value)
                    chosen = n;
            }
            result = chosen;
            return true;
        }
        if (value > e)
            lo = mid + 1;
        else
            hi = mid;
    }
    return false;
}

bool VGraphicsSnapSystem::snap(const QList<VGraphicsSnapPoint>& list, double value,
                               double& result) const
{
    return snap(list, value, 3 / m_pScene->scale(), result);
}

bool VGraphicsSnapSystem::eventFilter(QObject* watched, QEvent* event)
{
    const int type = event->type();
    if (type < QEvent::GraphicsSceneMouseMove || type > QEvent::GraphicsSceneMouseDoubleClick)
        return QObject::eventFilter(watched, event);
    auto* mouse = static_cast<QGraphicsSceneMouseEvent*>(event);
    // Guide lines live only until the next mouse event.
    m_pScene->clearSnapLines();
    // Only a point being placed snaps; a pointer merely passing by, or a click that selects or
    // places a caret, stays where the user put it.
    if (!m_pScene->isDragging() && !m_pScene->isDrawing())
        return false;
    QPointF p = mouse->scenePos();
    double result = 0;
    if (snap(m_xPoints, p.x(), result)) {
        p.setX(result);
        m_pScene->snapped(VSnapLine(result, VSnapLine::SnapVertical));
    }
    if (snap(m_yPoints, p.y(), result)) {
        p.setY(result);
        m_pScene->snapped(VSnapLine(result, VSnapLine::SnapHorizontal));
    }
    mouse->setScenePos(p);
    return false;
}
