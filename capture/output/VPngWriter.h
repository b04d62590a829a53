// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

class QIODevice;

// Writes an image as an 8-bit PNG (RGBA when the image has an alpha channel, else RGB) straight
// into a device, row by row: besides the picture only a few strips of rows are held in memory.
// Deflate runs at a low level, on strips side by side on all cores; the row filters recover
// most of what the higher levels would gain on screen content, at a fraction of their time
// (bench_Encode measures both).
class VPngWriter
{
public:
    enum class Filter
    {
        // The PNG filter types.
        None = 0,
        Sub = 1,
        Up = 2,
        Paeth = 4,
        // Per row Sub or Up, whichever gives the smaller sum of magnitudes.
        Adaptive = 5,
    };

    static constexpr int kDefaultLevel = 2;

    // threads 0: as many as the machine runs at once.
    explicit VPngWriter(int level = kDefaultLevel, Filter filter = Filter::Adaptive,
                        int threads = 0);

    // False on a null image, a depth the writer does not handle (more than 8 bits a channel)
    // or a device that refuses bytes; errorString() then says why.
    bool write(const QImage& image, QIODevice& device);
    QString errorString() const { return m_error; }

    // True when write() takes images of this format: at most 8 bits a channel.
    static bool handles(QImage::Format format);

private:
    int m_level;
    Filter m_filter;
    int m_threads;
    QString m_error;
};
