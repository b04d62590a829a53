// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VButtonBoardPenColor.h"

#include <QPainter>

#include <algorithm>

namespace {
struct Hsv
{
    double h;
    double s;
    double v;
};

QColor fromHsv(const Hsv& c)
{
    const QColor rgb = QColor::fromHsvF(float(c.h), float(c.s), float(c.v), 1.0f).toRgb();
    return QColor::fromRgba(rgb.rgba());
}

QVector<QColor> buildColors()
{
    const Hsv base[10] = {
        {0, 0, 1},
        {0, 0, 0},
        {51 / 360.0, 0.05, 0.93},
        {213 / 360.0, 0.75, 0.49},
        {213 / 360.0, 0.58, 0.74},
        {2 / 360.0, 0.6, 0.75},
        {80 / 360.0, 0.52, 0.73},
        {267 / 360.0, 0.38, 0.64},
        {193 / 360.0, 0.62, 0.78},
        {27 / 360.0, 0.72, 0.97},
    };
    const Hsv strong[10] = {
        {0, 1, 0.75},
        {0, 1, 1},
        {0.125, 1, 1},
        {60 / 360.0, 1, 1},
        {89 / 360.0, 0.62, 0.82},
        {147 / 360.0, 1, 0.69},
        {196 / 360.0, 1, 0.94},
        {205 / 360.0, 1, 0.75},
        {220 / 360.0, 1, 0.38},
        {274 / 360.0, 0.7, 0.63},
    };

    QVector<Hsv> hsv(70);
    for (int j = 0; j < 10; ++j) {
        const Hsv& c = base[j];
        hsv[j] = c;
        double first = c.s / 6;
        double step = c.s / 3.5;
        // Pale base colours still get shades that can be told apart; greys stay grey.
        if (c.s != 0.0) {
            if (first < 0.01)
                first = 0.1;
            step = std::max(step, 0.09);
        }
        const double top = c.v > 0.5 ? 0.95 : 0.45;
        for (int i = 0; i < 5; ++i)
            hsv[10 + 10 * i + j] = {c.h, first + i * step, top - 0.1 * i};
        hsv[60 + j] = strong[j];
    }

    QVector<QColor> colors;
    colors.reserve(hsv.size());
    for (const Hsv& c : std::as_const(hsv))
        colors.append(fromHsv(c));
    return colors;
}
} // namespace

VButtonBoardPenColor::VButtonBoardPenColor(QWidget* parent) : VButtonBoard(parent) {}

VButtonBoardPenColor::~VButtonBoardPenColor() = default;

const QVector<QColor>& VButtonBoardPenColor::colors()
{
    static const QVector<QColor> all = buildColors();
    return all;
}

QPixmap VButtonBoardPenColor::createButtonIcon(const QVariant& value) const
{
    QPixmap icon(buttonSize());
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setPen(Qt::gray);
    painter.setBrush(QBrush(value.value<QColor>()));
    painter.drawRect(icon.rect().adjusted(0, 0, -1, -1));
    return icon;
}
