// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VBmpWriter.h"

#include "VImageRows.h"

#include <QImage>
#include <QIODevice>

#include <array>
#include <vector>

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;

void putLittleEndian(uchar* pOut, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        pOut[i] = uchar(value >> (8 * i));
}

} // namespace

bool writeBmpOnWhite(const QImage& image, QIODevice& device)
{
    const int width = image.width();
    const int height = image.height();
    // Rows are padded to whole 32-bit words.
    const int rowBytes = (width * 3 + 3) & ~3;
    const quint64 imageBytes = quint64(rowBytes) * quint64(height);
    constexpr int kHeaderBytes = kFileHeaderBytes + kInfoHeaderBytes;
    if (image.isNull() || imageBytes + kHeaderBytes > 0xffffffffu)
        return false;

    std::array<uchar, kHeaderBytes> header{};
    header[0] = 'B';
    header[1] = 'M';
    putLittleEndian(&header[2], quint32(imageBytes + kHeaderBytes));
    putLittleEndian(&header[10], kHeaderBytes);
    uchar* pInfo = &header[kFileHeaderBytes];
    putLittleEndian(pInfo, kInfoHeaderBytes);
    putLittleEndian(pInfo + 4, quint32(width));
    putLittleEndian(pInfo + 8, quint32(height)); // positive: bottom-up
    pInfo[12] = 1;                               // planes
    pInfo[14] = 24;                              // bits per pixel, no compression
    putLittleEndian(pInfo + 20, quint32(imageBytes));
    putLittleEndian(pInfo + 24, quint32(image.dotsPerMeterX()));
    putLittleEndian(pInfo + 28, quint32(image.dotsPerMeterY()));
    if (device.write(reinterpret_cast<const char*>(header.data()), kHeaderBytes) != kHeaderBytes)
        return false;

    std::vector<uchar> row(size_t(rowBytes), 0);
    VImageRows rows(image);
    for (int y = height - 1; y >= 0; --y) {
        flattenRowOnWhite(rows.row(y), rows.format(), width, true, row.data());
        if (device.write(reinterpret_cast<const char*>(row.data()), rowBytes) != rowBytes)
            return false;
    }
    return true;
}
