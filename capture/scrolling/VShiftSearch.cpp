// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VShiftSearch.h"

#include <QHashFunctions>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// Wide enough that a strip's row is rarely repeated by chance, narrow enough that a spinner or
// a caret spoils only a few strips.
constexpr int kStripWidth = 64;
// A strip row seen more often than this in the other grab is pattern or background.
constexpr int kMaxRepeats = 8;
// Divisible by 1 ... kMaxRepeats: a row seen c times gives each place kWeight / c.
constexpr int kWeight = 840;
// Fewer unique strip rows than this agreeing on a shift is chance.
constexpr int kMinVotes = 4 * kWeight;
// Rows both grabs must show at the shift for an answer to mean anything.
constexpr int kMinOverlap = 8;

const QRgb* pixels(const QImage& image, int x, int y)
{
    return reinterpret_cast<const QRgb*>(image.constScanLine(y)) + x;
}

bool sameRow(const QImage& a, int ya, const QImage& b, int yb, int left, int width)
{
    return std::memcmp(pixels(a, left, ya), pixels(b, left, yb), std::size_t(width) * 4) == 0;
}

bool comparable(const QImage& a, const QImage& b)
{
    return !a.isNull() && a.size() == b.size() && a.format() == QImage::Format_RGB32 &&
           b.format() == QImage::Format_RGB32;
}

// Hashes of one strip's rows that are not one colour, sorted for look-up.
std::vector<std::pair<size_t, int>> stripRows(const QImage& image, const QRect& band, int left,
                                              int width)
{
    std::vector<std::pair<size_t, int>> rows;
    rows.reserve(std::size_t(band.height()));
    for (int y = band.top(); y < band.top() + band.height(); ++y) {
        const QRgb* pRow = pixels(image, left, y);
        if (std::all_of(pRow, pRow + width, [pRow](QRgb pixel) { return pixel == pRow[0]; }))
            continue;
        rows.emplace_back(qHashBits(pRow, std::size_t(width) * 4), y);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace

QRect changedBand(const QImage& previous, const QImage& next)
{
    if (!comparable(previous, next))
        return QRect();
    const int width = previous.width(), height = previous.height();
    int top = 0;
    while (top < height && sameRow(previous, top, next, top, 0, width))
        ++top;
    if (top == height)
        return QRect();
    int bottom = height;
    while (sameRow(previous, bottom - 1, next, bottom - 1, 0, width))
        --bottom;
    int left = width, right = 0;
    for (int y = top; y < bottom; ++y) {
        const QRgb* pA = pixels(previous, 0, y);
        const QRgb* pB = pixels(next, 0, y);
        for (int x = 0; x < left; ++x) {
            if (pA[x] != pB[x]) {
                left = x;
                break;
            }
        }
        for (int x = width - 1; x >= right; --x) {
            if (pA[x] != pB[x]) {
                right = x + 1;
                break;
            }
        }
    }
    return left < right ? QRect(left, top, right - left, bottom - top) : QRect();
}

std::vector<int> shiftVotes(const QImage& previous, const QImage& next, const QRect& band)
{
    std::vector<int> votes(std::size_t(std::max(0, band.height())), 0);
    if (!comparable(previous, next) || band.isEmpty() ||
        !QRect(QPoint(0, 0), previous.size()).contains(band))
        return votes;
    for (int left = band.left(); left < band.left() + band.width(); left += kStripWidth) {
        const int width = std::min(kStripWidth, band.left() + band.width() - left);
        const auto before = stripRows(previous, band, left, width);
        for (const auto& [hash, y] : stripRows(next, band, left, width)) {
            const auto [first, last] =
                std::equal_range(before.begin(), before.end(), std::pair(hash, 0),
                                 [](const auto& a, const auto& b) { return a.first < b.first; });
            const auto count = int(last - first);
            if (count > kMaxRepeats)
                continue;
            for (auto it = first; it != last; ++it) {
                if (it->second >= y)
                    votes[std::size_t(it->second - y)] += kWeight / count;
            }
        }
    }
    return votes;
}

int votedShift(const std::vector<int>& votes, int preferred)
{
    if (votes.empty())
        return -1;
    const auto best = int(std::max_element(votes.begin(), votes.end()) - votes.begin());
    const int most = votes[std::size_t(best)];
    if (most < kMinVotes)
        return -1;
    const auto tied = [&](int rows) {
        return rows >= 0 && rows < int(votes.size()) && votes[std::size_t(rows)] * 2 >= most;
    };
    for (int other = 0; other < int(votes.size()); ++other) {
        if (other != best && tied(other))
            return tied(preferred) ? preferred : -1;
    }
    return best;
}

VShift checkShift(const QImage& previous, const QImage& next, const QRect& band, int rows)
{
    VShift shift;
    if (rows < 0 || !comparable(previous, next) || band.isEmpty() ||
        !QRect(QPoint(0, 0), previous.size()).contains(band))
        return shift;
    shift.rows = rows;
    shift.compared = std::max(0, band.height() - rows);
    for (int y = band.top(); y < band.top() + shift.compared; ++y) {
        if (!sameRow(next, y, previous, y + rows, band.left(), band.width()))
            ++shift.disagreeing;
    }
    shift.bCertain = shift.compared >= kMinOverlap && shift.disagreeing * 4 <= shift.compared;
    return shift;
}

VShift findShift(const QImage& previous, const QImage& next, const QRect& band, int preferred)
{
    return checkShift(previous, next, band,
                      votedShift(shiftVotes(previous, next, band), preferred));
}

QRect movingColumns(const QImage& previous, const QImage& next, const QRect& band, int shift)
{
    const int rows = band.height() - shift;
    if (!comparable(previous, next) || rows <= 0)
        return band;
    // Rows that disagree across most of the band belong to something changing over its whole
    // width (a bar fading out, an animation): they tell nothing about single columns.
    std::vector<bool> spanning(std::size_t(rows), false);
    int counted = rows;
    for (int y = 0; y < rows; ++y) {
        int differing = 0;
        for (int x = band.left(); x < band.left() + band.width(); ++x)
            differing +=
                *pixels(next, x, band.top() + y) != *pixels(previous, x, band.top() + y + shift);
        spanning[std::size_t(y)] = differing * 2 > band.width();
        counted -= spanning[std::size_t(y)];
    }
    // Columns that never change (frames, margins) say nothing and are passed over too.
    const auto fixedColumn = [&](int x) {
        int still = 0, moved = 0;
        for (int y = 0; y < rows; ++y) {
            if (spanning[std::size_t(y)])
                continue;
            const QRgb pixel = *pixels(next, x, band.top() + y);
            still += pixel != *pixels(previous, x, band.top() + y);
            moved += pixel != *pixels(previous, x, band.top() + y + shift);
        }
        // A scroll bar's thumb moves too, but not with the page: it never matches well.
        return still <= moved || moved * 8 > counted;
    };
    int left = band.left(), right = band.left() + band.width();
    while (left < right && fixedColumn(left))
        ++left;
    while (right > left && fixedColumn(right - 1))
        --right;
    return QRect(left, band.top(), right - left, band.height());
}

int differingRows(const QImage& a, const QImage& b, const QRect& band)
{
    if (!comparable(a, b) || !QRect(QPoint(0, 0), a.size()).contains(band))
        return band.height();
    int differing = 0;
    for (int y = band.top(); y < band.top() + band.height(); ++y)
        differing += !sameRow(a, y, b, y, band.left(), band.width());
    return differing;
}
