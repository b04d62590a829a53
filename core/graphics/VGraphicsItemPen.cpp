// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsItemPen.h"

#include "data/VDataConvert.h"
#include "foundation/VRestorePainter.h"
#include "VGraphicsItemChangeNotifier.h"
#include "VGraphicsItemCopy.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPathStroker>

namespace {
// Pointer steps shorter than this add nothing a viewer could see.
constexpr double kMinStep = 1.0;
// A kept point may be dropped when no raw point it stands for lies farther than this from the
// straight line that would replace it.
constexpr double kTolerance = 1.0;
// Bounds the work per point: after this many merged points the last one is kept anyway.
constexpr int kMaxMerged = 64;
// How far beside a thin stroke a click still hits it, as for the straight shapes.
constexpr double kHitSlack = 6;

double distanceToSegment(const QPointF& x, const QPointF& a, const QPointF& b)
{
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    if (length2 <= 0)
        return QLineF(x, a).length();
    const double t = qBound(0.0, QPointF::dotProduct(x - a, ab) / length2, 1.0);
    return QLineF(x, a + t * ab).length();
}

QPointF midPoint(const QPointF& a, const QPointF& b)
{
    return (a + b) / 2;
}

// The cubic's control points that trace the quadratic from start through control to end.
void setQuadAt(QPainterPath& path, int endIndex, const QPointF& start, const QPointF& control,
               const QPointF& end)
{
    const QPointF c1 = start + (control - start) * (2.0 / 3.0);
    const QPointF c2 = end + (control - end) * (2.0 / 3.0);
    path.setElementPositionAt(endIndex - 2, c1.x(), c1.y());
    path.setElementPositionAt(endIndex - 1, c2.x(), c2.y());
    path.setElementPositionAt(endIndex, end.x(), end.y());
}

void setLineAt(QPainterPath& path, int endIndex, const QPointF& start, const QPointF& end)
{
    setQuadAt(path, endIndex, start, midPoint(start, end), end);
}

// QRectF::united skips rectangles without area, which a point is.
QRectF withPoint(const QRectF& r, const QPointF& p, bool first)
{
    if (first)
        return QRectF(p, QSizeF(0, 0));
    return QRectF(QPointF(qMin(r.left(), p.x()), qMin(r.top(), p.y())),
                  QPointF(qMax(r.right(), p.x()), qMax(r.bottom(), p.y())));
}

QPointF elementPoint(const QPainterPath& path, int i)
{
    const QPainterPath::Element e = path.elementAt(i);
    return QPointF(e.x, e.y);
}
} // namespace

VGraphicsItemPen::VGraphicsItemPen(VGraphicsItem* parent) : VGraphicsItem(parent) {}

VGraphicsItemPen::VGraphicsItemPen() : VGraphicsItemPen(nullptr) {}

VGraphicsItemPen::~VGraphicsItemPen() = default;

void VGraphicsItemPen::addPoint(const QVector3D& p)
{
    const QPointF q = ecsInverse().map(p).toPointF();
    const int n = pointCount();
    if (n > 0 && QLineF(VDataConvert::toPointF(m_penData.points(n - 1)), q).length() < kMinStep)
        return;
    VGraphicsItemChangeNotifier notifier(this);
    if (n >= 2 && m_merged.size() < kMaxMerged) {
        const QPointF a = VDataConvert::toPointF(m_penData.points(n - 2));
        const QPointF b = VDataConvert::toPointF(m_penData.points(n - 1));
        bool straight = distanceToSegment(b, a, q) <= kTolerance;
        for (int i = 0; straight && i < m_merged.size(); ++i)
            straight = distanceToSegment(m_merged[i], a, q) <= kTolerance;
        if (straight) {
            m_merged.append(b);
            moveLastPoint(q);
            return;
        }
    }
    m_merged.clear();
    appendSegment(q);
}

int VGraphicsItemPen::pointCount() const
{
    return m_penData.points_size();
}

QVector<QVector3D> VGraphicsItemPen::points() const
{
    QVector<QVector3D> result;
    result.reserve(pointCount());
    for (const VFileFormat::Vector2D& point : m_penData.points())
        result.append(ecs().map(VDataConvert::toVector3D(point)));
    return result;
}

void VGraphicsItemPen::setMessage(const VFileFormat::GraphicsItemPen& message)
{
    VGraphicsItemChangeNotifier notifier(this);
    m_penData.CopyFrom(message);
    rebuildPath();
}

void VGraphicsItemPen::appendSegment(const QPointF& point)
{
    VFileFormat::Vector2D* stored = m_penData.add_points();
    VDataConvert::assign(stored, QVector2D(point));
    // As stored, so the curve rebuilt from a stored stroke is exactly this one.
    const QPointF p = VDataConvert::toPointF(*stored);
    const int n = pointCount();
    m_bounds = withPoint(m_bounds, p, n == 1);
    m_bHitPathValid = false;
    if (n == 1) {
        m_path = QPainterPath(p);
        return;
    }
    const QPointF previous = VDataConvert::toPointF(m_penData.points(n - 2));
    const int count = m_path.elementCount();
    if (n >= 3) {
        // The straight open end bends towards the new point and stops halfway to it.
        setQuadAt(m_path, count - 1, elementPoint(m_path, count - 4), previous,
                  midPoint(previous, p));
    }
    const QPointF start = elementPoint(m_path, m_path.elementCount() - 1);
    m_path.cubicTo(start, start, p);
    setLineAt(m_path, m_path.elementCount() - 1, start, p);
}

void VGraphicsItemPen::moveLastPoint(const QPointF& point)
{
    const int n = pointCount();
    VFileFormat::Vector2D* stored = m_penData.mutable_points(n - 1);
    VDataConvert::assign(stored, QVector2D(point));
    const QPointF p = VDataConvert::toPointF(*stored);
    m_bounds = withPoint(m_bounds, p, false);
    m_bHitPathValid = false;
    const int count = m_path.elementCount();
    QPointF start = elementPoint(m_path, count - 4);
    if (n >= 3) {
        const QPointF control = VDataConvert::toPointF(m_penData.points(n - 2));
        start = midPoint(control, p);
        setQuadAt(m_path, count - 4, elementPoint(m_path, count - 7), control, start);
    }
    setLineAt(m_path, count - 1, start, p);
}

void VGraphicsItemPen::rebuildPath()
{
    const QVector<QPointF> kept = [this] {
        QVector<QPointF> result;
        result.reserve(pointCount());
        for (const VFileFormat::Vector2D& point : m_penData.points())
            result.append(VDataConvert::toPointF(point));
        return result;
    }();
    m_penData.clear_points();
    m_path = QPainterPath();
    m_bounds = QRectF();
    m_merged.clear();
    for (const QPointF& p : kept)
        appendSegment(p);
    m_bHitPathValid = false;
}

QRectF VGraphicsItemPen::boundary()
{
    return m_bounds;
}

QPainterPath VGraphicsItemPen::shape() const
{
    if (!m_bHitPathValid) {
        QPainterPathStroker stroker;
        stroker.setWidth(strokeWidth() + kHitSlack);
        stroker.setCapStyle(Qt::RoundCap);
        stroker.setJoinStyle(Qt::RoundJoin);
        m_hitPath = pointCount() == 1 ? QPainterPath() : stroker.createStroke(m_path);
        if (pointCount() == 1) {
            const double r = (strokeWidth() + kHitSlack) / 2;
            m_hitPath.addEllipse(m_bounds.center(), r, r);
        }
        m_bHitPathValid = true;
    }
    return m_hitPath;
}

void VGraphicsItemPen::preparePainter(QPainter* painter) const
{
    painter->setBrush(Qt::NoBrush);
}

void VGraphicsItemPen::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                             QWidget* widget)
{
    VRestorePainter restore(*painter);
    VGraphicsItem::paint(painter, option, widget);
    preparePainter(painter);
    if (pointCount() == 1)
        painter->drawPoint(m_bounds.center());
    else if (pointCount() > 1)
        painter->drawPath(m_path);
}

QVector<QVector3D> VGraphicsItemPen::snapPoints()
{
    QVector<QVector3D> result{QVector3D(boundary().center())};
    if (pointCount() > 0) {
        result.append(VDataConvert::toVector3D(m_penData.points(0)));
        result.append(VDataConvert::toVector3D(m_penData.points(pointCount() - 1)));
    }
    return result;
}

bool VGraphicsItemPen::copy(const VGraphicsItem* other)
{
    const auto dropCaches = [this] {
        m_merged.clear();
        m_bHitPathValid = false;
    };
    return copyItem<VGraphicsItem>(this, other, &VGraphicsItemPen::m_penData,
                                   &VGraphicsItemPen::m_path, &VGraphicsItemPen::m_bounds,
                                   dropCaches);
}

void VGraphicsItemPen::onChanged()
{
    m_bHitPathValid = false;
}

QByteArray VGraphicsItemPen::encodedMessages() const
{
    return VGraphicsItem::encodedMessages() + encoded(m_penData);
}
