// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VDataConvert.h"

namespace VDataConvert {

namespace {
void assignColumn(VFileFormat::Vector4D* pTarget, const QVector4D& column)
{
    pTarget->set_x(column.x());
    pTarget->set_y(column.y());
    pTarget->set_z(column.z());
    pTarget->set_w(column.w());
}

QVector4D toVector4D(const VFileFormat::Vector4D& v)
{
    return QVector4D(float(v.x()), float(v.y()), float(v.z()), float(v.w()));
}
} // namespace

void assign(VFileFormat::Vector3D* pTarget, const QVector3D& v)
{
    pTarget->set_x(v.x());
    pTarget->set_y(v.y());
    pTarget->set_z(v.z());
}

void assign(VFileFormat::Vector2D* pTarget, const QVector2D& v)
{
    pTarget->set_x(v.x());
    pTarget->set_y(v.y());
}

void assign(VFileFormat::Vector2D* pTarget, const QVector3D& v)
{
    pTarget->set_x(v.x());
    pTarget->set_y(v.y());
}

void assign(VFileFormat::Matrix4x4* pTarget, const QMatrix4x4& m)
{
    assignColumn(pTarget->mutable_col1(), m.column(0));
    assignColumn(pTarget->mutable_col2(), m.column(1));
    assignColumn(pTarget->mutable_col3(), m.column(2));
    assignColumn(pTarget->mutable_col4(), m.column(3));
}

void assign(VFileFormat::Font* pTarget, const QFont& font)
{
    // Stored as UTF-8: the schema's strings are UTF-8, and a family such as a CJK font's
    // name would not survive a narrower encoding.
    pTarget->set_family(font.family().toStdString());
    pTarget->set_size(font.pointSize());
    int style = 0;
    if (font.bold())
        style |= VFileFormat::Font::Bold;
    if (font.italic())
        style |= VFileFormat::Font::Italic;
    if (font.underline())
        style |= VFileFormat::Font::Underline;
    if (font.strikeOut())
        style |= VFileFormat::Font::Strikeout;
    if (font.kerning())
        style |= VFileFormat::Font::Kerning;
    if (font.styleStrategy() & QFont::PreferAntialias)
        style |= VFileFormat::Font::Antialias;
    pTarget->set_style(style);
}

QVector3D toVector3D(const VFileFormat::Vector3D& v)
{
    return QVector3D(float(v.x()), float(v.y()), float(v.z()));
}

QVector3D toVector3D(const VFileFormat::Vector2D& v)
{
    return QVector3D(float(v.x()), float(v.y()), 0.0f);
}

QPointF toPointF(const VFileFormat::Vector2D& v)
{
    return QPointF(v.x(), v.y());
}

QSizeF toSizeF(const VFileFormat::Vector2D& v)
{
    return QSizeF(v.x(), v.y());
}

QMatrix4x4 toMatrix4x4(const VFileFormat::Matrix4x4& m)
{
    QMatrix4x4 result;
    result.setColumn(0, toVector4D(m.col1()));
    result.setColumn(1, toVector4D(m.col2()));
    result.setColumn(2, toVector4D(m.col3()));
    result.setColumn(3, toVector4D(m.col4()));
    return result;
}

QFont toFont(const VFileFormat::Font& font)
{
    QFont result;
    if (!font.family().empty())
        result.setFamily(QString::fromStdString(font.family()));
    if (font.size() > 0)
        result.setPointSize(font.size());
    const int style = font.style();
    result.setBold(style & VFileFormat::Font::Bold);
    result.setItalic(style & VFileFormat::Font::Italic);
    result.setUnderline(style & VFileFormat::Font::Underline);
    result.setStrikeOut(style & VFileFormat::Font::Strikeout);
    result.setKerning(style & VFileFormat::Font::Kerning);
    result.setStyleStrategy((style & VFileFormat::Font::Antialias) ? QFont::PreferAntialias
                                                                   : QFont::NoAntialias);
    return result;
}

} // namespace VDataConvert
