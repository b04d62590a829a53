// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data.pb.h"
#include "TalvikCoreExport.h"

#include <QFont>
#include <QMatrix4x4>
#include <QPointF>
#include <QSizeF>
#include <QVector2D>
#include <QVector3D>

// Conversions between the document messages and Qt values. Writers set every field they touch,
// so the presence bits the items test are reliable.
namespace VDataConvert {

TALVIKCORE_EXPORT void assign(VFileFormat::Vector3D* pTarget, const QVector3D& v);
TALVIKCORE_EXPORT void assign(VFileFormat::Vector2D* pTarget, const QVector2D& v);
// z is dropped.
TALVIKCORE_EXPORT void assign(VFileFormat::Vector2D* pTarget, const QVector3D& v);
TALVIKCORE_EXPORT void assign(VFileFormat::Matrix4x4* pTarget, const QMatrix4x4& m);
TALVIKCORE_EXPORT void assign(VFileFormat::Font* pTarget, const QFont& font);

TALVIKCORE_EXPORT QVector3D toVector3D(const VFileFormat::Vector3D& v);
// z = 0.
TALVIKCORE_EXPORT QVector3D toVector3D(const VFileFormat::Vector2D& v);
TALVIKCORE_EXPORT QPointF toPointF(const VFileFormat::Vector2D& v);
TALVIKCORE_EXPORT QSizeF toSizeF(const VFileFormat::Vector2D& v);
TALVIKCORE_EXPORT QMatrix4x4 toMatrix4x4(const VFileFormat::Matrix4x4& m);
TALVIKCORE_EXPORT QFont toFont(const VFileFormat::Font& font);

} // namespace VDataConvert
