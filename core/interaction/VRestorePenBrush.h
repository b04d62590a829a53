// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QBrush>
#include <QPainter>
#include <QPen>

// Puts the painter's pen and brush back at the end of the scope; cheaper than a full save.
class VRestorePenBrush
{
public:
    explicit VRestorePenBrush(QPainter& painter)
        : m_painter(painter), m_pen(painter.pen()), m_brush(painter.brush())
    {
    }
    ~VRestorePenBrush()
    {
        m_painter.setPen(m_pen);
        m_painter.setBrush(m_brush);
    }

    VRestorePenBrush(const VRestorePenBrush&) = delete;
    VRestorePenBrush& operator=(const VRestorePenBrush&) = delete;

private:
    QPainter& m_painter;
    QPen m_pen;
    QBrush m_brush;
};
