// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "autorun/VAutoRun.h"
#include "TalvikCoreExport.h"
#include "VV.h"

#include <QDateTime>
#include <QLineF>
#include <QList>
#include <QMatrix4x4>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QVector2D>
#include <QVector3D>
#include <QVector>

class QPainter;
class VGraphicsItem;
struct QMetaObject;

namespace VUtility {

// Replaces the time letters Y M D h m s (case-sensitive, every occurrence) by the zero-padded
// parts of the current local time, read once.
TALVIKCORE_EXPORT QString convertTimeVariables(const QString& format);
// The same at a given moment.
TALVIKCORE_EXPORT QString convertTimeVariables(const QString& format, const QDateTime& moment);

// "png", "jpg", "bmp"; empty for anything else.
TALVIKCORE_EXPORT QString TargetFormatToString(VV::enumTargetFormat format);
TALVIKCORE_EXPORT QString TargetFormatToString(int format);

// folder[/subFolder]/name.extension, creating the folders; a bracketed counter avoids existing
// files (name[1].extension, name[2].extension, ...).
TALVIKCORE_EXPORT QString makeFullPath(const QString& folder, const QString& subFolder,
                                       const QString& name, const QString& extension);

// Removes * ? : < > / | \ and the double quote; true when anything was removed.
TALVIKCORE_EXPORT bool removeFileNameInvalidChar(QString& text);

// Makes the operating system start this program with "/autorun" at log-on, or stops it.
TALVIKCORE_EXPORT void setAutoRun(bool on);
TALVIKCORE_EXPORT VAutoRun::State autoRunState();

// True when meta or one of its super classes is named className.
TALVIKCORE_EXPORT bool isInherits(const QMetaObject* meta, const QString& className);

TALVIKCORE_EXPORT QVector2D perpendicular(const QVector2D& v);
// The perpendicular of v taken in an item's own plane: toLocal and toWorld are the item's
// coordinate system and its inverse.
TALVIKCORE_EXPORT QVector3D perpendicularInECS(const QVector3D& v, const QMatrix4x4& toWorld,
                                               const QMatrix4x4& toLocal);

// Top-left, top-right, bottom-left, bottom-right.
TALVIKCORE_EXPORT QVector<QVector3D> corners(const QRectF& r);
// Middles of the top, right, bottom and left edges.
TALVIKCORE_EXPORT QVector<QVector3D> midPoints(const QRectF& r);

// The hit area of a line: 3 units wider than the stroke on each side.
TALVIKCORE_EXPORT QPolygonF polygonFromLine(const QLineF& line, double width);

// Where a box of size goes near anchor inside bounds: below right, below left, above right,
// above left (the first two and the last two swapped for Qt::AlignRight).
TALVIKCORE_EXPORT QRectF calcBestPosition(const QRectF& bounds, const QPointF& anchor,
                                          const QSizeF& size, double dx, double dy,
                                          Qt::AlignmentFlag alignment);

// The union of the items' boundaries on the scene. Defined beside the items, whose boundary it
// asks for.
TALVIKCORE_EXPORT QRectF calcSceneBoundary(const QList<VGraphicsItem*>& items);

// Moves the painter's origin onto a pixel centre, so odd-width lines are not smeared.
TALVIKCORE_EXPORT void FixPainterAlias(QPainter* painter);

} // namespace VUtility
