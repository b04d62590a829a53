// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"

#include "graphics/VGraphicsBackgroundColor.h"
#include "graphics/VGraphicsScene.h"
#include "interaction/VCursor.h"
#include "interaction/VCursorGraphicsCross.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

#include <QPainter>
#include <QScreen>

#include <memory>

namespace {
const QColor background(200, 100, 50);
const QColor inverted(55, 155, 205);
const QString readOut = QStringLiteral("120 x 45");

bool isBackground(QRgb pixel)
{
    return QColor(pixel) == background;
}

bool isInverted(QRgb pixel)
{
    return QColor(pixel) == inverted;
}

// The text box's fill over the background.
bool isBox(QRgb pixel)
{
    return qRed(pixel) < 110 && qGreen(pixel) < 110 && qBlue(pixel) < 110;
}

template <typename Match>
QRect extent(const QImage& image, Match match)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (match(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

template <typename Match>
int count(const QImage& image, Match match)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += match(image.pixel(x, y)) ? 1 : 0;
    }
    return n;
}

// A graphics smaller than the cross, to show what lies under it once popped.
class Dot : public VCursorGraphics
{
public:
    QRectF boundingRect() const override { return QRectF(-2, -2, 5, 5); }
    void paint(QPainter* painter, const QString&, const QRectF&) const override
    {
        painter->fillRect(QRectF(-2, -2, 5, 5), Qt::black);
    }
};
} // namespace

class tst_VCursor : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<VCanvas> m_pCanvas;

    VGraphicsView* view() const { return m_pCanvas->view(); }
    VCursor* cursor() const { return m_pCanvas->scene()->cursor(); }
    QWidget* viewport() const { return view()->viewport(); }

    // What the viewport shows now, as painted piece by piece into the window.
    QImage shot()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
        const QPoint origin = viewport()->mapTo(m_pCanvas.get(), QPoint(0, 0));
        const QPixmap window = m_pCanvas->screen()->grabWindow(m_pCanvas->winId());
        return window.copy(QRect(origin, viewport()->size()))
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    QImage repaintedShot()
    {
        viewport()->update();
        return shot();
    }

    // Puts the hot spot on that viewport pixel.
    void moveTo(const QPoint& viewportPoint)
    {
        cursor()->updateScenePos(view()->mapToScene(viewportPoint));
    }

    QPoint hotSpot() const { return view()->mapFromScene(cursor()->pos()); }

private slots:
    void init()
    {
        m_pCanvas = std::make_unique<VCanvas>();
        m_pCanvas->setRulerVisible(false);
        // Larger than the view at every scale, so the background is all there is to see.
        m_pCanvas->setCanvasSize(4000, 4000);
        m_pCanvas->scene()->setBackground(new VGraphicsBackgroundColor(background));
        m_pCanvas->resize(400, 300);
        m_pCanvas->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pCanvas.get()));
    }

    void cleanup() { m_pCanvas.reset(); }

    void emptyStackShowsNothing()
    {
        const QPointF start = cursor()->pos();
        cursor()->setTextAlignment(Qt::AlignRight);
        cursor()->updateText(readOut);
        moveTo(QPoint(100, 100));
        QVERIFY(cursor()->boundingRect().isEmpty());
        QCOMPARE(cursor()->pos(), start);
        QImage image = shot();
        QCOMPARE(count(image, isBackground), image.width() * image.height());

        // Shown, then hidden again.
        cursor()->setGraphics(new VCursorGraphicsCross, false);
        moveTo(QPoint(100, 100));
        QVERIFY(count(shot(), isInverted) > 0);
        cursor()->unsetGraphics(false);
        QVERIFY(cursor()->boundingRect().isEmpty());
        moveTo(QPoint(200, 200));
        QCOMPARE(hotSpot(), QPoint(100, 100));
        image = shot();
        QCOMPARE(count(image, isBackground), image.width() * image.height());
    }

    void crossKeepsItsScreenSize_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1.0") << 1.0;
        QTest::newRow("0.4") << 0.4;
        QTest::newRow("4.0") << 4.0;
    }

    void crossKeepsItsScreenSize()
    {
        QFETCH(double, scale);
        view()->setScale(scale);
        cursor()->setGraphics(new VCursorGraphicsCross, false);
        moveTo(QPoint(150, 120));
        const QPoint c = hotSpot();
        QCOMPARE(c, QPoint(150, 120));
        const QImage image = shot();

        // Two one-pixel arms of 41 pixels through the hot spot, inverting what lies under them.
        QCOMPARE(extent(image, [](QRgb p) { return !isBackground(p); }),
                 QRect(c - QPoint(20, 20), QSize(41, 41)));
        for (int k = 1; k <= 20; ++k) {
            for (const QPoint& d : {QPoint(k, 0), QPoint(-k, 0), QPoint(0, k), QPoint(0, -k)})
                QVERIFY2(isInverted(image.pixel(c + d)), qPrintable(QString::number(k)));
        }
        QCOMPARE(count(image, isInverted), 80);
        QCOMPARE(cursor()->boundingRect().width() * scale, 41.0);
    }

    void textBox_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("text");
        // Where the hot spot goes, from the viewport's bottom-right corner when negative.
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QString>("side");

        QTest::newRow("right and below") << 1.0 << readOut << QPoint(150, 120) << "right below";
        QTest::newRow("right and below, zoomed")
            << 4.0 << readOut << QPoint(150, 120) << "right below";
        QTest::newRow("at the right edge") << 1.0 << readOut << QPoint(-20, 120) << "left below";
        QTest::newRow("at the bottom edge") << 1.0 << readOut << QPoint(150, -10) << "right above";
        QTest::newRow("at the bottom edge, zoomed")
            << 4.0 << readOut << QPoint(150, -10) << "right above";
        QTest::newRow("in the bottom-right corner")
            << 1.0 << readOut << QPoint(-20, -10) << "left above";
        QTest::newRow("empty text") << 1.0 << QString() << QPoint(150, 120) << "none";
    }

    void textBox()
    {
        QFETCH(double, scale);
        QFETCH(QString, text);
        QFETCH(QPoint, place);
        QFETCH(QString, side);
        view()->setScale(scale);
        cursor()->setGraphics(new VCursorGraphicsCross, false);
        const QSize area = viewport()->size();
        const QPoint c(place.x() < 0 ? area.width() + place.x() : place.x(),
                       place.y() < 0 ? area.height() + place.y() : place.y());
        moveTo(c);
        // Set before, then changed: the box shows the latest text only.
        cursor()->updateText(QStringLiteral("a much longer read-out than the last"));
        cursor()->updateText(text);
        const QImage image = shot();
        const QRect box = extent(image, isBox);
        if (side == "none") {
            QVERIFY(box.isNull());
            QCOMPARE(count(image, isInverted), 80);
            return;
        }

        // The box is the text's size plus a margin, 5 pixels off the hot spot, in screen pixels.
        const QSize size = QFontMetrics(QApplication::font()).size(0, text) + QSize(5, 5);
        const int left = side.startsWith("right") ? c.x() + 3 : c.x() - 2 - size.width();
        const int top = side.endsWith("below") ? c.y() + 3 : c.y() - 2 - size.height();
        const QRect expected = QRect(QPoint(left, top), size).adjusted(1, 1, -1, -1);
        const QPoint a = box.topLeft() - expected.topLeft();
        const QPoint b = box.bottomRight() - expected.bottomRight();
        QVERIFY2(qMax(qMax(qAbs(a.x()), qAbs(a.y())), qMax(qAbs(b.x()), qAbs(b.y()))) <= 1,
                 qPrintable(QStringLiteral("box corners off by (%1, %2) and (%3, %4)")
                                .arg(a.x())
                                .arg(a.y())
                                .arg(b.x())
                                .arg(b.y())));
        // Light text on the box.
        QVERIFY(count(image.copy(box), [](QRgb p) { return qGray(p) > 200; }) > 10);
    }

    void changesLeaveNoTrail_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("move") << "move";
        QTest::newRow("move to where the box flips") << "flip";
        QTest::newRow("shorter text") << "shorter";
        QTest::newRow("alignment") << "align";
        QTest::newRow("pop") << "pop";
        QTest::newRow("pop back to a larger graphics") << "pop to cross";
        QTest::newRow("push at the pointer") << "push";
    }

    void changesLeaveNoTrail()
    {
        QFETCH(QString, change);
        view()->setScale(2.0);
        cursor()->setGraphics(new VCursorGraphicsCross, false);
        if (change == "pop to cross")
            cursor()->setGraphics(new Dot, false);
        moveTo(QPoint(100, 100));
        cursor()->updateText(QStringLiteral("a long read-out, 1234 x 5678"));
        shot();

        if (change == "move") {
            moveTo(QPoint(250, 180));
        } else if (change == "flip") {
            moveTo(QPoint(viewport()->width() - 30, 100));
            shot();
            moveTo(QPoint(viewport()->width() - 60, 100));
        } else if (change == "shorter") {
            cursor()->updateText(QStringLiteral("1"));
        } else if (change == "align") {
            cursor()->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        } else if (change == "pop" || change == "pop to cross") {
            cursor()->unsetGraphics(false);
        } else if (change == "push") {
            QCursor::setPos(viewport()->mapToGlobal(QPoint(250, 180)));
            cursor()->setGraphics(new Dot, false);
            QCOMPARE(hotSpot(), QPoint(250, 180));
        }
        const QImage painted = shot();
        QCOMPARE(painted, repaintedShot());
    }

    void viewCursor_data()
    {
        QTest::addColumn<QStringList>("ops");
        QTest::addColumn<QList<int>>("shapes");

        const int blank = Qt::BlankCursor;
        const int own = Qt::PointingHandCursor;
        QTest::newRow("blank, restore")
            << QStringList{"push blank", "pop restore"} << QList<int>{blank, own};
        QTest::newRow("push that keeps it")
            << QStringList{"push keep", "pop restore"} << QList<int>{own, own};
        QTest::newRow("pop that keeps it")
            << QStringList{"push blank", "pop keep", "push keep", "pop restore"}
            << QList<int>{blank, blank, blank, own};
        // The second blanking push must not take the blank pointer for the view's own.
        QTest::newRow("two blanking pushes")
            << QStringList{"push blank", "push blank", "pop restore", "pop restore"}
            << QList<int>{blank, blank, own, own};
        QTest::newRow("pop of an empty stack restores nothing")
            << QStringList{"push blank", "pop keep", "pop restore"}
            << QList<int>{blank, blank, blank};
    }

    void viewCursor()
    {
        QFETCH(QStringList, ops);
        QFETCH(QList<int>, shapes);
        viewport()->setCursor(Qt::PointingHandCursor);
        QList<int> seen;
        for (const QString& op : ops) {
            if (op.startsWith("push"))
                cursor()->setGraphics(new VCursorGraphicsCross, op.endsWith("blank"));
            else
                cursor()->unsetGraphics(op.endsWith("restore"));
            seen << int(viewport()->cursor().shape());
        }
        QCOMPARE(seen, shapes);
    }
};

TALVIK_TEST_MAIN(tst_VCursor)
#include "tst_VCursor.moc"
