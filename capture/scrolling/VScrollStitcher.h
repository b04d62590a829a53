// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VStripCollector.h"

#include <QImage>
#include <QRect>

// Stacks the grabs of a window scrolled step by step into the picture of the window with its
// page pulled out to full length. Only the band that moves is matched and stacked; the fixed
// top part comes from the first grab and the fixed bottom part from the last accepted one, so
// page rows taken for fixed ones by chance are still in it once: all page content passes
// through the band on its way up. Each row is taken from the last grab that showed it.
class VScrollStitcher
{
public:
    enum class Step
    {
        Moved,     // the page moved by a certain shift; its new rows are in
        Unmoved,   // the page did not move: its end
        Uncertain, // no certain shift: nothing was added
    };

    // first: the window before the first step; rowLimit: the most rows the picture may have.
    VScrollStitcher(QImage first, qint64 rowLimit);

    Step add(const QImage& next);

    // The moving band, once the first step has shown it; empty before.
    const QRect& band() const { return m_band; }
    int lastShift() const { return m_lastShift; }
    bool isFull() const { return m_bFull; }
    // Rows of the picture so far.
    qint64 rows() const;
    QImage result() const;

private:
    Step firstStep(const QImage& next);
    // Stacks the rows of the last grab from top that have scrolled out, then takes next as the
    // last grab; marks the picture full once it reaches the row limit.
    void stack(const QImage& next, int top, int height);
    // Where the last grab's rows that are still on the screen, so not stacked yet, begin: the
    // band's top, or the grab's top while nothing is stacked.
    int pendingTop() const { return m_strips.isEmpty() ? 0 : m_band.top(); }
    int pending() const { return m_last.height() - pendingTop(); }

    QImage m_last;
    QRect m_band;
    int m_lastShift = -1;
    qint64 m_rowLimit;
    bool m_bFull = false;
    VStripCollector m_strips;
};
