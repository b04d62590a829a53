// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>

#include <algorithm>
#include <cstring>
#include <vector>

// The shift votes the plain way: every strip row compared with every other, pixel by pixel.
namespace TalvikShiftReference {

inline std::vector<int> shiftVotes(const QImage& previous, const QImage& next, const QRect& band)
{
    std::vector<int> votes(std::size_t(std::max(0, band.height())), 0);
    const auto row = [](const QImage& image, int x, int y) {
        return reinterpret_cast<const QRgb*>(image.constScanLine(y)) + x;
    };
    for (int left = band.left(); left <= band.right(); left += 64) {
        const int width = std::min(64, band.right() + 1 - left);
        for (int y = band.top(); y <= band.bottom(); ++y) {
            const QRgb* pNext = row(next, left, y);
            if (std::count(pNext, pNext + width, pNext[0]) == width)
                continue;
            std::vector<int> same;
            for (int from = band.top(); from <= band.bottom(); ++from) {
                if (std::memcmp(row(previous, left, from), pNext, std::size_t(width) * 4) == 0)
                    same.push_back(from);
            }
            for (int from : same) {
                if (same.size() <= 8 && from >= y)
                    votes[std::size_t(from - y)] += 840 / int(same.size());
            }
        }
    }
    return votes;
}

} // namespace TalvikShiftReference
