// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VStripCollector.h"

#include <algorithm>
#include <cstring>

void VStripCollector::append(const QImage& strip)
{
    m_strips.push_back(strip);
    m_totalHeight += strip.height();
}

void VStripCollector::replaceLast(const QImage& strip)
{
    if (m_strips.empty()) {
        append(strip);
        return;
    }
    m_totalHeight += strip.height() - m_strips.back().height();
    m_strips.back() = strip;
}

QImage VStripCollector::result() const
{
    if (m_totalHeight <= 0)
        return QImage();
    const int width = m_strips.front().width();
    QImage joined(width, m_totalHeight, QImage::Format_RGB32);
    if (joined.isNull())
        return QImage();
    int top = 0;
    for (const QImage& strip : m_strips) {
        const QImage rgb = strip.convertToFormat(QImage::Format_RGB32);
        const int copied = std::min(width, rgb.width());
        for (int y = 0; y < rgb.height(); ++y, ++top) {
            auto* pLine = reinterpret_cast<QRgb*>(joined.scanLine(top));
            std::memcpy(pLine, rgb.constScanLine(y), std::size_t(copied) * sizeof(QRgb));
            std::fill(pLine + copied, pLine + width, qRgb(0, 0, 0));
        }
    }
    return joined;
}
