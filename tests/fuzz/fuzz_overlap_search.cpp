// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The overlap search of the scrolling capture on frames made from the input: a page of rows
// drawn from a small palette (so rows repeat, as blank gaps and repeated blocks do), the frame
// before a scroll and the frame after it, with a few bytes changed. The fast search must give
// what the plain search of tests/capture/scrolling gives, and rowsSimilar what its plain form
// gives.
//
// Input: width, height, shift, format, palette size, then the palette's bytes, the page's row
// choices and the changes, each read as far as the input goes.

#include "TalvikFuzz.h"

#include "TalvikOverlapReference.h"

#include "scrolling/VOverlapSearch.h"
#include "scrolling/VRowImage.h"

#include <QImage>

#include <cstring>
#include <vector>

namespace {

constexpr int kMaxWidth = 48;
constexpr int kMaxHeight = 160; // above the 60 rows both searches need, and quick to check

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TalvikFuzz::Bytes in(data, size);
    const int width = 1 + in.below(kMaxWidth);
    const int height = in.below(kMaxHeight + 1);
    const int shift = in.below(height + 2); // one more than the frame: nothing in common
    // 32 bits a pixel as the screen gives them, or 8, whose rows need not be a multiple of 8
    // bytes.
    const QImage::Format format = in.next() % 2 ? QImage::Format_RGB32 : QImage::Format_Grayscale8;
    const int paletteSize = 1 + in.below(12);

    // Every byte of each row written, padding too: a copy() would leave the padding of a
    // Grayscale8 row unset, and the fingerprints read it.
    QImage previous(width, height, format);
    QImage next(width, height, format);
    if (height > 0 && (previous.isNull() || next.isNull()))
        return 0;
    const int bytes = int(previous.bytesPerLine());
    std::vector<QByteArray> palette;
    for (int p = 0; p < paletteSize; ++p) {
        QByteArray row(bytes, char(p * 37));
        // A prefix of the row from the input, so that rows share long runs at some levels only.
        const int given = in.below(bytes + 1);
        for (int x = 0; x < given; ++x)
            row[x] = char(in.next());
        palette.push_back(row);
    }
    // The page the frames show, the later one scrolled down by shift rows.
    std::vector<int> page(std::size_t(height + shift));
    for (int& choice : page)
        choice = in.below(paletteSize);
    for (int y = 0; y < height; ++y) {
        std::memcpy(previous.scanLine(y), palette[std::size_t(page[std::size_t(y)])].constData(),
                    std::size_t(bytes));
        std::memcpy(next.scanLine(y),
                    palette[std::size_t(page[std::size_t(y + shift)])].constData(),
                    std::size_t(bytes));
    }
    // Changes to single bytes of the later frame: a caret, a hover mark.
    for (int n = in.below(4); n > 0 && height > 0; --n) {
        const int y = in.below(height);
        next.scanLine(y)[in.below(bytes)] ^= uchar(1 + in.below(255));
    }
    const VRowImage previousRows(previous);
    const VRowImage nextRows(next);
    const QRect fast = findOverlap(previousRows, nextRows);
    const QRect plain = TalvikOverlapReference::findOverlap(previousRows, nextRows);
    TALVIK_FUZZ_EXPECT(fast == plain,
                       "%dx%d (%d bytes a row) shifted %d: top %d height %d, expected top %d "
                       "height %d",
                       width, height, bytes, shift, fast.top(), fast.height(), plain.top(),
                       plain.height());

    // rowsSimilar on two rows of the frames at every percentage.
    if (height > 0) {
        const uchar* pA = previousRows.row(in.below(height));
        const uchar* pB = nextRows.row(in.below(height));
        const int length = in.below(bytes + 1);
        for (int percent = 0; percent <= 100; ++percent)
            TALVIK_FUZZ_EXPECT(rowsSimilar(pA, pB, length, percent) ==
                                   TalvikOverlapReference::rowsSimilar(pA, pB, length, percent),
                               "rowsSimilar of %d bytes at %d%%", length, percent);
    }
    return 0;
}
