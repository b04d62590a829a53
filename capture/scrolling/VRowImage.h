// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include <array>
#include <vector>

// A picture with one fingerprint per scan line, the MD5 digest of the line's bytesPerLine()
// bytes: two rows are exactly equal when their fingerprints are.
class VRowImage
{
public:
    using Fingerprint = std::array<uchar, 16>;

    VRowImage() = default;
    explicit VRowImage(QImage image);

    const QImage& image() const { return m_image; }
    QSize size() const { return m_image.size(); }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    int bytesPerLine() const { return int(m_image.bytesPerLine()); }
    const uchar* row(int y) const { return m_image.constScanLine(y); }
    const Fingerprint& fingerprint(int y) const { return m_fingerprints[std::size_t(y)]; }
    const Fingerprint* fingerprints() const { return m_fingerprints.data(); } // height() of them

private:
    QImage m_image;
    std::vector<Fingerprint> m_fingerprints;
};
