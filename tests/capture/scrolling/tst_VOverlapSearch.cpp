// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikOverlapReference.h"
#include "TalvikTest.h"

#include "scrolling/VOverlapSearch.h"
#include "scrolling/VScrollStitcher.h"
#include "scrolling/VStripCollector.h"

#include <QCryptographicHash>
#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>

namespace {

constexpr quint32 kSeed = 20240611;
constexpr int kNoise = 0, kText = 1, kRepeated = 2, kGaps = 3, kItems = 4;

// Rows of noise, of left-aligned "text" on white (short lines make rows alike at some levels
// only), a block of a few rows repeated, noise rows between long blank gaps, or noise above
// plain items.
QImage makePage(int kind, int width, int height, QRandomGenerator& random)
{
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    const int period = 1 + random.bounded(12), longest = 1 + random.bounded(width);
    for (int y = 0; y < height; ++y) {
        auto* pLine = reinterpret_cast<QRgb*>(page.scanLine(y));
        if (kind == kItems && y >= 400) {
            std::fill_n(pLine, width, y % 122 < 120 ? qRgb(238, 238, 255) : qRgb(136, 136, 136));
            continue;
        }
        const bool noise = kind == kNoise || kind == kGaps || kind == kItems;
        const bool blank = kind == kGaps && random.bounded(100) < 85;
        const int from = noise ? 0 : random.bounded(1 + width / 8);
        const int to = blank ? 0 : noise ? width : qMin(width, from + random.bounded(longest));
        for (int x = from; x < to; ++x)
            pLine[x] = noise ? random.generate() | 0xff000000u : qRgb(0, 0, random.bounded(2) * 99);
        if (kind == kRepeated && y >= period)
            std::copy_n(reinterpret_cast<const QRgb*>(page.constScanLine(y % period)), width,
                        pLine);
    }
    return page;
}

} // namespace

class tst_VOverlapSearch : public QObject
{
    Q_OBJECT

private slots:
    void findOverlapMatchesReference_data();
    void findOverlapMatchesReference();
    void rowsSimilarMatchesReference();
    void fingerprintsAndStrips();
    void stitchedWindowsNeverLoseARow_data();
    void stitchedWindowsNeverLoseARow();
};

void tst_VOverlapSearch::findOverlapMatchesReference_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("noise") << kNoise;
    QTest::newRow("text") << kText;
    QTest::newRow("repeated block") << kRepeated;
    QTest::newRow("blank gaps") << kGaps;
}

// Heights and overlaps around the thresholds; next pictures with a blinking caret, a few changed
// bytes, unrelated content or another size.
void tst_VOverlapSearch::findOverlapMatchesReference()
{
    QFETCH(int, kind);
    QRandomGenerator random(kSeed + quint32(kind));
    const int heights[] = {0, 1, 2, 59, 60, 61, 62, 64, 90, 119, 120, 121, 122, 150};
    const int widths[] = {1, 2, 3, 7, 16, 40};
    for (int trial = 0; trial < 1000; ++trial) {
        const int height = heights[random.bounded(int(std::size(heights)))];
        const int width = widths[random.bounded(int(std::size(widths)))];
        const int shifts[] = {0,           1,          height - 61, height - 60,
                              height - 59, height - 1, height,      random.bounded(height + 1)};
        const int shift = qMax(0, shifts[random.bounded(int(std::size(shifts)))]);
        const QImage page = makePage(kind, width, height + shift, random);
        QImage next = page.copy(0, shift, width, height);
        const int change = height > 0 ? random.bounded(5) : 0;
        const int top = change ? random.bounded(height) : 0, x = random.bounded(width);
        for (int y = top; change == 1 && y < qMin(height, top + 1 + random.bounded(20)); ++y)
            next.setPixel(x, y, next.pixel(x, y) ^ 0xff00);
        for (int n = change == 2 ? random.bounded(1, 4) : 0; n > 0; --n)
            next.scanLine(random.bounded(height))[random.bounded(width * 4)] ^= 0x40;
        if (change >= 3)
            next = change == 3 ? makePage(kind, width, height, random)
                               : page.copy(0, shift, width + random.bounded(2), height + 1);
        const VRowImage previousRows(page.copy(0, 0, width, height)), nextRows(next);
        const QRect fast = findOverlap(previousRows, nextRows);
        const QRect expected = TalvikOverlapReference::findOverlap(previousRows, nextRows);
        QVERIFY2(fast == expected,
                 qPrintable(QString::asprintf(
                     "seed %u trial %d: %dx%d shifted %d, change %d: top %d height %d, expected "
                     "top %d height %d",
                     kSeed + quint32(kind), trial, width, height, shift, change, fast.top(),
                     fast.height(), expected.top(), expected.height())));
    }
}

// One run of equal bytes at the start, the end or anywhere, or bytes differing at random rates;
// every percentage puts some run exactly at its threshold.
void tst_VOverlapSearch::rowsSimilarMatchesReference()
{
    QRandomGenerator random(kSeed);
    for (int trial = 0; trial < 3000; ++trial) {
        const int length = trial < 10 ? 15360 + trial : random.bounded(trial % 2 ? 40 : 300);
        QByteArray a(length, 'a'), b(length, 'b');
        const int run = random.bounded(length + 1), rate = 1 << random.bounded(8);
        const int starts[] = {0, length - run, random.bounded(length - run + 1)};
        for (int i = 0; i < length && trial % 3; ++i)
            a[i] = random.bounded(rate) ? 'b' : 'a';
        if (trial % 3 == 0)
            std::fill_n(b.begin() + starts[trial % 9 / 3], run, 'a');
        const auto* pA = reinterpret_cast<const uchar*>(a.constData());
        const auto* pB = reinterpret_cast<const uchar*>(b.constData());
        for (int percent = 0; percent <= 101; ++percent) {
            QVERIFY2(rowsSimilar(pA, pB, length, percent) ==
                         TalvikOverlapReference::rowsSimilar(pA, pB, length, percent),
                     qPrintable(QString::asprintf("seed %u trial %d percent %d: %s / %s", kSeed,
                                                  trial, percent, a.constData(), b.constData())));
        }
    }
}

// A picture large enough to be fingerprinted on several threads; strips of another format and
// width joined.
void tst_VOverlapSearch::fingerprintsAndStrips()
{
    QRandomGenerator random(kSeed);
    const QImage page = makePage(kNoise, 1500, 900, random);
    const VRowImage rows(page);
    for (int y = 0; y < page.height(); ++y) {
        const QByteArray line(reinterpret_cast<const char*>(page.constScanLine(y)),
                              page.bytesPerLine());
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(rows.fingerprint(y).data()), 16),
                 QCryptographicHash::hash(line, QCryptographicHash::Md5));
    }
    VStripCollector strips;
    QVERIFY(strips.result().isNull());
    strips.append(page.copy(0, 0, 40, 5));
    strips.append(page.copy(0, 5, 40, 3).convertToFormat(QImage::Format_RGB888));
    strips.append(page.copy(0, 0, 40, 1));
    strips.replaceLast(page.copy(0, 8, 30, 4));
    QImage expected = page.copy(0, 0, 40, 12);
    for (int y = 8; y < 12; ++y)
        std::fill_n(reinterpret_cast<QRgb*>(expected.scanLine(y)) + 30, 10, qRgb(0, 0, 0));
    QCOMPARE(strips.totalHeight(), 12);
    QCOMPARE(strips.result(), expected);
}

void tst_VOverlapSearch::stitchedWindowsNeverLoseARow_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("step");
    QTest::newRow("text, 3 notches") << kText << 120;
    QTest::newRow("noise, large steps") << kNoise << 250;
    QTest::newRow("repeated block") << kRepeated << 96;
    QTest::newRow("blank gaps") << kGaps << 60;
    QTest::newRow("identical items, moved by whole ones") << kItems << 244;
    QTest::newRow("identical items, moved by part of one") << kItems << 100;
}

// A window with a toolbar, a status bar, a scroll bar whose thumb moves and a blinking caret
// around its page: the result is the window with the page pulled out, or stops short, said so.
void tst_VOverlapSearch::stitchedWindowsNeverLoseARow()
{
    QFETCH(int, kind);
    QFETCH(int, step);
    QRandomGenerator random(kSeed + quint32(kind));
    const int width = 300, shown = 280, bar = 30, status = 20, thumb = 40;
    const QImage page = makePage(kind, width, 1500, random);
    const QImage top = makePage(kNoise, width + 12, bar, random);
    const QImage bottom = makePage(kNoise, width + 12, status, random);
    const auto window = [&](int offset, bool caret) {
        QImage image(width + 12, bar + shown + status, QImage::Format_RGB32);
        image.fill(Qt::lightGray);
        QPainter painter(&image);
        painter.drawImage(0, 0, top);
        painter.drawImage(0, bar, page.copy(0, offset, width, shown));
        painter.drawImage(0, bar + shown, bottom);
        painter.fillRect(width + 2, bar + offset * (shown - thumb) / (1500 - shown), 8, thumb,
                         Qt::darkGray);
        if (caret)
            painter.fillRect(100, bar + 50, 2, 16, Qt::black);
        return image;
    };
    VScrollStitcher stitcher(window(0, false), 100000);
    VScrollStitcher::Step result = VScrollStitcher::Step::Moved;
    for (int offset = step, n = 1; result == VScrollStitcher::Step::Moved; offset += step, ++n)
        result = stitcher.add(window(std::min(offset, 1500 - shown), n % 2));
    const QImage picture = stitcher.result();
    const int pageRows = picture.height() - bar - status;
    QVERIFY(result == VScrollStitcher::Step::Unmoved || kind == kRepeated || kind == kGaps ||
            kind == kItems);
    // Items that look alike all the way go on as far as the wheel did before, short of the end.
    QVERIFY(kind != kItems || pageRows > 1500 - step);
    if (result == VScrollStitcher::Step::Unmoved)
        QCOMPARE(pageRows, 1500);
    QCOMPARE(picture.copy(0, 0, width + 12, bar), top);
    QCOMPARE(picture.copy(0, bar + pageRows, width + 12, status), bottom);
    QImage got = picture.copy(0, bar, width, pageRows), want = page.copy(0, 0, width, pageRows);
    for (QImage* pImage : {&got, &want})
        QPainter(pImage).fillRect(100, 0, 2, pImage->height(), Qt::black);
    QCOMPARE(got, want);
}

TALVIK_TEST_MAIN(tst_VOverlapSearch)
#include "tst_VOverlapSearch.moc"
