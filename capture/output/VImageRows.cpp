// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VImageRows.h"

#include <algorithm>

namespace {

bool isDirect(QImage::Format format, bool straightAlpha)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           (format == QImage::Format_ARGB32_Premultiplied && !straightAlpha);
}

} // namespace

VImageRows::VImageRows(const QImage& image, bool straightAlpha)
    : m_image(image), m_format(image.format()), m_bDirect(isDirect(image.format(), straightAlpha))
{
    if (!m_bDirect)
        m_format = image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
}

const QRgb* VImageRows::row(int y)
{
    if (m_bDirect)
        return reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
    if (m_stripTop < 0 || y < m_stripTop || y >= m_stripTop + m_strip.height()) {
        // Walking up (a bottom-up file), the strip ends at y; walking down, it starts there.
        m_stripTop = m_stripTop >= 0 && y < m_stripTop ? std::max(0, y - kStripRows + 1) : y;
        const int rows = std::min(kStripRows, m_image.height() - m_stripTop);
        m_strip = m_image.copy(0, m_stripTop, m_image.width(), rows).convertToFormat(m_format);
    }
    return reinterpret_cast<const QRgb*>(m_strip.constScanLine(y - m_stripTop));
}

void flattenRowOnWhite(const QRgb* pRow, QImage::Format format, int width, bool bgr, uchar* pOut)
{
    const int first = bgr ? 2 : 0;
    const int last = bgr ? 0 : 2;
    if (format == QImage::Format_RGB32) { // nothing shows through: only the byte order changes
        for (int x = 0; x < width; ++x, pOut += 3) {
            pOut[first] = uchar(qRed(pRow[x]));
            pOut[1] = uchar(qGreen(pRow[x]));
            pOut[last] = uchar(qBlue(pRow[x]));
        }
        return;
    }
    const bool straight = format == QImage::Format_ARGB32;
    for (int x = 0; x < width; ++x, pOut += 3) {
        const QRgb pixel = straight ? qPremultiply(pRow[x]) : pRow[x];
        // Premultiplied over white: what shows through is 255 - alpha of every channel.
        const int white = 255 - qAlpha(pixel);
        pOut[first] = uchar(qRed(pixel) + white);
        pOut[1] = uchar(qGreen(pixel) + white);
        pOut[last] = uchar(qBlue(pixel) + white);
    }
}
