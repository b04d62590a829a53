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
// Scroll bars lie this close to a window's side.
constexpr int kScrollBarWidth = 24;
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

// The span of row ya of a that differs from row yb of b within [left, left + width), placed at
// row ya; empty where they agree.
QRect rowChange(const QImage& a, int ya, const QImage& b, int yb, int left, int width)
{
    const QRgb* pA = pixels(a, left, ya);
    const QRgb* pB = pixels(b, left, yb);
    const auto first = int(std::mismatch(pA, pA + width, pB).first - pA);
    if (first == width)
        return QRect();
    int end = width;
    while (pA[end - 1] == pB[end - 1])
        --end;
    return QRect(left + first, ya, end - first, 1);
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
    // Where the rows disagree: one small box is a changing element, not a wrong shift, which
    // spoils rows all the way down the page.
    QRect changing;
    for (int y = band.top(); y < band.top() + shift.compared; ++y) {
        const QRect change = rowChange(next, y, previous, y + rows, band.left(), band.width());
        shift.disagreeing += !change.isEmpty();
        changing |= change;
    }
    const bool bOverlap = shift.compared >= kMinOverlap;
    shift.bExact = bOverlap && isSmallChange(changing, shift.compared / 2, band.width());
    shift.bCertain = shift.bExact || (bOverlap && shift.disagreeing * 4 <= shift.compared);
    return shift;
}

VShift findShift(const QImage& previous, const QImage& next, const QRect& band, int preferred)
{
    return checkShift(previous, next, band,
                      votedShift(shiftVotes(previous, next, band), preferred));
}

int redrawnTop(const QImage& previous, const QImage& next, const QRect& band, int rows)
{
    int top = band.top();
    const int end = band.top() + std::max(0, band.height() - rows);
    QRect redrawn;
    while (top < end && !sameRow(next, top, previous, top + rows, band.left(), band.width())) {
        redrawn |= rowChange(next, top, previous, top, band.left(), band.width());
        ++top;
    }
    return isSmallChange(redrawn, top - band.top(), band.width()) ? top : band.top();
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

bool movedAsBefore(const QImage& previous, const QImage& next, const QRect& band, int rows)
{
    if (!comparable(previous, next) || rows <= 0)
        return false;
    const int side = std::min(kScrollBarWidth, previous.width() / 2);
    bool bBarMoved = false;
    for (int y = band.top(); y < band.top() + band.height() && !bBarMoved; ++y) {
        bBarMoved = !sameRow(previous, y, next, y, 0, side) ||
                    !sameRow(previous, y, next, y, previous.width() - side, side);
    }
    const QRect inside = band & QRect(side, 0, previous.width() - 2 * side, previous.height());
    return bBarMoved && checkShift(previous, next, inside, rows).bExact;
}

bool isSmallChange(const QRect& box, int rows, int width)
{
    return box.height() <= rows && box.width() <= std::max(kStripWidth, width / 4);
}

QRect differingBox(const QImage& a, const QImage& b, const QRect& area)
{
    if (!comparable(a, b) || !a.rect().contains(area))
        return area;
    QRect box;
    for (int y = area.top(); y < area.top() + area.height(); ++y)
        box |= rowChange(a, y, b, y, area.left(), area.width());
    return box;
}

bool standsStill(const QImage& previous, const QImage& next, const QRect& band)
{
    const QRect box = differingBox(previous, next, band);
    return box.height() * 4 <= band.height() || isSmallChange(box, band.height() / 2, band.width());
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
