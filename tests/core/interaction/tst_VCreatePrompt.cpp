// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikMouse.h"
#include "TalvikTest.h"
#include "TalvikTestConfig.h"

#include "graphics/VGraphicsItemLine.h"
#include "graphics/VGraphicsItemPolygon.h"
#include "graphics/VGraphicsItemPolyline.h"
#include "graphics/VGraphicsItemRectangle.h"
#include "graphics/VGraphicsItemText.h"
#include "graphics/VGraphicsLayer.h"
#include "graphics/VGraphicsScene.h"
#include "interaction/VCreatePromptLine.h"
#include "interaction/VCreatePromptPolygon.h"
#include "interaction/VCreatePromptPolyline.h"
#include "interaction/VCreatePromptRectangle.h"
#include "interaction/VCreatePromptText.h"
#include "interaction/VCursor.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

#include <QGraphicsProxyWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>

namespace {

// A canvas on screen, driven with real mouse and key events on its view.
class Drawing
{
public:
    Drawing() : mouse(canvas.view()->viewport())
    {
        canvas.resize(800, 700);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    }

    QWidget* viewport() const { return canvas.view()->viewport(); }
    VGraphicsScene* scene() const { return canvas.scene(); }
    QList<VGraphicsItem*> document() const
    {
        return scene()->layers().isEmpty() ? QList<VGraphicsItem*>()
                                           : scene()->activeLayer()->items();
    }
    // Where a view point lands in the scene.
    QPointF scenePoint(const QPoint& p) const { return canvas.view()->mapToScene(p); }

    void key(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent event(type, key, modifiers);
        QApplication::sendEvent(canvas.view(), &event);
    }

    VCanvas canvas;
    TalvikTest::Mouse mouse;
};

} // namespace

class tst_VCreatePrompt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lineIsDrawnByDragging();
    void zeroLengthLineIsFinished();
    void rightClickDropsTheLineThenCancels();
    void escapeCancelsARectangle();
    void rectangleReadOut_data();
    void rectangleReadOut();
    void newItemIsTheSelection();
    void polylineFinishes_data();
    void polylineFinishes();
    void keypadEnterFinishes();
    void startingAToolEndsTheOther();
    void snapping_data();
    void snapping();
    void snappedPositionsReachTheTool();
    void narrowTextBoxSizesToItsText();

private:
    std::unique_ptr<TalvikTest::IniConfig> m_config;
};

void tst_VCreatePrompt::initTestCase()
{
    m_config = std::make_unique<TalvikTest::IniConfig>(TalvikTest::privateHome().path() +
                                                       QStringLiteral("/prompt.ini"));
    m_config->setBorderLineWidth(2);
}

void tst_VCreatePrompt::lineIsDrawnByDragging()
{
    Drawing drawing;
    QPointer<VCreatePromptLine> prompt = new VCreatePromptLine;
    QSignalSpy finished(prompt.data(), &VCreatePrompt::finished);
    prompt->start(&drawing.canvas);
    QVERIFY(drawing.scene()->cursor()->hasGraphics());

    drawing.mouse.press(QPoint(100, 100));
    QVERIFY(prompt->hasSample());
    QVERIFY(!prompt->sample()->isPersistent());
    drawing.mouse.move(QPoint(150, 140));
    QCOMPARE(drawing.scene()->cursor()->text(), QStringLiteral("Length: 64"));
    drawing.mouse.move(QPoint(200, 180));
    drawing.mouse.release(QPoint(200, 180));

    QCOMPARE(finished.count(), 1);
    const QList<VGraphicsItem*> items = drawing.document();
    QCOMPARE(items.size(), 1);
    auto* line = qobject_cast<VGraphicsItemLine*>(items.first());
    QVERIFY(line);
    QVERIFY(line->isSelected());
    QCOMPARE(line->startPoint().toPointF(), drawing.scenePoint(QPoint(100, 100)));
    QCOMPARE(line->endPoint().toPointF(), drawing.scenePoint(QPoint(200, 180)));
    // The finished tool takes its cross away (a grip under the pointer may show its own) and
    // goes away itself.
    QVERIFY(!drawing.scene()->cursor()->hasGraphics() || drawing.scene()->cursor()->isBinded());
    QTRY_VERIFY(!prompt);
}

void tst_VCreatePrompt::zeroLengthLineIsFinished()
{
    Drawing drawing;
    auto* prompt = new VCreatePromptLine;
    QSignalSpy finished(prompt, &VCreatePrompt::finished);
    prompt->start(&drawing.canvas);
    drawing.mouse.click(QPoint(120, 90));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(drawing.document().size(), 1);
    QCOMPARE(qobject_cast<VGraphicsItemLine*>(drawing.document().first())->length(), 0.0);
}

void tst_VCreatePrompt::rightClickDropsTheLineThenCancels()
{
    Drawing drawing;
    QPointer<VCreatePromptLine> prompt = new VCreatePromptLine;
    QSignalSpy cancelled(prompt.data(), &VCreatePrompt::cancelled);
    prompt->start(&drawing.canvas);
    drawing.mouse.press(QPoint(100, 100));
    drawing.mouse.move(QPoint(160, 130));
    drawing.mouse.press(QPoint(160, 130), Qt::RightButton);
    QVERIFY(!prompt->hasSample());
    QVERIFY(prompt->isEnabled());
    QCOMPARE(cancelled.count(), 0);
    QVERIFY(drawing.scene()->items().isEmpty());
    drawing.mouse.release(QPoint(160, 130), Qt::RightButton);

    drawing.mouse.press(QPoint(160, 130), Qt::RightButton);
    QCOMPARE(cancelled.count(), 1);
    QVERIFY(drawing.document().isEmpty());
    QTRY_VERIFY(!prompt);
}

void tst_VCreatePrompt::escapeCancelsARectangle()
{
    Drawing drawing;
    auto* prompt = new VCreatePromptRectangle;
    QSignalSpy cancelled(prompt, &VCreatePrompt::cancelled);
    QSignalSpy finished(prompt, &VCreatePrompt::finished);
    prompt->start(&drawing.canvas);
    drawing.mouse.press(QPoint(100, 100));
    drawing.mouse.move(QPoint(180, 150));
    QPointer<VGraphicsItem> sample = prompt->sample();
    QVERIFY(sample);
    drawing.key(QEvent::KeyPress, Qt::Key_Escape);
    QCOMPARE(cancelled.count(), 1);
    QVERIFY(!sample);
    drawing.mouse.release(QPoint(180, 150));
    QCOMPARE(finished.count(), 0);
    QVERIFY(drawing.document().isEmpty());
}

void tst_VCreatePrompt::rectangleReadOut_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("size");
    QTest::newRow("1:1, whole pixels") << 1.0 << "-?\\d+"
                                       << "Width: 50\nHeight: 40";
    QTest::newRow("zoomed in, tenths") << 2.0 << "-?\\d+\\.\\d"
                                       << "Width: 25.0\nHeight: 20.0";
}

// One format however the position falls, even on a snap point's odd coordinate.
void tst_VCreatePrompt::rectangleReadOut()
{
    QFETCH(double, scale);
    QFETCH(QString, number);
    QFETCH(QString, size);
    Drawing drawing;
    drawing.canvas.view()->setScale(scale);
    // Its end lies off the pixel grid, where the pointer snaps to it.
    auto* line = new VGraphicsItemLine;
    line->setLine(QVector3D(drawing.scenePoint(QPoint(90, 80)) + QPointF(0.3183, 0.2718)),
                  QVector3D(300, 300, 0));
    drawing.scene()->addPersistenItem(line, false);
    auto* prompt = new VCreatePromptRectangle;
    prompt->start(&drawing.canvas);
    drawing.mouse.move(QPoint(90, 80));
    const QRegularExpression format(QStringLiteral("\\((%1),(%1)\\)").arg(number));
    const QRegularExpressionMatch shown = format.match(drawing.scene()->cursor()->text());
    QVERIFY2(shown.hasMatch(), qPrintable(drawing.scene()->cursor()->text()));
    const QPointF at = drawing.scenePoint(QPoint(90, 80));
    QVERIFY(qAbs(shown.captured(1).toDouble() - at.x()) <= 1);
    QVERIFY(qAbs(shown.captured(2).toDouble() - at.y()) <= 1);
    drawing.mouse.press(QPoint(100, 100));
    drawing.mouse.move(QPoint(150, 140));
    QCOMPARE(drawing.scene()->cursor()->text(), size);
}

// The item drawn last is the selection, alone, and only it shows grips.
void tst_VCreatePrompt::newItemIsTheSelection()
{
    Drawing drawing;
    (new VCreatePromptRectangle)->start(&drawing.canvas);
    drawing.mouse.drag(QPoint(100, 100), QPoint(160, 150));
    (new VCreatePromptLine)->start(&drawing.canvas);
    drawing.mouse.drag(QPoint(300, 100), QPoint(360, 150));
    QTRY_COMPARE(drawing.canvas.selection().size(), 1);
    VGraphicsItem* line = drawing.canvas.selection().first();
    QVERIFY(qobject_cast<VGraphicsItemLine*>(line));
    for (VGraphicsItem* item : drawing.document())
        QCOMPARE(drawing.scene()->gripManager().hasGrips(item), item == line);
}

void tst_VCreatePrompt::polylineFinishes_data()
{
    QTest::addColumn<bool>("polygon");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("points");
    QTest::newRow("polyline, right click") << false << false << 2;
    QTest::newRow("polyline, double click") << false << true << 3;
    QTest::newRow("polygon, right click") << true << false << 2;
    QTest::newRow("polygon, double click") << true << true << 3;
}

void tst_VCreatePrompt::polylineFinishes()
{
    QFETCH(bool, polygon);
    QFETCH(bool, doubleClick);
    QFETCH(int, points);
    Drawing drawing;
    VCreatePromptPolyline* prompt = polygon ? new VCreatePromptPolygon : new VCreatePromptPolyline;
    QSignalSpy finished(prompt, &VCreatePrompt::finished);
    prompt->start(&drawing.canvas);
    drawing.mouse.click(QPoint(100, 100));
    drawing.mouse.move(QPoint(200, 120));
    drawing.mouse.click(QPoint(200, 120));
    if (doubleClick) {
        // The first click of a double click adds its point through its release.
        drawing.mouse.click(QPoint(150, 220));
        drawing.mouse.doubleClick(QPoint(150, 220));
        drawing.mouse.release(QPoint(150, 220));
    } else {
        drawing.mouse.click(QPoint(300, 300), Qt::RightButton);
    }
    QCOMPARE(finished.count(), 1);
    QCOMPARE(drawing.document().size(), 1);
    auto* item = qobject_cast<VGraphicsItemPolyline*>(drawing.document().first());
    QVERIFY(item);
    QCOMPARE(item->pointCount(), points);
    QCOMPARE(item->isClosed(), polygon);
    QCOMPARE(bool(qobject_cast<VGraphicsItemPolygon*>(item)), polygon);
    QCOMPARE(item->pointAt(1).toPointF(), drawing.scenePoint(QPoint(200, 120)));
    // The rubber band went with the tool; what the scene still shows are the new item's grips.
    for (QGraphicsItem* own : drawing.scene()->items())
        QVERIFY(!qgraphicsitem_cast<VGraphicsItem*>(own));
}

void tst_VCreatePrompt::keypadEnterFinishes()
{
    Drawing drawing;
    auto* prompt = new VCreatePromptPolyline;
    QSignalSpy finished(prompt, &VCreatePrompt::finished);
    prompt->start(&drawing.canvas);
    drawing.mouse.click(QPoint(100, 100));
    drawing.mouse.click(QPoint(140, 160));
    drawing.key(QEvent::KeyRelease, Qt::Key_Return);
    QCOMPARE(finished.count(), 0);
    drawing.key(QEvent::KeyRelease, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(qobject_cast<VGraphicsItemPolyline*>(drawing.document().first())->pointCount(), 2);
}

void tst_VCreatePrompt::startingAToolEndsTheOther()
{
    Drawing drawing;
    QPointer<VCreatePromptLine> line = new VCreatePromptLine;
    QSignalSpy lineFinished(line.data(), &VCreatePrompt::finished);
    QSignalSpy lineCancelled(line.data(), &VCreatePrompt::cancelled);
    line->start(&drawing.canvas);
    auto* rectangle = new VCreatePromptRectangle;
    rectangle->start(&drawing.canvas);
    QVERIFY(!line->isEnabled());
    QCOMPARE(lineFinished.count() + lineCancelled.count(), 0);
    QTRY_VERIFY(!line);
    // The pointer still shows the cross of the tool that runs.
    QVERIFY(drawing.scene()->cursor()->hasGraphics());
    drawing.mouse.drag(QPoint(100, 100), QPoint(160, 150));
    QCOMPARE(drawing.document().size(), 1);
    QVERIFY(qobject_cast<VGraphicsItemRectangle*>(drawing.document().first()));
}

void tst_VCreatePrompt::snapping_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("1.0") << 1.0 << QPointF(10.26, 3.74);
    QTest::newRow("0.4") << 0.4 << QPointF(10.26, 3.74);
    QTest::newRow("2.0") << 2.0 << QPointF(10.5, 3.5);
    QTest::newRow("4.0") << 4.0 << QPointF(10.5, 3.5);
    QTest::newRow("8.0") << 8.0 << QPointF(10.3, 3.7);
}

void tst_VCreatePrompt::snapping()
{
    QFETCH(double, scale);
    QFETCH(QPointF, expected);
    const QPointF snapped = VCreatePrompt::snapToGrid(QPointF(10.26, 3.74), scale);
    QVERIFY(qAbs(snapped.x() - expected.x()) < 1e-9);
    QVERIFY(qAbs(snapped.y() - expected.y()) < 1e-9);
}

void tst_VCreatePrompt::snappedPositionsReachTheTool()
{
    Drawing drawing;
    drawing.canvas.view()->setScale(8.0);
    auto* prompt = new VCreatePromptLine;
    prompt->start(&drawing.canvas);
    drawing.mouse.drag(QPoint(203, 157), QPoint(261, 222));
    auto* line = qobject_cast<VGraphicsItemLine*>(drawing.document().first());
    QVERIFY(line);
    for (const double v : {line->startPoint().x(), line->startPoint().y(), line->endPoint().x(),
                           line->endPoint().y()})
        QVERIFY2(qAbs(v * 10 - qRound(v * 10)) < 1e-3, qPrintable(QString::number(v)));
}

void tst_VCreatePrompt::narrowTextBoxSizesToItsText()
{
    Drawing drawing;
    auto* prompt = new VCreatePromptText;
    prompt->start(&drawing.canvas);
    drawing.mouse.drag(QPoint(100, 100), QPoint(105, 140));
    QCOMPARE(drawing.document().size(), 1);
    auto* text = qobject_cast<VGraphicsItemText*>(drawing.document().first());
    QVERIFY(text);
    // Being edited: the editor is a proxy widget of the scene, and typing reaches the box.
    bool editing = false;
    for (QGraphicsItem* item : drawing.scene()->items())
        editing |= qgraphicsitem_cast<QGraphicsProxyWidget*>(item) != nullptr;
    QVERIFY(editing);
    // The box follows its text's width instead of staying 5 units narrow.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Hello there"));
    QTRY_VERIFY(text->rectangle().width() > 30);
}

TALVIK_TEST_MAIN(tst_VCreatePrompt)
#include "tst_VCreatePrompt.moc"
