// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>

// save() now, restore() at the end of the scope.
class VRestorePainter
{
public:
    explicit VRestorePainter(QPainter& painter) : m_painter(painter) { m_painter.save(); }
    ~VRestorePainter() { m_painter.restore(); }

    VRestorePainter(const VRestorePainter&) = delete;
    VRestorePainter& operator=(const VRestorePainter&) = delete;

private:
    QPainter& m_painter;
};
