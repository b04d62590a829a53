// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The rows of any image as 32-bit pixels, top to bottom or bottom to top, for writers that stream a
// picture into a file: formats other than RGB32, ARGB32 and ARGB32_Premultiplied are converted a
// strip at a time, so no second full-size picture is ever made.
class VImageRows
{
public:
    // straightAlpha: premultiplied images are converted too (by Qt, whose rounding is the one
    // every other writer and reader here shares).
    explicit VImageRows(const QImage& image, bool straightAlpha = false);

    // The format of the rows row() returns: the image's own, or ARGB32 / RGB32 after conversion.
    QImage::Format format() const { return m_format; }
    const QRgb* row(int y);

private:
    static constexpr int kStripRows = 64;

    const QImage& m_image;
    QImage::Format m_format;
    bool m_bDirect;
    QImage m_strip;
    int m_stripTop = -1;
};

// One row of 32-bit pixels (in the format VImageRows hands out) painted over white, as blue,
// green, red bytes when bgr, else red, green, blue.
void flattenRowOnWhite(const QRgb* pRow, QImage::Format format, int width, bool bgr, uchar* pOut);
