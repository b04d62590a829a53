// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "scrolling/VRowImage.h"

#include <QRect>

// The overlap search written as plainly as possible, trying every candidate: the answers the fast
// search must give, and the speed it must beat.
namespace TalvikOverlapReference {

inline bool rowsSimilar(const uchar* a, const uchar* b, int length, int percent)
{
    const qint64 needed = qint64(length) * percent / 100;
    qint64 run = 0;
    for (int i = 0; i < length; ++i) {
        run = a[i] == b[i] ? run + 1 : 0;
        if (run >= needed)
            return true;
        if (run + (length - i - 1) + 1 < needed)
            return false;
    }
    return false;
}

// Candidate n: the top n + 1 rows of next against the bottom ones of previous, bottom up.
template <typename Match>
QRect search(const VRowImage& previous, Match match)
{
    const int height = previous.height();
    QRect best(0, 0, previous.width(), 0);
    for (int n = 0; n < height; ++n) {
        int k = 0;
        while (k <= n && match(height - 1 - k, n - k))
            ++k;
        if (k > n)
            best = QRect(0, height - 1 - n, previous.width(), n + 1);
    }
    return best;
}

inline QRect findOverlap(const VRowImage& previous, const VRowImage& next)
{
    if (previous.size() != next.size() || previous.bytesPerLine() != next.bytesPerLine())
        return QRect();
    const QRect exact = search(
        previous, [&](int i, int j) { return previous.fingerprint(i) == next.fingerprint(j); });
    if (exact.height() > 60)
        return exact;
    QRect result;
    for (const int percent : {20, 60, 80, 90}) {
        const QRect found = search(previous, [&](int i, int j) {
            return rowsSimilar(previous.row(i), next.row(j), previous.bytesPerLine(), percent);
        });
        if (found.height() < 60)
            return result;
        result = found;
        if (found.top() != 0)
            return result;
    }
    return result;
}

} // namespace TalvikOverlapReference
