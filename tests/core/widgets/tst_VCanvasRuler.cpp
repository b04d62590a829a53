// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "widgets/VCanvas.h"
#include "widgets/VCanvasRulerHorizontal.h"
#include "widgets/VCanvasRulerVertical.h"
#include "widgets/VGraphicsView.h"

#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>
#include <memory>

namespace {
bool isWhite(QRgb p)
{
    return p == qRgb(255, 255, 255);
}

bool isTick(QRgb p)
{
    return p == QColor(Qt::gray).rgb();
}

bool isText(QRgb p)
{
    return qGray(p) < 130 && qBlue(p) < 200;
}

bool isMarker(QRgb p)
{
    return qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) < 60;
}

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// A ruler's picture read along and across it, whichever way it runs.
struct Strip
{
    QImage image;
    bool horizontal;

    int length() const { return horizontal ? image.width() : image.height(); }
    QRgb at(int along, int across) const
    {
        return horizontal ? image.pixel(along, across) : image.pixel(across, along);
    }
    // Where a label's pixels start and end along the ruler, between two positions.
    QPair<int, int> text(int from, int to) const
    {
        int first = -1;
        int last = -1;
        for (int a = from; a < to && a < length(); ++a) {
            for (int c = 0; c < 8; ++c) {
                if (isText(at(a, c))) {
                    if (first < 0)
                        first = a;
                    last = a;
                }
            }
        }
        return {first, last};
    }
};
} // namespace

class tst_VCanvasRuler : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<VCanvas> m_pCanvas;

    VGraphicsView* view() const { return m_pCanvas->view(); }
    QWidget* viewport() const { return view()->viewport(); }

    // The ruler as it is on screen now, painted piece by piece.
    Strip shot(bool horizontal)
    {
        settle();
        QWidget* ruler =
            horizontal ? static_cast<QWidget*>(m_pCanvas->findChild<VCanvasRulerHorizontal*>())
                       : m_pCanvas->findChild<VCanvasRulerVertical*>();
        const QPixmap window = m_pCanvas->screen()->grabWindow(m_pCanvas->winId());
        return {window.copy(ruler->geometry()).toImage().convertToFormat(QImage::Format_RGB32),
                horizontal};
    }

    // Where a scene coordinate lands along the ruler, truncated to its pixel.
    int position(double v, bool horizontal) const
    {
        const QPointF p =
            view()->viewportTransform().map(horizontal ? QPointF(v, 0) : QPointF(0, v));
        return int(horizontal ? p.x() : p.y());
    }

    QString checkTicks(const Strip& strip, double spacing, bool half, double step)
    {
        const QFontMetrics metrics([this] {
            QFont font = m_pCanvas->font();
            font.setPointSize(7);
            return font;
        }());
        int labels = 0;
        const double first = spacing * std::floor(view()->mapToScene(0, 0).x() / spacing);
        for (double p = first - spacing;; p += spacing) {
            const int a = position(p, strip.horizontal);
            if (a < 0)
                continue;
            if (a + 2 * int(spacing * view()->scale()) > strip.length())
                break;
            const QString where = QStringLiteral(" at %1 (%2)").arg(p).arg(a);
            for (int c = 0; c < VCanvasRuler::Thickness - 1; ++c) {
                if (!isTick(strip.at(a, c)))
                    return QStringLiteral("no major tick") + where;
            }
            if (half) {
                const int h = position(p + spacing / 2, strip.horizontal);
                if (!isTick(strip.at(h, 6)) || !isWhite(strip.at(h, 5)))
                    return QStringLiteral("no half tick") + where;
            }
            for (int k = 1; k * step < spacing - 1e-9; ++k) {
                if (half && std::abs(k * step - spacing / 2) < 1e-9)
                    continue;
                const int m = position(p + k * step, strip.horizontal);
                if (!isTick(strip.at(m, 10)) || !isWhite(strip.at(m, 9)))
                    return QStringLiteral("no minor tick %1").arg(k) + where;
                // Nothing between two minor ticks.
                const int between = position(p + (k - 0.5) * step, strip.horizontal);
                if (between > a + 1 && between < m - 1 && !isWhite(strip.at(between, 12)))
                    return QStringLiteral("a stray tick before minor tick %1").arg(k) + where;
            }
            // The label starts just past its tick and is this number, no more.
            const QString label = QString::number(p, 'g', 6);
            const auto [from, to] = strip.text(a + 1, a + int(spacing * view()->scale()));
            const int width = metrics.horizontalAdvance(label);
            if (from < a + 2 || from > a + 4 || qAbs(to - from + 1 - width) > 3)
                return QStringLiteral("label %1 spans %2..%3, expected about %4..%5")
                           .arg(label)
                           .arg(from)
                           .arg(to)
                           .arg(a + 2)
                           .arg(a + 2 + width) +
                       where;
            ++labels;
        }
        for (int a = 0; a < strip.length(); ++a) {
            if (strip.at(a, VCanvasRuler::Thickness - 1) != qRgb(0, 0, 0))
                return QStringLiteral("no inner edge at %1").arg(a);
        }
        // Up to both ends, every label is whole and just past its tick: a cut number would
        // read as another one.
        const QTransform toScene = view()->viewportTransform().inverted();
        const auto hasText = [&strip](int a) { return strip.text(a, a + 1).first >= 0; };
        for (int a = 0; a < strip.length(); ++a) {
            if (!hasText(a))
                continue;
            const int from = a;
            for (int b = a + 1; b < strip.length() && b - a < 7; ++b)
                a = hasText(b) ? b : a;
            int tick = from - 4;
            while (tick < from - 2 && (tick < 0 || !isTick(strip.at(tick, 0))))
                ++tick;
            const QPointF at = toScene.map(QPointF(tick, tick));
            const double p = spacing * std::round((strip.horizontal ? at.x() : at.y()) / spacing);
            const int width = metrics.horizontalAdvance(QString::number(p, 'g', 6));
            if (tick < 0 || !isTick(strip.at(tick, 0)) || qAbs(a - from + 1 - width) > 3)
                return QStringLiteral("label %1 at %2..%3 is cut or stray").arg(p).arg(from).arg(a);
        }
        return labels >= 3 ? QString() : QStringLiteral("only %1 labels").arg(labels);
    }

    void wheel(int delta)
    {
        const QPointF at(100, 100);
        QWheelEvent event(at, viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport(), &event);
    }

private slots:
    void init()
    {
        m_pCanvas = std::make_unique<VCanvas>();
        m_pCanvas->resize(616, 416);
    }

    void cleanup() { m_pCanvas.reset(); }

    void majorSpacing_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<double>("spacing");

        QTest::newRow("1.0") << 1.0 << 50.0;
        QTest::newRow("2.0") << 2.0 << 30.0;
        QTest::newRow("10.0") << 10.0 << 5.0;
        QTest::newRow("4.0") << 4.0 << 20.0;
        QTest::newRow("6.0") << 6.0 << 9.0;
        QTest::newRow("0.4") << 0.4 << 130.0;
        QTest::newRow("0.2") << 0.2 << 250.0;
        QTest::newRow("far in") << 200.0 << 0.5;
    }

    void majorSpacing()
    {
        QFETCH(double, scale);
        QFETCH(double, spacing);
        // The same at any width of the painted strip.
        for (int pixels : {3, 16, 600}) {
            const double e = VCanvasRuler::majorSpacing(pixels / scale, pixels);
            QVERIFY2(std::abs(e - spacing) < 1e-9, qPrintable(QString::number(e)));
        }
    }

    void majorSpacingOfNothing_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("pixels");
        QTest::newRow("no scene width") << 0.0 << 100.0;
        QTest::newRow("no pixels") << 100.0 << 0.0;
        QTest::newRow("negative") << -10.0 << 100.0;
    }

    // Degenerate measures must end, with some spacing.
    void majorSpacingOfNothing()
    {
        QFETCH(double, width);
        QFETCH(double, pixels);
        const double e = VCanvasRuler::majorSpacing(width, pixels);
        QVERIFY(e > 0 && std::isfinite(e));
    }

    void paintedTicks_data()
    {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<QString>("zoom");
        QTest::addColumn<double>("spacing");
        QTest::addColumn<bool>("half");
        QTest::addColumn<double>("step");

        for (const bool horizontal : {true, false}) {
            const char* name = horizontal ? "horizontal" : "vertical";
            QTest::addRow("%s, 1.0", name) << horizontal << "1.0" << 50.0 << true << 5.0;
            QTest::addRow("%s, 2.0", name) << horizontal << "2.0" << 30.0 << true << 3.0;
            QTest::addRow("%s, 10.0", name) << horizontal << "10.0" << 5.0 << false << 1.0;
            QTest::addRow("%s, 0.4", name) << horizontal << "0.4" << 130.0 << true << 13.0;
            // Zoomed while shown: the rulers must follow.
            QTest::addRow("%s, 2.0 by the wheel", name)
                << horizontal << "wheel 2.0" << 30.0 << true << 3.0;
            QTest::addRow("%s, scrolled", name) << horizontal << "scroll" << 50.0 << true << 5.0;
            QTest::addRow("%s, resized document", name)
                << horizontal << "resize" << 50.0 << true << 5.0;
        }
    }

    void paintedTicks()
    {
        QFETCH(bool, horizontal);
        QFETCH(QString, zoom);
        QFETCH(double, spacing);
        QFETCH(bool, half);
        QFETCH(double, step);
        if (!zoom.startsWith("wheel") && zoom != "scroll" && zoom != "resize")
            view()->setScale(zoom.toDouble());
        m_pCanvas->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pCanvas.get()));
        shot(horizontal);
        if (zoom.startsWith("wheel")) {
            for (int i = 0; i < 5; ++i)
                wheel(120);
            QCOMPARE(view()->scale(), 2.0);
        } else if (zoom == "scroll") {
            QScrollBar* bar =
                horizontal ? view()->horizontalScrollBar() : view()->verticalScrollBar();
            m_pCanvas->setCanvasSize(3000, 3000);
            settle();
            bar->setValue(bar->maximum() / 3 + 7);
        } else if (zoom == "resize") {
            // Smaller than the view: it moves to the middle without any scrolling.
            m_pCanvas->setCanvasSize(300, 200);
        }
        const QString failure = checkTicks(shot(horizontal), spacing, half, step);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void paintedMarker_data()
    {
        QTest::addColumn<QList<QPoint>>("moves");
        QTest::newRow("one move") << QList<QPoint>{{123, 77}};
        QTest::newRow("moves") << QList<QPoint>{{40, 30}, {300, 200}, {302, 201}};
    }

    void paintedMarker()
    {
        QFETCH(QList<QPoint>, moves);
        m_pCanvas->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pCanvas.get()));
        for (const QPoint& p : moves) {
            QTest::mouseMove(viewport(), p);
            settle();
        }
        // A dashed line at the pointer, and nothing left where it was before.
        const QPoint at = moves.last();
        for (const bool horizontal : {true, false}) {
            const Strip strip = shot(horizontal);
            const int marker = horizontal ? at.x() : at.y();
            for (int a = 0; a < strip.length(); ++a) {
                int marks = 0;
                for (int c = 0; c < VCanvasRuler::Thickness; ++c)
                    marks += isMarker(strip.at(a, c)) ? 1 : 0;
                if (a == marker)
                    QVERIFY2(marks >= 4 && marks < VCanvasRuler::Thickness, "dashed");
                else
                    QVERIFY2(marks == 0, qPrintable(QString::number(a)));
            }
        }
    }
};

TALVIK_TEST_MAIN(tst_VCanvasRuler)
#include "tst_VCanvasRuler.moc"
