// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "overlay/VToolbarSlide.h"

#include <QAnimationDriver>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

namespace {
// Qt's animation clock, moved on only by the test.
class ManualClock : public QAnimationDriver
{
public:
    qint64 elapsed() const override { return m_ms; }
    void step(int ms)
    {
        // An animation started since the last step joins the clock two event loop turns later.
        for (int turn = 0; turn < 2; ++turn)
            QCoreApplication::processEvents();
        m_ms += ms;
        advanceAnimation();
    }

private:
    qint64 m_ms = 0;
};
} // namespace

class tst_VToolbarSlide : public QObject
{
    Q_OBJECT

private slots:
    // A row slides in and back out as one series: a key waiting for the rows acts only after
    // the last slide, never in between.
    void aSeriesSettlesOnceAtItsEnd()
    {
        ManualClock clock;
        clock.install();
        QWidget overlay;
        overlay.resize(400, 200);
        QWidget row(&overlay);
        row.setGeometry(0, 200, 400, 50);
        row.hide();
        VToolbarSlide slide(&overlay);
        QSignalSpy settled(&slide, &VToolbarSlide::settled);
        int waited = 0;

        slide.slide(&row, QPoint(0, 150), true, [&] { slide.slide(&row, QPoint(0, 200), false); });
        slide.whenSettled([&] { ++waited; });
        QVERIFY(row.isVisibleTo(&overlay));
        clock.step(150);
        // Eased out: past the middle of the way at half the time.
        QVERIFY2(row.y() > 150 && row.y() < 175, qPrintable(QString::number(row.y())));
        clock.step(VToolbarSlide::kSlideMs - 150);
        QCOMPARE(row.pos(), QPoint(0, 150));
        QVERIFY(slide.isSliding());
        QCOMPARE(waited, 0);
        QCOMPARE(settled.count(), 0);

        clock.step(VToolbarSlide::kSlideMs);
        QCOMPARE(row.pos(), QPoint(0, 200));
        QVERIFY(!row.isVisibleTo(&overlay));
        QVERIFY(!slide.isSliding());
        QCOMPARE(waited, 1);
        QCOMPARE(settled.count(), 1);
        slide.whenSettled([&] { ++waited; });
        QCOMPARE(waited, 2);
        clock.uninstall();
    }
};

QTEST_MAIN(tst_VToolbarSlide)
#include "tst_VToolbarSlide.moc"
