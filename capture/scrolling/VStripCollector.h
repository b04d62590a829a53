// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include <vector>

// The strips of a scrolling capture, top to bottom. They are kept as they come and joined once,
// so a long page is not copied again at every step.
class VStripCollector
{
public:
    void append(const QImage& strip);
    // The last strip is replaced (the first one is appended when there is none).
    void replaceLast(const QImage& strip);

    bool isEmpty() const { return m_strips.empty(); }
    int stripCount() const { return int(m_strips.size()); }
    int totalHeight() const { return m_totalHeight; }
    int lastHeight() const { return m_strips.empty() ? 0 : m_strips.back().height(); }

    // The strips painted top to bottom at x = 0 into one RGB32 picture as wide as the first
    // strip; what narrower strips leave uncovered is black. Null when there are no rows.
    QImage result() const;

private:
    std::vector<QImage> m_strips;
    int m_totalHeight = 0;
};
