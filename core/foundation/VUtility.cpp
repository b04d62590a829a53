// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VUtility.h"

#include "autorun/VAutoRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMetaObject>
#include <QPainter>

namespace VUtility {

QString convertTimeVariables(const QString& format)
{
    return convertTimeVariables(format, QDateTime::currentDateTime());
}

QString convertTimeVariables(const QString& format, const QDateTime& moment)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    const auto padded = [](int value, int width) {
        return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
    };
    QString result = format;
    result.replace(QLatin1Char('Y'), padded(date.year(), 4));
    result.replace(QLatin1Char('M'), padded(date.month(), 2));
    result.replace(QLatin1Char('D'), padded(date.day(), 2));
    result.replace(QLatin1Char('h'), padded(time.hour(), 2));
    result.replace(QLatin1Char('m'), padded(time.minute(), 2));
    result.replace(QLatin1Char('s'), padded(time.second(), 2));
    return result;
}

QString TargetFormatToString(VV::enumTargetFormat format)
{
    switch (format) {
    case VV::TargetFormatPng:
        return QStringLiteral("png");
    case VV::TargetFormatJpg:
        return QStringLiteral("jpg");
    case VV::TargetFormatBmp:
        return QStringLiteral("bmp");
    }
    return {};
}

QString TargetFormatToString(int format)
{
    // A number from a hand-edited settings file may name no format, and cast to the enumeration
    // it would be a value the enumeration cannot hold.
    if (format < VV::TargetFormatPng || format > VV::TargetFormatBmp)
        return {};
    return TargetFormatToString(static_cast<VV::enumTargetFormat>(format));
}

QString makeFullPath(const QString& folder, const QString& subFolder, const QString& name,
                     const QString& extension)
{
    const QChar separator = QDir::separator();
    QString dir = QDir::toNativeSeparators(folder);
    if (!subFolder.isEmpty())
        dir += separator + subFolder;
    if (!dir.endsWith(separator))
        dir += separator;
    if (!QFileInfo::exists(dir))
        QDir().mkpath(dir);

    // A dangling link holds its name too, though nothing exists behind it.
    const auto isFree = [](const QString& path) {
        const QFileInfo info(path);
        return !info.exists() && !info.isSymLink();
    };
    const QString candidate = dir + name + QLatin1Char('.') + extension;
    if (isFree(candidate))
        return candidate;
    for (qint64 n = 1;; ++n) {
        const QString numbered = QStringLiteral("%1%2[%3].%4").arg(dir, name).arg(n).arg(extension);
        if (isFree(numbered))
            return numbered;
    }
}

bool removeFileNameInvalidChar(QString& text)
{
    static const QString invalid = QStringLiteral("*?:<>/|\\\"");
    const qsizetype before = text.size();
    for (const QChar c : invalid)
        text.remove(c);
    return text.size() != before;
}

namespace {
QString autoRunEntryName()
{
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("TalvikCoreNoAppName") : name;
}
} // namespace

void setAutoRun(bool on)
{
    VAutoRun::apply(autoRunEntryName(), QCoreApplication::applicationFilePath(), on);
}

VAutoRun::State autoRunState()
{
    return VAutoRun::state(autoRunEntryName());
}

bool isInherits(const QMetaObject* meta, const QString& className)
{
    for (; meta; meta = meta->superClass()) {
        if (className == QLatin1String(meta->className()))
            return true;
    }
    return false;
}

QVector2D perpendicular(const QVector2D& v)
{
    return QVector2D(-v.y(), v.x());
}

QVector3D perpendicularInECS(const QVector3D& v, const QMatrix4x4& toWorld,
                             const QMatrix4x4& toLocal)
{
    const QVector3D local = toLocal.mapVector(v);
    return toWorld.mapVector(QVector3D(-local.y(), local.x(), 0));
}

QVector<QVector3D> corners(const QRectF& r)
{
    return {QVector3D(r.topLeft()), QVector3D(r.topRight()), QVector3D(r.bottomLeft()),
            QVector3D(r.bottomRight())};
}

QVector<QVector3D> midPoints(const QRectF& r)
{
    const QPointF c = r.center();
    return {QVector3D(c.x(), r.top(), 0), QVector3D(r.right(), c.y(), 0),
            QVector3D(c.x(), r.bottom(), 0), QVector3D(r.left(), c.y(), 0)};
}

QPolygonF polygonFromLine(const QLineF& line, double width)
{
    const QPointF p1 = line.p1();
    if (line.length() == 0) {
        const QPointF half(0.1, 0.1);
        return QPolygonF(QRectF(p1 - half, p1 + half));
    }
    const QLineF normal = line.unitVector().normalVector();
    const QPointF n(normal.dx(), normal.dy());
    const QPointF o = n * (width * 0.5 + 3);
    const QPointF p2 = line.p2();
    return QPolygonF({p1 + o, p1 - o, p2 - o, p2 + o, p1 + o});
}

QRectF calcBestPosition(const QRectF& bounds, const QPointF& anchor, const QSizeF& size, double dx,
                        double dy, Qt::AlignmentFlag alignment)
{
    QPointF offsets[4] = {
        {dx, dy},
        {-dx - size.width(), dy},
        {dx, -dy - size.height()},
        {-dx - size.width(), -dy - size.height()},
    };
    if (alignment == Qt::AlignRight) {
        std::swap(offsets[0], offsets[1]);
        std::swap(offsets[2], offsets[3]);
    }
    const QPointF clamped(qBound(bounds.left(), anchor.x(), bounds.right()),
                          qBound(bounds.top(), anchor.y(), bounds.bottom()));
    for (const QPointF& offset : offsets) {
        const QRectF candidate(clamped + offset, size);
        if (bounds.contains(candidate))
            return candidate;
    }
    return QRectF(anchor + offsets[0], size);
}

void FixPainterAlias(QPainter* painter)
{
    const QTransform transform = painter->transform();
    const QPointF p = transform.map(QPointF(0, 0));
    const QPoint q = p.toPoint();
    const double x = p.x() < q.x() ? q.x() - 0.5 : q.x() + 0.5;
    const double y = p.y() < q.y() ? q.y() - 0.5 : q.y() + 0.5;
    // Post-multiplied, so the shift happens in device space.
    painter->setTransform(transform * QTransform::fromTranslate(x - p.x(), y - p.y()));
}

} // namespace VUtility
