// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QImage;
class QIODevice;

// Writes an image as a baseline JPEG straight into a device, one row at a time, painting
// transparent parts over white on the way: besides the picture only a row and at most a small
// converted strip are held in memory. Settings as Qt's own writer: quality, 4:2:0, resolution.
class VJpegWriter
{
public:
    explicit VJpegWriter(int quality);

    // False on a null image, a side longer than the format allows or a device that refuses
    // bytes; errorString() then says why.
    bool write(const QImage& image, QIODevice& device);
    QString errorString() const { return m_error; }

private:
    int m_quality;
    QString m_error;
};
